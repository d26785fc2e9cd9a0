#pragma once

#include <string>
#include <vector>

namespace verbundo {

// One way to open a console: a program and its argv (without the program itself), to be
// started as they stand, never through a shell's parser.
struct TKonsolenProgramm {
    std::string Programm;
    std::vector<std::string> Argumente;
};

// What one console button starts, as plain data for a launcher.
struct TKonsolenBefehl {
    // The parameter string handed to cmd.exe on Windows, e.g. "/k route PRINT".
    std::string WindowsParameter;
    // On Linux: terminal emulators in order of preference, each with its own way of taking a
    // command. The launcher starts the first that starts. Every one runs
    //   /bin/sh -c '<script>' sh <word>...
    // where the script runs the host's command (the typed words as "$@") and then an
    // interactive shell, so the console stays open.
    std::vector<TKonsolenProgramm> Kandidaten;
};

TKonsolenBefehl IpConfigBefehl();
TKonsolenBefehl RouteBefehl();
// The typed text goes to the trace command word by word (split at blanks, empty words
// dropped), never through a shell's parser; on Windows it is appended as typed.
TKonsolenBefehl TracertBefehl(const std::string& eingabe);

} // namespace verbundo

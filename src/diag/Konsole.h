#pragma once

#include <string>
#include <vector>

namespace verbundo {

// What one console button starts, as plain data for a launcher.
struct TKonsolenBefehl {
    // The parameter string handed to cmd.exe on Windows, e.g. "/k route PRINT".
    std::string WindowsParameter;
    // On Linux: the terminal candidates are tried in order; each gets these arguments.
    std::vector<std::string> Terminals;
    std::vector<std::string> Argumente;
};

TKonsolenBefehl IpConfigBefehl();
TKonsolenBefehl RouteBefehl();
// The typed text goes to the trace command word by word, never through a shell's parser.
TKonsolenBefehl TracertBefehl(const std::string& eingabe);

} // namespace verbundo

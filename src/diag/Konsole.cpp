#include "Konsole.h"

namespace verbundo {

namespace {

constexpr const char* Offenhalten = "; exec \"${SHELL:-/bin/sh}\" -i";

TKonsolenBefehl Befehl(std::string windows, const std::string& skript,
                       const std::vector<std::string>& woerter) {
    std::vector<std::string> shell{"/bin/sh", "-c", skript + Offenhalten, "sh"};
    shell.insert(shell.end(), woerter.begin(), woerter.end());
    TKonsolenBefehl befehl{std::move(windows), {}};
    // Each terminal has its own flag that takes the rest of the argv as the command.
    for (const auto& [terminal, flag] :
         {std::pair{"x-terminal-emulator", "-e"}, std::pair{"gnome-terminal", "--"},
          std::pair{"konsole", "-e"}, std::pair{"xfce4-terminal", "-x"},
          std::pair{"xterm", "-e"}}) {
        TKonsolenProgramm p{terminal, {flag}};
        p.Argumente.insert(p.Argumente.end(), shell.begin(), shell.end());
        befehl.Kandidaten.push_back(std::move(p));
    }
    return befehl;
}

std::vector<std::string> Woerter(const std::string& text) {
    std::vector<std::string> woerter;
    std::string wort;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!wort.empty())
                woerter.push_back(std::move(wort));
            wort.clear();
        } else {
            wort += c;
        }
    }
    if (!wort.empty())
        woerter.push_back(std::move(wort));
    return woerter;
}

} // namespace

TKonsolenBefehl IpConfigBefehl() {
    return Befehl("/k ipconfig.exe /all", "ip address show", {});
}

TKonsolenBefehl RouteBefehl() {
    return Befehl("/k route PRINT", "ip route show", {});
}

TKonsolenBefehl TracertBefehl(const std::string& eingabe) {
    return Befehl("/k tracert " + eingabe,
                  "if command -v traceroute >/dev/null 2>&1; then traceroute \"$@\"; "
                  "else tracepath \"$@\"; fi",
                  Woerter(eingabe));
}

} // namespace verbundo

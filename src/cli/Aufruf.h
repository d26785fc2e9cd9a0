#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace verbundo::cli {

// A wrong command line; its text says what is wrong, the usage follows it.
class EAufruf : public std::runtime_error {
public:
    explicit EAufruf(const std::string& grund) : std::runtime_error(grund) {}
};

struct TAufruf {
    std::string Befehl;
    std::vector<std::string> Worte; // the positional arguments after the subcommand
    long long Takte = 20;
    bool Erklaeren = false; // pruefen, bewerten: the findings or checks under each file's line
    bool Csv = false;       // bewerten: a table instead of lines
    bool Protokoll = false; // senden: the message log between the tick lines
    std::vector<std::string> Hub, Mailserver, Ports24; // device numbers as given
};

extern const char* const Hilfe;

// Splits argv (without the program name). The options of senden may stand anywhere after the
// subcommand. Raises EAufruf for an unknown subcommand or option, a missing option value or
// a wrong number of positional arguments.
TAufruf LeseAufruf(const std::vector<std::string>& argumente);

// A non-negative decimal number without sign or blanks; raises EAufruf naming was otherwise.
long long Zahl(const std::string& text, const std::string& was);

} // namespace verbundo::cli

#include "Aufruf.h"
#include "Befehle.h"

#include "../model/Fehler.h"

#include <iostream>

using namespace verbundo;
using namespace verbundo::cli;

namespace {

int Fuehre(const TAufruf& a) {
    if (a.Befehl == "pruefen")
        return Pruefen(a, std::cout);
    if (a.Befehl == "routen")
        return Routen(a, std::cout);
    if (a.Befehl == "anzeige")
        return Anzeige(a, std::cout);
    if (a.Befehl == "senden")
        return Senden(a, std::cout, std::cerr);
    if (a.Befehl == "bewerten")
        return Bewerten(a, std::cout);
    return Ausgeben(a, std::cout);
}

// Output that cannot be written (a full disk, a closed pipe) must not pass for success.
int Ausgegeben(int status) {
    if (std::cout.flush())
        return status;
    std::cerr << "verbundo-cli: Stream write error\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    if (argumente.size() == 1 && (argumente[0] == "--help" || argumente[0] == "-h")) {
        std::cout << Hilfe;
        return Ausgegeben(0);
    }
    TAufruf aufruf;
    std::string fehler;
    try {
        aufruf = LeseAufruf(argumente);
        return Ausgegeben(Fuehre(aufruf));
    } catch (const EAufruf& e) {
        std::cout.flush();
        // It may quote an argument, and arguments may come from file names.
        std::cerr << "verbundo-cli: " << Sichtbar(e.what()) << "\n\n" << Hilfe;
        return 2;
    } catch (const std::exception& e) {
        fehler = Fehlertext(e);
    } catch (...) {
        fehler = Fehlertext();
    }
    // Reading the file, or anything after it, failed.
    std::cout.flush();
    const std::string wer = aufruf.Worte.empty() ? "verbundo-cli" : Sichtbar(aufruf.Worte.front());
    std::cerr << wer << ": " << fehler << '\n';
    return 2;
}

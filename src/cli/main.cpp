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
    return Ausgeben(a, std::cout);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    if (argumente.size() == 1 && (argumente[0] == "--help" || argumente[0] == "-h")) {
        std::cout << Hilfe;
        return std::cout.flush() ? 0 : 2;
    }
    TAufruf aufruf;
    try {
        aufruf = LeseAufruf(argumente);
        const int status = Fuehre(aufruf);
        std::cout.flush();
        return status;
    } catch (const EAufruf& e) {
        std::cout.flush();
        std::cerr << "verbundo-cli: " << e.what() << "\n\n" << Hilfe;
    } catch (const EFehler& e) {
        std::cout.flush();
        std::cerr << aufruf.Worte.front() << ": " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "verbundo-cli: " << e.what() << '\n';
    }
    return 2;
}

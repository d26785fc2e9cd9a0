#include "Pruefung.h"

#include "Regeln.h"

namespace verbundo {

namespace {

struct TZaehler {
    long long Anzahl = 0;
    void Subnetz(int, const TSubnet&, regeln::TMangel) { ++Anzahl; }
    void Doppelt(const regeln::TGeraet&, bool, const regeln::TGeraet&, bool) { ++Anzahl; }
    void Lage(const regeln::TGeraet&, int, const TSubnet&) { ++Anzahl; }
};

} // namespace

long long ZaehleKonfigurationsfehler(const TNetz& netz) {
    TZaehler z;
    regeln::Durchlaufe(netz, z);
    return z.Anzahl;
}

std::string Pruefbericht(long long fehler) {
    if (fehler == 0)
        return "Alle Ip-Adressen sind korrekt eingestellt.";
    return "Es sind noch " + std::to_string(fehler) + " Fehler vorhanden.";
}

} // namespace verbundo

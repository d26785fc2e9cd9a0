#include "Pruefung.h"

#include "../sim/Netz.h"

#include <vector>

namespace verbundo {

namespace {

// A non-zero mask must be one run of set bits up to bit 31, and the net ID must have nothing
// below the run.
bool SubnetzFehlerhaft(TAdresse netzID, TAdresse mask) {
    int k = 0;
    while (k < 32 && !((mask >> k) & 1u))
        ++k;
    if (k == 32)
        return false;
    if (netzID & ((1u << k) - 1u))
        return true;
    for (int b = k + 1; b < 32; ++b)
        if (!((mask >> b) & 1u))
            return true;
    return false;
}

struct TEintrag {
    const TKomponente* Geraet;
    bool Pruefen; // printer, computer or router; a plain switch only serves as later device
    bool Router;
    TAdresse IP;
    TAdresse IP2;
};

std::vector<TEintrag> Eintraege(const TNetz& netz) {
    std::vector<TEintrag> liste;
    liste.reserve(static_cast<std::size_t>(netz.Komponentenliste.Count()));
    for (const auto& k : netz.Komponentenliste) {
        const auto* r = Als<TRouter>(k.get());
        const bool drucker = IstDrucker(k->Art());
        liste.push_back({k.get(), drucker || r, r != nullptr, k->GetIP(), r ? r->GetIP2() : 0});
    }
    return liste;
}

long long Doppelte(const TEintrag& i, const TEintrag& j) {
    long long n = i.IP == j.IP;
    if (j.Router)
        n += i.IP == j.IP2;
    if (i.Router)
        n += i.IP2 == j.IP;
    if (i.Router && j.Router)
        n += i.IP2 == j.IP2;
    return n;
}

} // namespace

long long ZaehleKonfigurationsfehler(const TNetz& netz) {
    long long fehler = 0;
    for (const auto& s : netz.Subnetzliste)
        fehler += SubnetzFehlerhaft(s->GetNetzID(), s->GetMask());
    const std::vector<TEintrag> liste = Eintraege(netz);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (!liste[i].Pruefen)
            continue;
        for (std::size_t j = i + 1; j < liste.size(); ++j)
            fehler += Doppelte(liste[i], liste[j]);
        for (const auto& s : netz.Subnetzliste)
            fehler += !s->Passt(*liste[i].Geraet);
    }
    return fehler;
}

std::string Pruefbericht(long long fehler) {
    if (fehler == 0)
        return "Alle Ip-Adressen sind korrekt eingestellt.";
    return "Es sind noch " + std::to_string(fehler) + " Fehler vorhanden.";
}

} // namespace verbundo

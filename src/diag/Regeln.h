#pragma once

// The rules of the configuration test as one walk. The count and the explained findings both
// run it, so they report the same errors in the same order.

#include "../sim/Netz.h"

#include <vector>

namespace verbundo::regeln {

enum class TMangel { Keiner, NetzID, Luecke, NichtLinks };

// A non-zero mask must be one run of set bits up to bit 31, and the net ID must have nothing
// below the run. A broken mask is named before a net ID it makes meaningless.
inline TMangel SubnetzMangel(TAdresse netzID, TAdresse mask) {
    int k = 0;
    while (k < 32 && !((mask >> k) & 1u))
        ++k;
    if (k == 32)
        return TMangel::Keiner;
    bool frei = false;
    for (int b = k + 1; b < 32; ++b) {
        if (!((mask >> b) & 1u))
            frei = true;
        else if (frei)
            return TMangel::Luecke;
    }
    if (frei)
        return TMangel::NichtLinks;
    return netzID & ((1u << k) - 1u) ? TMangel::NetzID : TMangel::Keiner;
}

struct TGeraet {
    const TKomponente* K;
    int Index;
    bool Pruefen; // printer, computer or router; a plain switch only serves as later device
    bool Router;
    TAdresse IP;
    TAdresse IP2;
};

inline std::vector<TGeraet> Geraete(const TNetz& netz) {
    std::vector<TGeraet> liste;
    liste.reserve(static_cast<std::size_t>(netz.Komponentenliste.Count()));
    int i = 0;
    for (const auto& k : netz.Komponentenliste) {
        const auto* r = Als<TRouter>(k.get());
        liste.push_back({k.get(), i++, IstDrucker(k->Art()) || r, r != nullptr, k->GetIP(),
                         r ? r->GetIP2() : 0});
    }
    return liste;
}

// Calls, in counting order, v.Subnetz(index, subnet, mangel) for each faulty subnet,
// v.Doppelt(a, zweiteA, b, zweiteB) for each equal pair of addresses (zweite: the router's
// second address) and v.Lage(device, index, subnet) for each device that does not fit a subnet.
template <class V> void Durchlaufe(const TNetz& netz, V& v) {
    int s = 0;
    for (const auto& n : netz.Subnetzliste) {
        const TMangel m = SubnetzMangel(n->GetNetzID(), n->GetMask());
        if (m != TMangel::Keiner)
            v.Subnetz(s, *n, m);
        ++s;
    }
    const std::vector<TGeraet> liste = Geraete(netz);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const TGeraet& a = liste[i];
        if (!a.Pruefen)
            continue;
        for (std::size_t j = i + 1; j < liste.size(); ++j) {
            const TGeraet& b = liste[j];
            if (a.IP == b.IP)
                v.Doppelt(a, false, b, false);
            if (b.Router && a.IP == b.IP2)
                v.Doppelt(a, false, b, true);
            if (a.Router && a.IP2 == b.IP)
                v.Doppelt(a, true, b, false);
            if (a.Router && b.Router && a.IP2 == b.IP2)
                v.Doppelt(a, true, b, true);
        }
        s = 0;
        for (const auto& n : netz.Subnetzliste) {
            if (!n->Passt(*a.K))
                v.Lage(a, s, *n);
            ++s;
        }
    }
}

} // namespace verbundo::regeln

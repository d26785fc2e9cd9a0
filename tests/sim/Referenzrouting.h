#pragma once

// The table computation in its plain form, kept as the yardstick for the fast one: up to n
// passes, each relaxing over the whole cable list and selecting over the whole device list.
// Header-only, shared by the tests and the benchmarks; not built into the program.

#include "model/Kabel.h"
#include "model/Komponente.h"

#include <unordered_map>

namespace verbundo::test {

inline void BerechneRoutingEinfach(TSwitch& s, const TKompList& komponenten,
                                   const TKabelList& kabel) {
    struct TFeld {
        bool Fertig = false;
        long double Distanz = -1.0L;
        TKabel* Via = nullptr;
    };
    std::unordered_map<const TKomponente*, TFeld> f;
    for (const auto& d : komponenten)
        f[d.get()] = {};
    f[&s] = {true, 0.0L, nullptr};
    const TKomponente* u = &s;
    for (;;) {
        for (const auto& k : kabel) {
            const TKomponente* v = nullptr;
            if (k->GetA() == u)
                v = k->GetB();
            else if (k->GetB() == u)
                v = k->GetA();
            if (!v || f[v].Fertig)
                continue;
            const long double d = k->Laenge() + f[u].Distanz;
            if (f[v].Distanz == -1.0L || d < f[v].Distanz)
                f[v] = {false, d, k.get()};
        }
        long double best = -1.0L;
        for (const auto& d : komponenten) {
            const TFeld& fd = f[d.get()];
            if (fd.Fertig || fd.Distanz == -1.0L)
                continue;
            if (best == -1.0L || fd.Distanz < best) {
                u = d.get();
                best = fd.Distanz;
            }
        }
        if (!(best > -1.0L))
            break;
        f[u].Fertig = true;
    }
    s.Routingtabelle.Leeren();
    for (const auto& d : komponenten) {
        if (d.get() == &s || !f[d.get()].Fertig)
            continue;
        const TKomponente* n = d.get();
        TKabel* erstes = nullptr;
        do {
            erstes = f[n].Via;
            n = erstes->AndereSeite(n);
        } while (n != &s);
        s.Routingtabelle.Add(d->GetIP(), erstes->shared_from_this());
        if (const auto* r = Als<TRouter>(d.get()))
            s.Routingtabelle.Add(r->GetIP2(), erstes->shared_from_this());
    }
}

inline void BerechneAlleEinfach(const TKompList& komponenten, const TKabelList& kabel) {
    for (const auto& d : komponenten)
        if (auto* sw = Als<TSwitch>(d.get()))
            BerechneRoutingEinfach(*sw, komponenten, kabel);
}

} // namespace verbundo::test

#pragma once

// The table computation in its plain form, kept as the yardstick for the fast one: up to n
// passes, each relaxing over the whole cable list and selecting over the whole device list.
// Header-only, shared by the tests and the benchmarks; not built into the program.

#include "model/Kabel.h"
#include "model/Komponente.h"

namespace verbundo::test {

inline void BerechneRoutingEinfach(TSwitch& s, const TKompList& komponenten,
                                   const TKabelList& kabel) {
    s.Routingtabelle.Leeren();
    for (const auto& d : komponenten) {
        d->Fertig = false;
        d->Distanz = -1.0L;
        d->ViaKabel = nullptr;
    }
    s.Fertig = true;
    s.Distanz = 0.0L;
    TKomponente* u = &s;
    for (;;) {
        for (const auto& k : kabel) {
            TKomponente* v = nullptr;
            if (k->GetA() == u)
                v = k->GetB();
            else if (k->GetB() == u)
                v = k->GetA();
            if (!v || v->Fertig)
                continue;
            const long double d = k->Laenge() + u->Distanz;
            if (v->Distanz == -1.0L || d < v->Distanz) {
                v->Distanz = d;
                v->ViaKabel = k.get();
            }
        }
        long double best = -1.0L;
        for (const auto& d : komponenten) {
            if (d->Fertig || d->Distanz == -1.0L)
                continue;
            if (best == -1.0L || d->Distanz < best) {
                u = d.get();
                best = d->Distanz;
            }
        }
        if (!(best > -1.0L))
            break;
        u->Fertig = true;
    }
    for (const auto& d : komponenten) {
        if (d.get() == &s || !d->Fertig)
            continue;
        TKomponente* n = d.get();
        TKabel* f = nullptr;
        do {
            f = n->ViaKabel;
            n = f->AndereSeite(n);
        } while (n != &s);
        const auto erstes = f->shared_from_this();
        s.Routingtabelle.Add(d->GetIP(), erstes);
        if (const auto* r = dynamic_cast<const TRouter*>(d.get()))
            s.Routingtabelle.Add(r->GetIP2(), erstes);
    }
}

inline void BerechneAlleEinfach(const TKompList& komponenten, const TKabelList& kabel) {
    for (const auto& d : komponenten)
        if (auto* sw = dynamic_cast<TSwitch*>(d.get()))
            BerechneRoutingEinfach(*sw, komponenten, kabel);
}

} // namespace verbundo::test

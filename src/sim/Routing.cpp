#include "Routing.h"

#include "../model/Kabel.h"
#include "../model/Komponente.h"

namespace verbundo {

void TSwitch::BerechneRouting(const TKompList& komponenten, const TKabelList& kabel) {
    Routingtabelle.Leeren();
    for (const auto& d : komponenten) {
        d->Fertig = false;
        d->Distanz = -1.0L;
        d->ViaKabel = nullptr;
    }
    Fertig = true;
    Distanz = 0.0L;
    TKomponente* u = this;
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
        if (d.get() == this || !d->Fertig)
            continue;
        TKomponente* n = d.get();
        TKabel* f = nullptr;
        do {
            f = n->ViaKabel;
            n = f->AndereSeite(n);
        } while (n != this);
        const auto erstes = f->shared_from_this();
        Routingtabelle.Add(d->GetIP(), erstes);
        if (const auto* r = dynamic_cast<const TRouter*>(d.get()))
            Routingtabelle.Add(r->GetIP2(), erstes);
    }
}

void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel) {
    for (const auto& d : komponenten)
        if (auto* sw = dynamic_cast<TSwitch*>(d.get()))
            sw->BerechneRouting(komponenten, kabel);
}

} // namespace verbundo

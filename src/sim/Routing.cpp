#include "Routing.h"

#include "../model/Kabel.h"
#include "../model/Komponente.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace verbundo {

// The search settles devices in exactly the order of the plain form (n passes, each relaxing
// over the whole cable list and then selecting the nearest unsettled device, ties to the
// earliest in the device list), but finds the neighbours from per-device cable lists and the
// nearest device from a heap ordered by (distance, first list position). Both orders are
// strict total orders over the same state, so each step picks the same device, relaxes the
// same cables in the same order and computes the same long double sums.
namespace {

class TSuche {
public:
    TSuche(const TKompList& komponenten, const TKabelList& kabel);
    // Recomputes s's table; with arbeitsfelder also leaves Fertig, Distanz and ViaKabel of
    // every listed device as the plain form would.
    void Berechne(TSwitch& s, bool arbeitsfelder);

private:
    struct Nachbar {
        int Geraet;
        int Kabel;
    };

    bool Vor(int a, int b) const { return Dist[a] < Dist[b] || (Dist[a] == Dist[b] && a < b); }
    void HeapHoch(int i);
    void HeapRunter(int i);
    void Verbessere(int v);
    int Nimm();
    void Entspanne(int v, int k, int erstes, long double basis);

    const TKompList& Komponenten;
    const TKabelList& KabelListe;
    // Listed devices by first occurrence; a device listed twice is one node.
    std::vector<TKomponente*> Geraete;
    std::unordered_map<const TKomponente*, int> Index;
    std::vector<int> Knoten; // list position -> node
    std::vector<TAdresse> IP, IP2;
    std::vector<char> IstRouter;
    // Per node its cables in cable-list order (loops left out: they reach only the settled
    // device itself); ends outside the device list are left out too, as they can never be
    // settled and so never bear on a route.
    std::vector<int> Anfang;
    std::vector<Nachbar> Nachbarn;
    std::vector<long double> Laenge;
    std::vector<const std::shared_ptr<TKabel>*> Kabel;

    // Per search.
    std::vector<long double> Dist;
    std::vector<char> Fertig;
    std::vector<int> Via, Erstes;
    std::vector<int> Heap, HeapPos;
};

TSuche::TSuche(const TKompList& komponenten, const TKabelList& kabel)
    : Komponenten(komponenten), KabelListe(kabel) {
    Knoten.reserve(static_cast<std::size_t>(komponenten.Count()));
    Index.reserve(static_cast<std::size_t>(komponenten.Count()) * 2);
    for (const auto& d : komponenten) {
        const auto [it, neu] = Index.try_emplace(d.get(), static_cast<int>(Geraete.size()));
        if (neu) {
            Geraete.push_back(d.get());
            IP.push_back(d->GetIP());
            const auto* r = dynamic_cast<const TRouter*>(d.get());
            IstRouter.push_back(r != nullptr);
            IP2.push_back(r ? r->GetIP2() : 0);
        }
        Knoten.push_back(it->second);
    }
    const std::size_t n = Geraete.size();

    Kabel.reserve(static_cast<std::size_t>(kabel.Count()));
    Laenge.reserve(static_cast<std::size_t>(kabel.Count()));
    std::vector<std::pair<int, int>> enden;
    enden.reserve(static_cast<std::size_t>(kabel.Count()));
    Anfang.assign(n + 1, 0);
    for (const auto& k : kabel) {
        const auto a = Index.find(k->GetA());
        const auto b = Index.find(k->GetB());
        const int ia = a == Index.end() ? -1 : a->second;
        const int ib = b == Index.end() ? -1 : b->second;
        Kabel.push_back(&k);
        Laenge.push_back(k->Laenge());
        enden.emplace_back(ia, ib);
        if (k->GetA() == k->GetB() || ia < 0 || ib < 0)
            continue;
        ++Anfang[static_cast<std::size_t>(ia) + 1];
        ++Anfang[static_cast<std::size_t>(ib) + 1];
    }
    for (std::size_t i = 0; i < n; ++i)
        Anfang[i + 1] += Anfang[i];
    Nachbarn.resize(static_cast<std::size_t>(Anfang[n]));
    std::vector<int> frei(Anfang.begin(), Anfang.end() - 1);
    for (std::size_t k = 0; k < enden.size(); ++k) {
        const auto [ia, ib] = enden[k];
        if (ia < 0 || ib < 0 || Kabel[k]->get()->GetA() == Kabel[k]->get()->GetB())
            continue;
        Nachbarn[static_cast<std::size_t>(frei[static_cast<std::size_t>(ia)]++)] = {
            ib, static_cast<int>(k)};
        Nachbarn[static_cast<std::size_t>(frei[static_cast<std::size_t>(ib)]++)] = {
            ia, static_cast<int>(k)};
    }

    Dist.resize(n);
    Fertig.resize(n);
    Via.resize(n);
    Erstes.resize(n);
    HeapPos.resize(n);
    Heap.reserve(n);
}

void TSuche::HeapHoch(int i) {
    const int v = Heap[static_cast<std::size_t>(i)];
    while (i > 0) {
        const int eltern = (i - 1) / 2;
        const int e = Heap[static_cast<std::size_t>(eltern)];
        if (!Vor(v, e))
            break;
        Heap[static_cast<std::size_t>(i)] = e;
        HeapPos[static_cast<std::size_t>(e)] = i;
        i = eltern;
    }
    Heap[static_cast<std::size_t>(i)] = v;
    HeapPos[static_cast<std::size_t>(v)] = i;
}

void TSuche::HeapRunter(int i) {
    const int groesse = static_cast<int>(Heap.size());
    const int v = Heap[static_cast<std::size_t>(i)];
    for (;;) {
        int kind = 2 * i + 1;
        if (kind >= groesse)
            break;
        if (kind + 1 < groesse &&
            Vor(Heap[static_cast<std::size_t>(kind) + 1], Heap[static_cast<std::size_t>(kind)]))
            ++kind;
        const int c = Heap[static_cast<std::size_t>(kind)];
        if (!Vor(c, v))
            break;
        Heap[static_cast<std::size_t>(i)] = c;
        HeapPos[static_cast<std::size_t>(c)] = i;
        i = kind;
    }
    Heap[static_cast<std::size_t>(i)] = v;
    HeapPos[static_cast<std::size_t>(v)] = i;
}

// v's key has just gone down (or v was reached for the first time).
void TSuche::Verbessere(int v) {
    int& pos = HeapPos[static_cast<std::size_t>(v)];
    if (pos < 0) {
        Heap.push_back(v);
        pos = static_cast<int>(Heap.size()) - 1;
    }
    HeapHoch(pos);
}

int TSuche::Nimm() {
    if (Heap.empty())
        return -1;
    const int v = Heap.front();
    HeapPos[static_cast<std::size_t>(v)] = -1;
    Heap.front() = Heap.back();
    Heap.pop_back();
    if (!Heap.empty())
        HeapRunter(0);
    return v;
}

void TSuche::Entspanne(int v, int k, int erstes, long double basis) {
    const auto iv = static_cast<std::size_t>(v);
    if (Fertig[iv])
        return;
    // Same operands, same order as the plain form: K.Laenge + U.Distanz.
    const long double d = Laenge[static_cast<std::size_t>(k)] + basis;
    if (Dist[iv] == -1.0L || d < Dist[iv]) {
        Dist[iv] = d;
        Via[iv] = k;
        Erstes[iv] = erstes;
        Verbessere(v);
    }
}

void TSuche::Berechne(TSwitch& s, bool arbeitsfelder) {
    const std::size_t n = Geraete.size();
    std::fill(Dist.begin(), Dist.end(), -1.0L);
    std::fill(Fertig.begin(), Fertig.end(), 0);
    std::fill(Via.begin(), Via.end(), -1);
    std::fill(Erstes.begin(), Erstes.end(), -1);
    std::fill(HeapPos.begin(), HeapPos.end(), -1);
    Heap.clear();

    const auto gefunden = Index.find(&s);
    const int quelle = gefunden == Index.end() ? -1 : gefunden->second;
    if (quelle >= 0) {
        Fertig[static_cast<std::size_t>(quelle)] = 1;
        Dist[static_cast<std::size_t>(quelle)] = 0.0L;
        for (int i = Anfang[static_cast<std::size_t>(quelle)];
             i < Anfang[static_cast<std::size_t>(quelle) + 1]; ++i) {
            const Nachbar& nb = Nachbarn[static_cast<std::size_t>(i)];
            Entspanne(nb.Geraet, nb.Kabel, nb.Kabel, 0.0L);
        }
    } else {
        // A switch outside the device list: its cables are found in the cable list itself.
        for (int k = 0; k < static_cast<int>(Kabel.size()); ++k) {
            const TKabel& kabel = **Kabel[static_cast<std::size_t>(k)];
            const TKomponente* v = kabel.GetA() == &s   ? kabel.GetB()
                                   : kabel.GetB() == &s ? kabel.GetA()
                                                        : nullptr;
            if (!v || v == &s)
                continue;
            const auto it = Index.find(v);
            if (it != Index.end())
                Entspanne(it->second, k, k, 0.0L);
        }
    }
    for (int u = Nimm(); u >= 0; u = Nimm()) {
        const auto iu = static_cast<std::size_t>(u);
        Fertig[iu] = 1;
        const long double basis = Dist[iu];
        const int erstes = Erstes[iu];
        for (int i = Anfang[iu]; i < Anfang[iu + 1]; ++i) {
            const Nachbar& nb = Nachbarn[static_cast<std::size_t>(i)];
            Entspanne(nb.Geraet, nb.Kabel, erstes, basis);
        }
    }

    TRoutingList& tabelle = s.Routingtabelle;
    tabelle.Leeren();
    tabelle.Reserviere(Knoten.size());
    for (const int v : Knoten) {
        const auto iv = static_cast<std::size_t>(v);
        if (!Fertig[iv] || Geraete[iv] == &s)
            continue;
        const auto& erstes = *Kabel[static_cast<std::size_t>(Erstes[iv])];
        tabelle.Add(IP[iv], erstes);
        if (IstRouter[iv])
            tabelle.Add(IP2[iv], erstes);
    }

    if (!arbeitsfelder)
        return;
    for (std::size_t i = 0; i < n; ++i) {
        TKomponente* d = Geraete[i];
        d->Fertig = Fertig[i] != 0;
        d->Distanz = Dist[i];
        d->ViaKabel = Via[i] < 0 ? nullptr : Kabel[static_cast<std::size_t>(Via[i])]->get();
    }
    s.Fertig = true;
    s.Distanz = 0.0L;
}

} // namespace

void TSwitch::BerechneRouting(const TKompList& komponenten, const TKabelList& kabel) {
    TSuche(komponenten, kabel).Berechne(*this, true);
}

void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel) {
    TSuche suche(komponenten, kabel);
    TSwitch* letzter = nullptr;
    for (const auto& d : komponenten)
        if (auto* sw = dynamic_cast<TSwitch*>(d.get()))
            letzter = sw;
    // The working fields are overwritten by every search; only the last one's stay, so only
    // the last one writes them.
    for (const auto& d : komponenten)
        if (auto* sw = dynamic_cast<TSwitch*>(d.get()))
            suche.Berechne(*sw, sw == letzter);
}

} // namespace verbundo

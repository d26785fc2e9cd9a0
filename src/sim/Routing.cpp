#include "Routing.h"

#include "../model/Fehler.h"
#include "../model/Kabel.h"
#include "../model/Komponente.h"
#include "../model/RoutenIndex.h"

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace verbundo {

// The search settles devices in exactly the order of the plain form (up to n passes, each
// relaxing over the whole cable list and then selecting the nearest unsettled device, ties to
// the earliest in the device list) but finds the neighbours from per-device cable lists and
// the nearest device from a heap ordered by (distance, list position). Both orders are the
// same strict total order over the same state, so each step picks the same device, relaxes
// the same cables in the same order and computes the same long double sums. Only the
// relative order of relaxations aimed at one device matters, and that is cable-list order in
// both forms.
namespace {

// Where long double is the x87 80-bit format, a non-negative value orders exactly as its
// (exponent, significand) bits, and distances are never negative, negative zero, NaN or
// subnormal (sums of square roots of integers: 0 or at least 1). So one 128-bit integer holds
// the whole heap key, distance above and core number below, ordered as (distance, number).
#if defined(__SIZEOF_INT128__) && LDBL_MANT_DIG == 64
using Schluessel = unsigned __int128;
Schluessel MachSchluessel(long double d, int knoten) {
    std::uint64_t signifikand = 0;
    std::uint16_t exponent = 0;
    std::memcpy(&signifikand, &d, sizeof signifikand);
    std::memcpy(&exponent, reinterpret_cast<const char*>(&d) + sizeof signifikand, sizeof exponent);
    return (static_cast<Schluessel>(exponent) << 96) |
           (static_cast<Schluessel>(signifikand) << 32) | static_cast<std::uint32_t>(knoten);
}
int KnotenVon(Schluessel s) {
    return static_cast<int>(static_cast<std::uint32_t>(s));
}
#else
struct Schluessel {
    long double Distanz;
    int Knoten;
    friend bool operator<(const Schluessel& a, const Schluessel& b) {
        return a.Distanz < b.Distanz || (a.Distanz == b.Distanz && a.Knoten < b.Knoten);
    }
};
Schluessel MachSchluessel(long double d, int knoten) {
    return {d, knoten};
}
int KnotenVon(const Schluessel& s) {
    return s.Knoten;
}
#endif

std::size_t Z(int i) {
    return static_cast<std::size_t>(i);
}

// The graph of one recomputation, built once and searched from every switch.
//
// Nodes are the listed devices by first occurrence, in list order (a device listed twice is
// one node, and each of its positions gets its route), plus the switch itself at the end when
// it is not listed. Loops are left out (they reach only the settled device itself), and so
// are ends outside the device list (never settled, they never bear on a route).
//
// A leaf is a node whose cables all lead to one and the same other node (most computers and
// printers). It is reached only from that neighbour, after the neighbour is settled, and
// always by its first cable, as parallel cables have equal lengths; settling it relaxes only
// that settled neighbour. So leaves stay out of the search and are read off their neighbour
// afterwards. The other nodes form the core, numbered in node order, so that core numbers
// break ties as list positions do.
class TSuche {
public:
    TSuche(const TKompList& komponenten, const TKabelList& kabel, TSwitch* fremd);
    // Recomputes s's table. Allocates nothing once s's table has room for Tabellenlaenge(s)
    // routes.
    void Berechne(TSwitch& s);
    // How many routes Berechne will give s: the search reaches exactly the devices joined to
    // s by cables, so this is known before it runs.
    std::size_t Tabellenlaenge(const TSwitch& s) const;
    // The lookup shared by all tables that Berechne writes, and s's node in it.
    std::shared_ptr<const TRoutenIndex> Routenindex() const;
    int Knotennummer(const TSwitch& s) const { return Index.at(&s); }

private:
    struct TKante {
        long double Laenge;
        int Ziel; // core number
        int Kabel;
    };
    struct TZustand {
        long double Dist;
        std::uint32_t Erreicht, Gesetzt; // valid while equal to the current search's stamp
        int Via, Erstes;
    };

    void BaueGraph(const std::vector<std::pair<int, int>>& enden, std::size_t knoten);
    void ZaehleGebiete(const std::vector<std::pair<int, int>>& enden);
    void Entspanne(int c, const TKante& kante, int erstes, long double basis);
    void Hoch(std::size_t i);
    int Nimm();
    void Suche(int quelle);
    void SchreibeTabelle(TSwitch& s, int quelle);

    std::vector<TKomponente*> Geraete; // per node; a switch outside the list comes last
    std::unordered_map<const TKomponente*, int> Index;
    std::vector<int> Knoten; // list position -> node
    std::vector<TAdresse> IP, IP2;
    std::vector<char> IstRouter;
    std::vector<const std::shared_ptr<TKabel>*> Kabel;
    std::vector<long double> Laenge;

    std::vector<int> Gebiet;               // node -> its connected part (a representative node)
    std::vector<std::size_t> GebietRouten; // per representative: routes to its listed positions
    std::vector<std::size_t> EigeneRouten; // per node: routes to its own listed positions

    std::vector<int> Kern;                     // node -> core number, -1 for a leaf
    std::vector<int> BlattNachbar, BlattKabel; // node -> its neighbour and first cable
    std::vector<int> KernKnoten;               // core number -> node
    std::vector<int> Anfang;                   // core number -> first edge; one more at the end
    std::vector<TKante> Kanten;                // to core nodes, in cable-list order

    std::uint32_t Lauf = 0;
    std::vector<TZustand> Zustand; // per core number
    // Four-ary heap of the keys of the reached, unsettled core nodes (four 16-byte keys fill
    // one cache line); a node's position is kept so that an improvement moves it up in place.
    std::vector<Schluessel> Heap;
    std::vector<int> Platz;
};

TSuche::TSuche(const TKompList& komponenten, const TKabelList& kabel, TSwitch* fremd) {
    Knoten.reserve(Z(komponenten.Count()));
    const auto neuerKnoten = [&](TKomponente* d) {
        const auto [it, neu] = Index.try_emplace(d, static_cast<int>(Geraete.size()));
        if (neu) {
            Geraete.push_back(d);
            IP.push_back(d->GetIP());
            const auto* r = Als<TRouter>(d);
            IstRouter.push_back(r != nullptr);
            IP2.push_back(r ? r->GetIP2() : 0);
        }
        return it->second;
    };
    for (const auto& d : komponenten)
        Knoten.push_back(neuerKnoten(d.get()));
    if (fremd)
        neuerKnoten(fremd);

    std::vector<std::pair<int, int>> enden;
    enden.reserve(Z(kabel.Count()));
    for (const auto& k : kabel) {
        const auto a = Index.find(k->GetA());
        const auto b = Index.find(k->GetB());
        const bool gilt = a != Index.end() && b != Index.end() && k->GetA() != k->GetB();
        enden.emplace_back(gilt ? a->second : -1, gilt ? b->second : -1);
        Kabel.push_back(&k);
        Laenge.push_back(k->Laenge());
    }
    BaueGraph(enden, Geraete.size());
    ZaehleGebiete(enden);
}

void TSuche::ZaehleGebiete(const std::vector<std::pair<int, int>>& enden) {
    Gebiet.resize(Geraete.size());
    for (std::size_t v = 0; v < Gebiet.size(); ++v)
        Gebiet[v] = static_cast<int>(v);
    const auto wurzel = [&](int v) {
        while (Gebiet[Z(v)] != v)
            v = Gebiet[Z(v)] = Gebiet[Z(Gebiet[Z(v)])];
        return v;
    };
    for (const auto& [a, b] : enden)
        if (a >= 0)
            Gebiet[Z(wurzel(a))] = wurzel(b);
    for (std::size_t v = 0; v < Gebiet.size(); ++v)
        Gebiet[v] = wurzel(static_cast<int>(v));
    GebietRouten.assign(Geraete.size(), 0);
    EigeneRouten.assign(Geraete.size(), 0);
    for (const int v : Knoten) {
        const std::size_t routen = IstRouter[Z(v)] ? 2 : 1;
        GebietRouten[Z(Gebiet[Z(v)])] += routen;
        EigeneRouten[Z(v)] += routen;
    }
}

std::shared_ptr<const TRoutenIndex> TSuche::Routenindex() const {
    // The entries in the order of SchreibeTabelle.
    std::vector<TAdresse> adresse;
    std::vector<int> knoten;
    for (const int v : Knoten)
        for (int i = 0; i < (IstRouter[Z(v)] ? 2 : 1); ++i) {
            adresse.push_back(i ? IP2[Z(v)] : IP[Z(v)]);
            knoten.push_back(v);
        }
    return std::make_shared<const TRoutenIndex>(Gebiet, adresse, knoten);
}

std::size_t TSuche::Tabellenlaenge(const TSwitch& s) const {
    const int q = Index.at(&s);
    return GebietRouten[Z(Gebiet[Z(q)])] - EigeneRouten[Z(q)];
}

void TSuche::BaueGraph(const std::vector<std::pair<int, int>>& enden, std::size_t n) {
    // Per node its cables in cable-list order.
    std::vector<std::vector<std::pair<int, int>>> roh(n); // (neighbour, cable)
    for (std::size_t k = 0; k < enden.size(); ++k) {
        const auto [a, b] = enden[k];
        if (a < 0)
            continue;
        roh[Z(a)].emplace_back(b, static_cast<int>(k));
        roh[Z(b)].emplace_back(a, static_cast<int>(k));
    }
    Kern.assign(n, -1);
    BlattNachbar.assign(n, -1);
    BlattKabel.assign(n, -1);
    for (std::size_t v = 0; v < n; ++v) {
        const auto& r = roh[v];
        const bool blatt = !r.empty() && std::all_of(r.begin(), r.end(), [&](const auto& x) {
            return x.first == r.front().first;
        });
        if (blatt) {
            BlattNachbar[v] = r.front().first;
            BlattKabel[v] = r.front().second;
        } else {
            Kern[v] = static_cast<int>(KernKnoten.size());
            KernKnoten.push_back(static_cast<int>(v));
        }
    }
    for (const int v : KernKnoten) {
        Anfang.push_back(static_cast<int>(Kanten.size()));
        for (const auto& [w, k] : roh[Z(v)])
            if (Kern[Z(w)] >= 0)
                Kanten.push_back({Laenge[Z(k)], Kern[Z(w)], k});
    }
    Anfang.push_back(static_cast<int>(Kanten.size()));
    Zustand.assign(KernKnoten.size(), TZustand{0.0L, 0, 0, -1, -1});
    Platz.assign(KernKnoten.size(), -1);
    Heap.reserve(KernKnoten.size());
}

void TSuche::Hoch(std::size_t i) {
    const Schluessel w = Heap[i];
    while (i > 0) {
        const std::size_t eltern = (i - 1) / 4;
        if (!(w < Heap[eltern]))
            break;
        Heap[i] = Heap[eltern];
        Platz[Z(KnotenVon(Heap[i]))] = static_cast<int>(i);
        i = eltern;
    }
    Heap[i] = w;
    Platz[Z(KnotenVon(w))] = static_cast<int>(i);
}

int TSuche::Nimm() {
    if (Heap.empty())
        return -1;
    const int c = KnotenVon(Heap.front());
    Platz[Z(c)] = -1;
    const Schluessel w = Heap.back();
    Heap.pop_back();
    const std::size_t groesse = Heap.size();
    if (groesse == 0)
        return c;
    std::size_t i = 0;
    for (;;) {
        const std::size_t erstes = 4 * i + 1;
        if (erstes >= groesse)
            break;
        std::size_t kind = erstes;
        const std::size_t ende = std::min(erstes + 4, groesse);
        for (std::size_t j = erstes + 1; j < ende; ++j)
            if (Heap[j] < Heap[kind])
                kind = j;
        if (!(Heap[kind] < w))
            break;
        Heap[i] = Heap[kind];
        Platz[Z(KnotenVon(Heap[i]))] = static_cast<int>(i);
        i = kind;
    }
    Heap[i] = w;
    Platz[Z(KnotenVon(w))] = static_cast<int>(i);
    return c;
}

inline void TSuche::Entspanne(int c, const TKante& kante, int erstes, long double basis) {
    TZustand& z = Zustand[Z(c)];
    if (z.Gesetzt == Lauf)
        return;
    // Same operands, same order as the plain form: K.Laenge + U.Distanz.
    const long double d = kante.Laenge + basis;
    if (z.Erreicht != Lauf || d < z.Dist) {
        z.Erreicht = Lauf;
        z.Dist = d;
        z.Via = kante.Kabel;
        z.Erstes = erstes;
        const Schluessel s = MachSchluessel(d, c);
        if (Platz[Z(c)] < 0) {
            Heap.push_back(s);
            Hoch(Heap.size() - 1);
        } else {
            Heap[Z(Platz[Z(c)])] = s;
            Hoch(Z(Platz[Z(c)]));
        }
    }
}

void TSuche::Suche(int quelle) {
    if (++Lauf == 0) { // after 2^32 searches the stamps start over
        for (TZustand& z : Zustand)
            z.Erreicht = z.Gesetzt = 0;
        Lauf = 1;
    }
    Heap.clear();
    if (const int c = Kern[Z(quelle)]; c >= 0) {
        TZustand& z = Zustand[Z(c)];
        z = {0.0L, Lauf, Lauf, -1, -1};
        for (int i = Anfang[Z(c)]; i < Anfang[Z(c) + 1]; ++i)
            Entspanne(Kanten[Z(i)].Ziel, Kanten[Z(i)], Kanten[Z(i)].Kabel, 0.0L);
    } else if (const int w = Kern[Z(BlattNachbar[Z(quelle)])]; w >= 0) {
        // A leaf as the source reaches its one neighbour by its first cable.
        const int k = BlattKabel[Z(quelle)];
        Entspanne(w, TKante{Laenge[Z(k)], w, k}, k, 0.0L);
    }
    for (int c = Nimm(); c >= 0; c = Nimm()) {
        TZustand& z = Zustand[Z(c)];
        z.Gesetzt = Lauf;
        const long double basis = z.Dist;
        const int erstes = z.Erstes;
        for (int i = Anfang[Z(c)]; i < Anfang[Z(c) + 1]; ++i)
            Entspanne(Kanten[Z(i)].Ziel, Kanten[Z(i)], erstes, basis);
    }
}

void TSuche::SchreibeTabelle(TSwitch& s, int quelle) {
    TRoutingList& tabelle = s.Routingtabelle;
    int anzahl = 0;
    for (const int v : Knoten) {
        if (v == quelle)
            continue;
        int erstes = -1;
        if (const int c = Kern[Z(v)]; c >= 0) {
            const TZustand& z = Zustand[Z(c)];
            if (z.Gesetzt != Lauf)
                continue;
            erstes = z.Erstes;
        } else {
            // A leaf is reached by its first cable, through its neighbour.
            const int w = BlattNachbar[Z(v)];
            if (w == quelle) {
                erstes = BlattKabel[Z(v)];
            } else {
                const int c2 = Kern[Z(w)];
                if (c2 < 0 || Zustand[Z(c2)].Gesetzt != Lauf)
                    continue;
                erstes = Zustand[Z(c2)].Erstes;
            }
        }
        const auto& kabel = *Kabel[Z(erstes)];
        tabelle.Ersetze(anzahl++, IP[Z(v)], kabel);
        if (IstRouter[Z(v)])
            tabelle.Ersetze(anzahl++, IP2[Z(v)], kabel);
    }
    tabelle.Kuerze(anzahl);
}

void TSuche::Berechne(TSwitch& s) {
    const int quelle = Index.at(&s);
    Suche(quelle);
    SchreibeTabelle(s, quelle);
}

} // namespace

void BerechneRouting(TSwitch& s, const TKompList& komponenten, const TKabelList& kabel) {
    TSuche(komponenten, kabel, &s).Berechne(s);
}

void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel) {
    TSuche suche(komponenten, kabel, nullptr);
    std::vector<TSwitch*> switches;
    for (const auto& d : komponenten)
        if (auto* sw = Als<TSwitch>(d.get()))
            switches.push_back(sw);
    long long routen = 0;
    for (const TSwitch* sw : switches)
        routen += static_cast<long long>(suche.Tabellenlaenge(*sw));
    if (routen > MaxRouten)
        throw EFehler("Das Netz ist zu groß: seine Routingtabellen bräuchten " +
                      std::to_string(routen) + " Einträge, höchstens " +
                      std::to_string(MaxRouten / 1'000'000) + " Millionen sind möglich.");
    // Room for every route and the index first; from here on nothing can fail halfway.
    const auto index = suche.Routenindex();
    std::vector<int> knoten;
    for (TSwitch* sw : switches) {
        sw->Routingtabelle.Reserviere(suche.Tabellenlaenge(*sw));
        knoten.push_back(suche.Knotennummer(*sw));
    }
    for (std::size_t i = 0; i < switches.size(); ++i) {
        suche.Berechne(*switches[i]);
        switches[i]->Routingtabelle.SetzeIndex(index, knoten[i]);
    }
}

} // namespace verbundo

#include "Referenzrouting.h"
#include "Zufallsnetz.h"
#include "model/Fehler.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

using namespace verbundo;

namespace {

using Tabelle = std::vector<std::pair<TAdresse, TKabel*>>;

Tabelle Inhalt(const TSwitch& s) {
    Tabelle t;
    for (int i = 0; i < s.Routingtabelle.Count(); ++i) {
        const TRoute& r = s.Routingtabelle.GetRoute(i);
        t.emplace_back(r.Ziel, r.Kabel.lock().get());
    }
    return t;
}

TAdresse Ip(const char* text) {
    TAdresse w = 0;
    StrToIP(text, w);
    return w;
}

struct Arbeitsfelder {
    bool Fertig;
    long double Distanz;
    TKabel* Via;
    friend bool operator==(const Arbeitsfelder&, const Arbeitsfelder&) = default;
};

std::vector<Arbeitsfelder> Felder(const TKompList& l) {
    std::vector<Arbeitsfelder> f;
    for (const auto& d : l)
        f.push_back({d->Fertig, d->Distanz, d->ViaKabel});
    return f;
}

template <class T> T* Neu(TNetz& n, int x, int y, const char* ip = nullptr) {
    T* k = n.Neu<T>(x, y);
    if (ip)
        k->SetIPText(ip);
    return k;
}

} // namespace

TEST(Routing, RoutenInListenreihenfolge) {
    TNetz n;
    auto* a = Neu<TComputer>(n, 100, 100, "10.0.0.1");
    auto* s = Neu<TSwitch>(n, 300, 100);
    auto* allein = Neu<TComputer>(n, 50, 50, "10.0.0.5");
    auto* r = Neu<TRouter>(n, 300, 300, "10.0.0.3");
    r->SetIP2Text("192.168.0.1");
    auto* b = Neu<TComputer>(n, 500, 100, "10.0.0.2");
    TKabel* kb = n.Verbinde(b, s);
    TKabel* kr = n.Verbinde(s, r);
    TKabel* ka = n.Verbinde(a, s);
    n.BerechneRouting();
    // No route for the unconnected device nor the switch itself; two for the router.
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.1"), ka},
                                   {Ip("10.0.0.3"), kr},
                                   {Ip("192.168.0.1"), kr},
                                   {Ip("10.0.0.2"), kb}}));
    EXPECT_EQ(s->NaechstesKabel(*allein), nullptr);
    // The router's own table knows the plain switch, under address 0.
    EXPECT_EQ(Inhalt(*r), (Tabelle{{Ip("10.0.0.1"), kr}, {0, kr}, {Ip("10.0.0.2"), kr}}));
}

TEST(Routing, KuerzesterWegUndGleichstand) {
    TNetz n;
    auto* s1 = Neu<TSwitch>(n, 100, 100);
    auto* s3 = Neu<TSwitch>(n, 300, 600); // far off the line
    auto* s2 = Neu<TSwitch>(n, 500, 100);
    auto* c = Neu<TComputer>(n, 700, 100, "10.0.0.9");
    TKabel* umweg = n.Verbinde(s1, s3);
    n.Verbinde(s3, s2);
    TKabel* direkt = n.Verbinde(s1, s2);
    n.Verbinde(s2, s1); // parallel, same length, later: not taken
    n.Verbinde(s2, c);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s1), (Tabelle{{0, umweg}, {0, direkt}, {Ip("10.0.0.9"), direkt}}));

    // Equal paths through different devices: the earlier device in the list is settled
    // first; the cables come in the other order so only the device order can decide.
    TNetz m;
    auto* q = Neu<TSwitch>(m, 0, 0);
    auto* ziel = Neu<TComputer>(m, 200, 0);
    auto* frueh = Neu<TSwitch>(m, 100, 100);
    auto* spaet = Neu<TSwitch>(m, 100, -100);
    TKabel* zuSpaet = m.Verbinde(q, spaet);
    TKabel* zuFrueh = m.Verbinde(q, frueh);
    m.Verbinde(spaet, ziel);
    m.Verbinde(frueh, ziel);
    m.BerechneRouting();
    EXPECT_EQ(Inhalt(*q), (Tabelle{{0, zuFrueh}, {0, zuFrueh}, {0, zuSpaet}}));
}

TEST(Routing, GleicheAdresseGehtZumSpaeterenGeraet) {
    TNetz n;
    auto* links = Neu<TComputer>(n, 0, 0, "10.0.0.7");
    auto* s = Neu<TSwitch>(n, 100, 0);
    Neu<TComputer>(n, 200, 0, "10.0.0.7");
    TKabel* kl = n.Verbinde(links, s);
    TKabel* kr = n.Verbinde(s, n.Komponentenliste.GetKomponente(2));
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.7"), kl}, {Ip("10.0.0.7"), kr}}));
    EXPECT_EQ(s->NaechstesKabel(*links), kr);
}

TEST(Routing, AenderungenWirkenErstBeimNaechstenBerechnen) {
    TNetz n;
    auto* s = Neu<TSwitch>(n, 0, 0);
    auto* oben = Neu<TSwitch>(n, 100, -100);
    auto* unten = Neu<TSwitch>(n, 100, 300);
    auto* c = Neu<TComputer>(n, 200, 0, "10.0.0.3");
    TKabel* ko = n.Verbinde(s, oben);
    TKabel* ku = n.Verbinde(s, unten);
    n.Verbinde(oben, c);
    n.Verbinde(unten, c); // c is full: this cable counts all the same
    n.BerechneRouting();
    EXPECT_EQ(s->NaechstesKabel(*c), ko);
    unten->SetPos(100, 0);
    EXPECT_EQ(s->NaechstesKabel(*c), ko);
    n.BerechneRouting();
    EXPECT_EQ(s->NaechstesKabel(*c), ku);
    n.EntferneKabel(ku); // a destroyed cable is never reached
    EXPECT_EQ(s->NaechstesKabel(*c), nullptr);
}

TEST(Routing, ArbeitsfelderSchleifeUndKabelOhneLaenge) {
    TNetz n;
    auto* s = Neu<TSwitch>(n, 0, 0);
    auto* a = Neu<TComputer>(n, 3, 4);
    auto* t = Neu<TSwitch>(n, 0, 0); // on the same point
    Neu<TComputer>(n, 90, 90);       // unreached
    n.Verbinde(s, s);
    TKabel* null = n.Verbinde(s, t);
    TKabel* k = n.Verbinde(s, a);
    s->BerechneRouting(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), (Tabelle{{0, k}, {0, null}}));
    EXPECT_EQ(
        Felder(n.Komponentenliste),
        (std::vector<Arbeitsfelder>{
            {true, 0.0L, nullptr}, {true, 5.0L, k}, {true, 0.0L, null}, {false, -1.0L, nullptr}}));
}

// The fast search against the plain one on random networks: every table, route by route,
// and the working fields.
TEST(Routing, GleichesErgebnisWieDasEinfacheVerfahren) {
    int tabellen = 0, routen = 0, fremde = 0;
    for (std::uint32_t saat = 1; saat <= 400; ++saat) {
        std::mt19937 z(saat * 7919u);
        test::TZufallsart art;
        art.Geraete = 1 + static_cast<int>(z() % 60);
        art.Kabel = static_cast<int>(z() % static_cast<unsigned>(2 * art.Geraete + 2));
        art.SwitchProzent = 10 + static_cast<int>(z() % 60);
        art.RouterProzent = static_cast<int>(z() % static_cast<unsigned>(art.SwitchProzent));
        const int raster[] = {100, 30, 1, 7};
        art.Raster = raster[z() % 4];
        art.RasterZellen = 2 + static_cast<int>(z() % 6);
        art.Adressen = 1 + static_cast<int>(z() % 8);
        art.SchleifenProzent = static_cast<int>(z() % 10);
        art.ParallelProzent = static_cast<int>(z() % 20);
        art.DoppelteGeraeteProzent = saat % 5 == 0 ? 10 : 0;
        TNetz netz;
        test::BaueZufallsnetz(netz, saat, art);
        TKompList& liste = netz.Komponentenliste;

        // Now and then a device leaves the list but keeps its cables, as no editor path does.
        std::vector<TKompList::Zeiger> draussen;
        if (saat % 7 == 0 && liste.Count() > 2)
            draussen.push_back(liste.Remove(liste.GetKomponente(static_cast<int>(z() % 2))));
        if (saat % 3 == 0) {
            for (const auto& d : liste)
                if (dynamic_cast<TSwitch*>(d.get()) && z() % 2) {
                    draussen.push_back(liste.Remove(d.get()));
                    break;
                }
        }

        std::vector<TSwitch*> switches;
        for (const auto& d : liste)
            if (auto* s = dynamic_cast<TSwitch*>(d.get()))
                switches.push_back(s);
        for (const auto& d : draussen)
            if (auto* s = dynamic_cast<TSwitch*>(d.get())) {
                switches.push_back(s);
                ++fremde;
            }

        for (TSwitch* s : switches) {
            test::BerechneRoutingEinfach(*s, liste, netz.Kabelliste);
            const Tabelle einfach = Inhalt(*s);
            const auto felderEinfach = Felder(liste);
            s->BerechneRouting(liste, netz.Kabelliste);
            ASSERT_EQ(Inhalt(*s), einfach) << "Saat " << saat;
            ASSERT_EQ(Felder(liste), felderEinfach) << "Saat " << saat;
            ++tabellen;
            routen += static_cast<int>(einfach.size());
        }

        test::BerechneAlleEinfach(liste, netz.Kabelliste);
        std::vector<Tabelle> alle;
        for (const auto& d : liste)
            if (auto* s = dynamic_cast<TSwitch*>(d.get()))
                alle.push_back(Inhalt(*s));
        const auto felderEinfach = Felder(liste);
        BerechneAlleRoutingtabellen(liste, netz.Kabelliste);
        std::size_t i = 0;
        for (const auto& d : liste) {
            if (auto* s = dynamic_cast<TSwitch*>(d.get())) {
                ASSERT_EQ(Inhalt(*s), alle[i++]) << "Saat " << saat;
                // The lookup finds the last route of each address (the pool has duplicates),
                // none for the switch's own address or an unreached device's.
                const Tabelle& t = alle[i - 1];
                for (const auto& g : liste) {
                    const auto* r = dynamic_cast<const TRouter*>(g.get());
                    for (const TAdresse a : {g->GetIP(), r ? r->GetIP2() : Ip("10.0.1.0")}) {
                        const auto letzte = std::find_if(
                            t.rbegin(), t.rend(), [&](const auto& x) { return x.first == a; });
                        ASSERT_EQ(s->Routingtabelle.FindeKabel(a),
                                  letzte == t.rend() ? nullptr : letzte->second);
                    }
                }
            }
        }
        ASSERT_EQ(Felder(liste), felderEinfach) << "Saat " << saat;
    }
    // The comparison really compared something.
    EXPECT_GT(tabellen, 2000);
    EXPECT_GT(routen, 20000);
    EXPECT_GT(fremde, 20);
}

TEST(Routing, ZweimalGelistetOderAusserhalbDerListe) {
    TNetz n;
    auto* s = Neu<TSwitch>(n, 0, 0);
    Neu<TComputer>(n, 100, 0, "10.0.0.2");
    auto* b = Neu<TComputer>(n, -100, 0);
    TKabel* k = n.Verbinde(s, n.Komponentenliste.GetKomponente(1));
    TKabel* kb = n.Verbinde(b, s);
    n.Komponentenliste.Add(n.Komponentenliste.GetZeiger(1));
    n.Komponentenliste.Add(n.Komponentenliste.GetZeiger(0)); // the switch itself again
    const Tabelle zwei{{Ip("10.0.0.2"), k}, {0, kb}, {Ip("10.0.0.2"), k}};
    BerechneAlleRoutingtabellen(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), zwei);
    test::BerechneAlleEinfach(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), zwei);
    // Out of the list, its cables kept (no editor path does this), it still routes.
    n.Komponentenliste.Remove(s);
    const auto weg = n.Komponentenliste.Remove(s);
    static_cast<TSwitch*>(weg.get())->BerechneRouting(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.2"), k}, {0, kb}, {Ip("10.0.0.2"), k}}));
}

TEST(Routing, ZuVieleRoutenWerdenAbgelehntOhneEtwasZuAendern) {
    TNetz n;
    auto* erster = Neu<TSwitch>(n, 0, 0);
    n.Verbinde(erster, Neu<TComputer>(n, 9, 9, "10.0.0.1"));
    n.BerechneRouting();
    const Tabelle vorher = Inhalt(*erster);
    // 8 100 switches in a row: 8 100 tables of 8 100 routes, more than MaxRouten in all.
    TKomponente* letzter = erster;
    for (int i = 1; i < 8100; ++i) {
        auto* s = Neu<TSwitch>(n, i % 3000, i / 3000);
        n.Verbinde(letzter, s);
        letzter = s;
    }
    EXPECT_THROW(n.BerechneRouting(), EFehler);
    EXPECT_EQ(Inhalt(*erster), vorher);
    // Counted, not estimated: the same switches without the cables between them route little.
    n.Kabelliste.Kuerze(1);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*erster), vorher);
}

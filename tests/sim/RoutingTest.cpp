#include "Referenzrouting.h"
#include "Zufallsnetz.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(Routing, ZweiComputerAnEinemSwitch) {
    TNetz n;
    auto* a = n.Neu<TComputer>(100, 100);
    auto* s = n.Neu<TSwitch>(300, 100);
    auto* b = n.Neu<TComputer>(500, 100);
    a->SetIPText("10.0.0.1");
    b->SetIPText("10.0.0.2");
    TKabel* kb = n.Verbinde(b, s);
    TKabel* ka = n.Verbinde(a, s);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.1"), ka}, {Ip("10.0.0.2"), kb}}));
    EXPECT_EQ(s->NaechstesKabel(*a), ka);
    EXPECT_EQ(s->NaechstesKabel(*b), kb);
}

TEST(Routing, DirekteVerbindungSchlaegtDenUmweg) {
    TNetz n;
    auto* s1 = n.Neu<TSwitch>(100, 100);
    auto* s3 = n.Neu<TSwitch>(300, 600); // far off the line
    auto* s2 = n.Neu<TSwitch>(500, 100);
    auto* c = n.Neu<TComputer>(700, 100);
    c->SetIPText("10.0.0.9");
    TKabel* umweg = n.Verbinde(s1, s3);
    n.Verbinde(s3, s2);
    TKabel* direkt = n.Verbinde(s1, s2);
    n.Verbinde(s2, c);
    n.BerechneRouting();
    // Plain switches are routed too, under address 0; the switch itself is not.
    EXPECT_EQ(Inhalt(*s1), (Tabelle{{0, umweg}, {0, direkt}, {Ip("10.0.0.9"), direkt}}));
    EXPECT_EQ(s1->NaechstesKabel(*c), direkt);
}

TEST(Routing, RouterBekommtZweiRoutenAufDemselbenKabel) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* r = n.Neu<TRouter>(100, 0);
    r->SetIPText("10.0.0.1");
    r->SetIP2Text("192.168.0.1");
    TKabel* k = n.Verbinde(s, r);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.1"), k}, {Ip("192.168.0.1"), k}}));
    // The router's own table knows the switch.
    EXPECT_EQ(Inhalt(*r), (Tabelle{{0, k}}));
}

TEST(Routing, UnverbundenesGeraetBekommtKeineRoute) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* allein = n.Neu<TComputer>(50, 50);
    auto* c = n.Neu<TComputer>(100, 0);
    allein->SetIPText("10.0.0.5");
    TKabel* k = n.Verbinde(c, s);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{0, k}}));
    EXPECT_EQ(s->NaechstesKabel(*allein), nullptr);
}

TEST(Routing, GleicheAdresseGehtZumSpaeterenGeraet) {
    TNetz n;
    auto* links = n.Neu<TComputer>(0, 0);
    auto* s = n.Neu<TSwitch>(100, 0);
    auto* rechts = n.Neu<TComputer>(200, 0);
    links->SetIPText("10.0.0.7");
    rechts->SetIPText("10.0.0.7");
    TKabel* kl = n.Verbinde(links, s);
    TKabel* kr = n.Verbinde(s, rechts);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.7"), kl}, {Ip("10.0.0.7"), kr}}));
    EXPECT_EQ(s->NaechstesKabel(*links), kr);
}

TEST(Routing, VerschiebenWirktErstBeimNaechstenBerechnen) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* oben = n.Neu<TSwitch>(100, -100);
    auto* unten = n.Neu<TSwitch>(100, 300);
    auto* c = n.Neu<TComputer>(200, 0);
    c->SetIPText("10.0.0.3");
    TKabel* ko = n.Verbinde(s, oben);
    TKabel* ku = n.Verbinde(s, unten);
    n.Verbinde(oben, c);
    n.Verbinde(unten, c);
    n.BerechneRouting();
    EXPECT_EQ(s->NaechstesKabel(*c), ko);
    unten->SetPos(100, 0);
    EXPECT_EQ(s->NaechstesKabel(*c), ko);
    n.BerechneRouting();
    EXPECT_EQ(s->NaechstesKabel(*c), ku);
}

TEST(Routing, GleichlangeWegeBehaltenDenZuerstGefundenen) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* c = n.Neu<TComputer>(100, 0);
    TKabel* erstes = n.Verbinde(s, c);
    TKabel* zweites = n.Verbinde(c, s); // parallel: same length, later in the list
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{0, erstes}}));
    (void)zweites;

    // Two paths of equal length through different devices: the earlier device in the list
    // is settled first, so its path is found first.
    TNetz m;
    auto* q = m.Neu<TSwitch>(0, 0);
    auto* ziel = m.Neu<TComputer>(200, 0);
    auto* frueh = m.Neu<TSwitch>(100, 100);
    auto* spaet = m.Neu<TSwitch>(100, -100);
    // Cables in the other order, so that only the device order can decide.
    TKabel* zuSpaet = m.Verbinde(q, spaet);
    TKabel* zuFrueh = m.Verbinde(q, frueh);
    m.Verbinde(spaet, ziel);
    m.Verbinde(frueh, ziel);
    m.BerechneRouting();
    EXPECT_EQ(Inhalt(*q), (Tabelle{{0, zuFrueh}, {0, zuFrueh}, {0, zuSpaet}}));
}

TEST(Routing, KabelZumVollenGeraetZaehltTrotzdem) {
    TNetz n;
    auto* s1 = n.Neu<TSwitch>(0, 0);
    auto* c = n.Neu<TComputer>(100, 0);
    auto* s2 = n.Neu<TSwitch>(200, 0);
    auto* d = n.Neu<TDrucker>(300, 0);
    d->SetIPText("10.0.0.4");
    n.Verbinde(c, s1);
    TKabel* voll = n.Verbinde(s2, c); // c has no free port: not listed there
    ASSERT_EQ(c->KabelCount(), 1);
    n.Verbinde(s2, d);
    n.BerechneRouting();
    // s1 reaches s2 and the printer through the computer all the same.
    ASSERT_EQ(s1->Routingtabelle.Count(), 3);
    EXPECT_EQ(s1->NaechstesKabel(*d), c->GetKabel(0));
    EXPECT_EQ(Inhalt(*s2)[0].second, voll);
}

TEST(Routing, SchleifeUndKabelOhneLaenge) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* t = n.Neu<TSwitch>(0, 0); // on the same point
    n.Verbinde(s, s);
    TKabel* null = n.Verbinde(s, t);
    n.BerechneRouting();
    EXPECT_EQ(Inhalt(*s), (Tabelle{{0, null}}));
    EXPECT_EQ(t->Distanz, 0.0L);
    EXPECT_TRUE(t->Fertig);
}

TEST(Routing, ArbeitsfelderWieBeimEinfachenVerfahren) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* a = n.Neu<TComputer>(3, 4);
    auto* weg = n.Neu<TComputer>(90, 90);
    TKabel* k = n.Verbinde(s, a);
    s->BerechneRouting(n.Komponentenliste, n.Kabelliste);
    EXPECT_TRUE(s->Fertig);
    EXPECT_EQ(s->Distanz, 0.0L);
    EXPECT_EQ(s->ViaKabel, nullptr);
    EXPECT_TRUE(a->Fertig);
    EXPECT_EQ(a->Distanz, 5.0L);
    EXPECT_EQ(a->ViaKabel, k);
    EXPECT_FALSE(weg->Fertig);
    EXPECT_EQ(weg->Distanz, -1.0L);
    EXPECT_EQ(weg->ViaKabel, nullptr);
}

TEST(Routing, ZerstoertesKabelWirdNieErreicht) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* c = n.Neu<TComputer>(10, 0);
    TKabel* k = n.Verbinde(s, c);
    n.BerechneRouting();
    ASSERT_EQ(s->NaechstesKabel(*c), k);
    n.EntferneKabel(k);
    EXPECT_EQ(s->NaechstesKabel(*c), nullptr);
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
            }
        }
        ASSERT_EQ(Felder(liste), felderEinfach) << "Saat " << saat;
    }
    // The comparison really compared something.
    EXPECT_GT(tabellen, 2000);
    EXPECT_GT(routen, 20000);
    EXPECT_GT(fremde, 20);
}

TEST(Routing, ZweimalGelistetesGeraetBekommtZweiRouten) {
    TNetz n;
    auto* s = n.Neu<TSwitch>(0, 0);
    auto* c = n.Neu<TComputer>(100, 0);
    c->SetIPText("10.0.0.2");
    TKabel* k = n.Verbinde(s, c);
    n.Komponentenliste.Add(n.Komponentenliste.GetZeiger(1));
    n.Komponentenliste.Add(n.Komponentenliste.GetZeiger(0)); // the switch itself again
    BerechneAlleRoutingtabellen(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.2"), k}, {Ip("10.0.0.2"), k}}));
    test::BerechneAlleEinfach(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), (Tabelle{{Ip("10.0.0.2"), k}, {Ip("10.0.0.2"), k}}));
}

TEST(Routing, SwitchAusserhalbDerListe) {
    TNetz n;
    auto* a = n.Neu<TComputer>(0, 0);
    auto* s = n.Neu<TSwitch>(100, 0);
    auto* b = n.Neu<TComputer>(200, 0);
    TKabel* ka = n.Verbinde(a, s);
    TKabel* kb = n.Verbinde(s, b);
    const auto weg = n.Komponentenliste.Remove(s); // its cables stay, as no editor path does
    static_cast<TSwitch*>(weg.get())->BerechneRouting(n.Komponentenliste, n.Kabelliste);
    EXPECT_EQ(Inhalt(*s), (Tabelle{{0, ka}, {0, kb}}));
}

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

} // namespace

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
                if (Als<TSwitch>(d.get()) && z() % 2) {
                    draussen.push_back(liste.Remove(d.get()));
                    break;
                }
        }

        std::vector<TSwitch*> switches;
        for (const auto& d : liste)
            if (auto* s = Als<TSwitch>(d.get()))
                switches.push_back(s);
        for (const auto& d : draussen)
            if (auto* s = Als<TSwitch>(d.get())) {
                switches.push_back(s);
                ++fremde;
            }

        for (TSwitch* s : switches) {
            test::BerechneRoutingEinfach(*s, liste, netz.Kabelliste);
            const Tabelle einfach = Inhalt(*s);
            BerechneRouting(*s, liste, netz.Kabelliste);
            ASSERT_EQ(Inhalt(*s), einfach) << "Saat " << saat;
            ++tabellen;
            routen += static_cast<int>(einfach.size());
        }

        test::BerechneAlleEinfach(liste, netz.Kabelliste);
        std::vector<Tabelle> alle;
        for (const auto& d : liste)
            if (auto* s = Als<TSwitch>(d.get()))
                alle.push_back(Inhalt(*s));
        BerechneAlleRoutingtabellen(liste, netz.Kabelliste);
        std::size_t i = 0;
        for (const auto& d : liste) {
            if (auto* s = Als<TSwitch>(d.get())) {
                ASSERT_EQ(Inhalt(*s), alle[i++]) << "Saat " << saat;
                // The lookup finds the last route of each address (the pool has duplicates),
                // none for the switch's own address or an unreached device's.
                const Tabelle& t = alle[i - 1];
                for (const auto& g : liste) {
                    const auto* r = Als<TRouter>(g.get());
                    for (const TAdresse a : {g->GetIP(), r ? r->GetIP2() : 0x0a000100u}) {
                        const auto letzte = std::find_if(
                            t.rbegin(), t.rend(), [&](const auto& x) { return x.first == a; });
                        ASSERT_EQ(s->Routingtabelle.FindeKabel(a),
                                  letzte == t.rend() ? nullptr : letzte->second);
                    }
                }
            }
        }
    }
    // The comparison really compared something.
    EXPECT_GT(tabellen, 2000);
    EXPECT_GT(routen, 20000);
    EXPECT_GT(fremde, 20);
}

TEST(Routing, ZuVieleRoutenWerdenAbgelehntOhneEtwasZuAendern) {
    TNetz n;
    auto* erster = n.Neu<TSwitch>(0, 0);
    n.Verbinde(erster, n.Neu<TComputer>(9, 9));
    n.BerechneRouting();
    const Tabelle vorher = Inhalt(*erster);
    // 8 100 switches in a row: 8 100 tables of 8 100 routes, more than MaxRouten in all.
    TKomponente* letzter = erster;
    for (int i = 1; i < 8100; ++i) {
        auto* s = n.Neu<TSwitch>(i % 3000, i / 3000);
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

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
            }
        }
    }
    // The comparison really compared something.
    EXPECT_GT(tabellen, 2000);
    EXPECT_GT(routen, 20000);
    EXPECT_GT(fremde, 20);
}

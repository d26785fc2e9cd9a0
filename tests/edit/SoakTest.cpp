// Thousands of random presses, moves, releases, menu commands and ticks, also re-entered while
// a box is open; after every step the network must be sound. A failing seed is replayed with
// VERBUNDO_SOAK_SEED=<seed>.

#include "Abbild.h"
#include "Still.h"
#include "edit/Editor.h"
#include "files/NetzDatei.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

namespace verbundo::test {
namespace {

class TSoak : public TStill {
public:
    explicit TSoak(unsigned saat) : Zufall(saat) {}

    void Information(const std::string&) override {
        // A timer event or a command arriving while the box is open.
        if (Tiefe == 0 && W(3) == 0) {
            ++Tiefe;
            W(2) ? E.Takt() : (void)E.Fuehre(TMenuepunkt::Loeschen);
            --Tiefe;
        }
    }
    std::string Eingabe(const std::string&, const std::string&, const std::string& v) override {
        const char* antworten[] = {"10.0.0.1", "10.0.0.2", "0.0.0.0", "1.2.3", "x.1.2.3"};
        return W(6) == 0 ? v : antworten[W(5)];
    }

    void Schritt() {
        const auto punkt = [&] {
            const auto& l = E.Netz().Komponentenliste;
            if (l.Count() > 0 && W(3)) {
                const TKomponente* k = l.Get(W(l.Count()));
                return std::pair(k->GetX() + W(9) - 4, k->GetY() + W(9) - 4);
            }
            return std::pair(W(3200) - 100, W(3200) - 100);
        };
        const auto taste = [&] { return static_cast<TTaste>(W(5) < 3 ? 0 : W(3)); };
        const int w = W(20);
        const auto [x, y] = punkt();
        if (w < 5)
            E.Druecke(taste(), x, y);
        else if (w < 9)
            E.Bewege(x, y);
        else if (w < 13)
            E.Lasse(taste(), x, y);
        else if (w < 16)
            E.Fuehre(static_cast<TMenuepunkt>(W(MenuepunktAnzahl)));
        else if (w < 17)
            E.SetWerkzeug(static_cast<TWerkzeug>(W(7)));
        else
            E.Takt();
        if (E.Netz().Komponentenliste.Count() > 40) {
            E.Waehle(E.Netz().Komponentenliste.Get(W(40)));
            E.Fuehre(TMenuepunkt::Loeschen);
        }
    }

    void Pruefe() const {
        const TNetz& n = E.Netz();
        const int m = static_cast<int>(E.Modus());
        ASSERT_TRUE((m >= 0 && m <= 4) || (m >= 10 && m <= 14)) << m;
        ASSERT_TRUE(!E.AktKomponente() || n.Komponentenliste.IndexVon(E.AktKomponente()) >= 0);
        ASSERT_TRUE(!E.AktKabel() || n.Kabelliste.IndexVon(E.AktKabel()) >= 0);
        ASSERT_TRUE(!E.AktSubnetz() || n.Subnetzliste.IndexVon(E.AktSubnetz()) >= 0);
        for (const auto& k : n.Komponentenliste) {
            ASSERT_TRUE(k->GetX() >= 0 && k->GetX() < 3000 && k->GetY() >= 0 && k->GetY() < 3000);
            ASSERT_LE(k->KabelCount(), k->GetMaxPorts());
            for (const TKabel* kabel : k->Ports())
                ASSERT_TRUE(n.Kabelliste.IndexVon(kabel) >= 0 &&
                            (kabel->GetA() == k.get() || kabel->GetB() == k.get()));
        }
        for (const auto& kabel : n.Kabelliste)
            ASSERT_TRUE(n.Komponentenliste.IndexVon(kabel->GetA()) >= 0 &&
                        n.Komponentenliste.IndexVon(kabel->GetB()) >= 0 &&
                        kabel->GetA() != kabel->GetB());
        // Everything drawn can be saved and reads back to the same file.
        const std::string text = NetzdateiText(n);
        std::istringstream ein(text);
        TNetz zurueck;
        LeseNetzdatei(ein, zurueck);
        ASSERT_EQ(NetzdateiText(zurueck), text);
    }

private:
    int W(int n) { return static_cast<int>(Zufall() % static_cast<unsigned>(n)); }
    std::mt19937 Zufall;
    int Tiefe = 0;
};

TEST(Soak, ZufaelligesBearbeitenHaeltDasNetzHeil) {
    const char* vorgabe = std::getenv("VERBUNDO_SOAK_SEED");
    const unsigned saat =
        vorgabe ? static_cast<unsigned>(std::strtoul(vorgabe, nullptr, 10)) : 4711;
    TSoak soak(saat);
    int geraete = 0, kabel = 0;
    for (int i = 0; i < 6000; ++i) {
        soak.Schritt();
        ASSERT_NO_FATAL_FAILURE(soak.Pruefe()) << "seed " << saat << ", step " << i;
        geraete = std::max(geraete, soak.E.Netz().Komponentenliste.Count());
        kabel = std::max(kabel, soak.E.Netz().Kabelliste.Count());
    }
    // The walk reached real networks, not just an empty canvas.
    EXPECT_GT(geraete, 10);
    EXPECT_GT(kabel, 5);
    EXPECT_FALSE(soak.Fehlermeldungen.empty());
}

TEST(Soak, RueckgaengigBisZumAnfangGibtDasGeoeffneteNetz) {
    for (unsigned saat : {1u, 2u, 3u}) {
        TSoak soak(saat);
        soak.E.Lade(VERBUNDO_TESTDATA "/stern.nz", false);
        const std::string anfang = Abbild(soak.E.Netz());
        for (int i = 0; i < 90; ++i)
            soak.Schritt();
        soak.E.Lasse(TTaste::Mitte, -1, -1);
        const std::string ende = Abbild(soak.E.Netz());
        while (soak.E.Rueckgaengig()) {
        }
        EXPECT_EQ(Abbild(soak.E.Netz()), anfang) << "seed " << saat;
        EXPECT_FALSE(soak.E.Ungespeichert());
        while (soak.E.Wiederholen()) {
        }
        EXPECT_EQ(Abbild(soak.E.Netz()), ende) << "seed " << saat;
    }
}

} // namespace
} // namespace verbundo::test

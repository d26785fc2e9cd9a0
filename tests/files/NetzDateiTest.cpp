// The writer within and beyond its five-character fields, random networks read back, and the
// fuzz corpus replayed.

#include "files/NetzDatei.h"
#include "../../fuzz/Eintritt.h"
#include "model/Fehler.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace verbundo {
namespace {

namespace fs = std::filesystem;

// The file read back, written again.
std::string ZurueckGelesen(const std::string& text) {
    std::istringstream ein(text);
    TNetz netz;
    LeseNetzdatei(ein, netz);
    return NetzdateiText(netz);
}

TEST(NetzSchreiber, FeldgrenzenUndZuBreiteZahlen) {
    TNetz netz;
    netz.Neu<TRouter>(-9999, 99999);
    netz.Neu<TComputer>(0, -15);
    netz.NeuesSubnetz({-9999, 0, 99999, 120});
    const std::string text = NetzdateiText(netz);
    EXPECT_EQ(text, "Rout.,-9999,99999,0.0.0.0,0.0.0.0\r\n"
                    "Comp.,    0,  -15,0.0.0.0\r\n"
                    "Netz ,-9999,    0,99999,  120,0.0.0.0,0.0.0.0\r\n");
    EXPECT_EQ(ZurueckGelesen(text), text);
    // A number that would not read back: an error, and nothing written.
    for (auto [x, y, unten] : {std::array{100000, 5, 0}, {1, -10000, 0}, {1, 1, 100000}}) {
        TNetz zuBreit;
        zuBreit.Neu<TComputer>(1, 1);
        zuBreit.Neu<TComputer>(x, y);
        if (unten)
            zuBreit.NeuesSubnetz({0, 0, 200, unten});
        std::ostringstream aus;
        EXPECT_THROW(SchreibeNetzdatei(zuBreit, aus), EFehler) << x << ' ' << y;
        EXPECT_EQ(aus.str(), "");
    }
    std::ostringstream kaputt;
    kaputt.setstate(std::ios::badbit);
    EXPECT_THROW(SchreibeNetzdatei(netz, kaputt), EFehler);
}

// A hand-edited file may end in a settings line without its CR LF.
TEST(NetzLeser, EinstellungAmDateiendeOhneZeilenende) {
    std::istringstream ein("Swit.,  100,  100,0.0.0.0\r\n#hub ,    0");
    TNetz netz;
    LeseNetzdatei(ein, netz);
    EXPECT_TRUE(Als<TSwitch>(netz.Komponentenliste.Get(0))->Hub);
}

// Random networks of every kind within the field limits read back to the same bytes.
TEST(NetzSchreiber, ZufallsnetzeKommenGleichZurueck) {
    std::mt19937 zufall(4711);
    const auto zahl = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    const auto adresse = [&] {
        return std::to_string(zahl(0, 255)) + "." + std::to_string(zahl(0, 255)) + "." +
               std::to_string(zahl(0, 255)) + "." + std::to_string(zahl(0, 255));
    };
    for (int runde = 0; runde < 200; ++runde) {
        TNetz netz;
        const int n = zahl(0, 12);
        for (int i = 0; i < n; ++i) {
            TKomponente* k =
                netz.Neu(static_cast<TArt>(zahl(0, 3)), zahl(-9999, 99999), zahl(-9999, 99999));
            k->SetIPText(adresse());
            if (auto* r = Als<TRouter>(k))
                r->SetIP2Text(adresse());
        }
        for (int i = 0, m = n ? zahl(0, 15) : 0; i < m; ++i)
            netz.Verbinde(netz.Komponentenliste.GetKomponente(zahl(0, n - 1)),
                          netz.Komponentenliste.GetKomponente(zahl(0, n - 1)));
        for (int i = 0, m = zahl(0, 3); i < m; ++i) {
            const int l = zahl(-9999, 90000), t = zahl(-9999, 90000);
            auto* s = netz.NeuesSubnetz({l, t, l + zahl(110, 9999), t + zahl(30, 9999)});
            s->SetNetzIDText(adresse());
            s->SetMaskText(adresse());
        }
        const std::string text = NetzdateiText(netz);
        ASSERT_EQ(ZurueckGelesen(text), text);
    }
}

// Every fuzz corpus file goes through its fuzz entry, which checks the promises.
TEST(FuzzKorpus, KorpusdateienHaltenIhreVersprechen) {
    const auto spiele = [](const char* ordner, auto eintritt) {
        int n = 0;
        for (const auto& e :
             fs::directory_iterator(fs::path(VERBUNDO_SOURCE_DIR) / "fuzz" / "corpus" / ordner)) {
            std::ifstream ein(e.path(), std::ios::binary);
            const std::string daten{std::istreambuf_iterator<char>(ein), {}};
            EXPECT_NO_THROW(
                eintritt(reinterpret_cast<const std::uint8_t*>(daten.data()), daten.size()))
                << e.path().filename();
            ++n;
        }
        return n;
    };
    EXPECT_GE(spiele("reader", fuzz::LeserEintritt), 5);
    EXPECT_GE(spiele("ip", fuzz::IPEintritt), 5);
}

} // namespace
} // namespace verbundo

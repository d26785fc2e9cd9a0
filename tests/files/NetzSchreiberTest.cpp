#include "NetzDateiHilfe.h"

#include "model/Fehler.h"

#include <gtest/gtest.h>

#include <random>

namespace verbundo {
namespace {

using test::Abbild;
using test::Lies;

void BaueBeispiel(TNetz& netz) {
    auto* c = netz.Neu<TComputer>(100, 80);
    c->SetIPText("192.168.0.1");
    auto* d = netz.Neu<TDrucker>(250, 80);
    d->SetIPText("192.168.0.2");
    auto* s = netz.Neu<TSwitch>(175, 200);
    auto* r = netz.Neu<TRouter>(175, 320);
    r->SetIPText("192.168.0.254");
    r->SetIP2Text("10.0.0.254");
    netz.Verbinde(c, s);
    netz.Verbinde(d, s);
    netz.Verbinde(s, r);
    auto* sub = netz.NeuesSubnetz({50, 40, 300, 250});
    sub->SetNetzIDText("192.168.0.0");
    sub->SetMaskText("255.255.255.0");
}

TEST(NetzSchreiber, WorkedExampleIsWrittenAndReadByteForByte) {
    const std::string datei = test::LiesDatei(test::Testdatei("beispiel.nz"));
    ASSERT_FALSE(datei.empty());
    TNetz gebaut;
    BaueBeispiel(gebaut);
    EXPECT_EQ(NetzdateiText(gebaut), datei);

    TNetz gelesen;
    Lies(datei, gelesen);
    EXPECT_EQ(Abbild(gelesen), Abbild(gebaut));
    EXPECT_EQ(NetzdateiText(gelesen), datei);

    std::ostringstream aus;
    SchreibeNetzdatei(gelesen, aus);
    EXPECT_EQ(aus.str(), datei);
}

TEST(NetzSchreiber, FieldLimitsAndRouterWithoutSecondAddress) {
    TNetz netz;
    netz.Neu<TRouter>(-9999, 99999);
    netz.Neu<TComputer>(0, -15);
    netz.NeuesSubnetz({-9999, 0, 99999, 120});
    const std::string text = NetzdateiText(netz);
    EXPECT_EQ(text, "Rout.,-9999,99999,0.0.0.0,0.0.0.0\r\n"
                    "Comp.,    0,  -15,0.0.0.0\r\n"
                    "Netz ,-9999,    0,99999,  120,0.0.0.0,0.0.0.0\r\n");
    TNetz zurueck;
    Lies(text, zurueck);
    EXPECT_EQ(Abbild(zurueck), Abbild(netz));
}

TEST(NetzSchreiber, RefusesNumbersThatWouldNotReadBackAndWritesNothing) {
    const auto pruefe = [](const TNetz& netz) {
        std::ostringstream aus;
        try {
            SchreibeNetzdatei(netz, aus);
            ADD_FAILURE() << "written: " << aus.str();
        } catch (const EFehler& e) {
            EXPECT_STREQ(e.what(), "Stream write error");
        }
        EXPECT_EQ(aus.str(), "");
    };
    {
        TNetz netz;
        netz.Neu<TComputer>(1, 1);
        netz.Neu<TComputer>(100000, 5);
        pruefe(netz);
    }
    {
        TNetz netz;
        netz.Neu<TComputer>(1, -10000);
        pruefe(netz);
    }
    {
        TNetz netz;
        netz.Neu<TComputer>(1, 1);
        netz.NeuesSubnetz({0, 0, 200, 100000});
        pruefe(netz);
    }
}

TEST(NetzSchreiber, FailingStreamIsAnError) {
    TNetz netz;
    BaueBeispiel(netz);
    std::ostringstream aus;
    aus.setstate(std::ios::badbit);
    EXPECT_THROW(SchreibeNetzdatei(netz, aus), EFehler);
}

TEST(NetzSchreiber, SettingsThatAreNotStoredComeBackAsDefaults) {
    TNetz netz;
    auto* c = netz.Neu<TComputer>(10, 10);
    c->SetMailserver(true);
    auto* hub = netz.Neu<TSwitch>(50, 50);
    hub->Hub = true;
    auto* gross = netz.Neu<TSwitch>(90, 90);
    gross->SetMaxPorts(24);
    // Eight cables at the 24-port switch: the file keeps all, the reloaded 6-port switch
    // plugs in only the first six.
    netz.Verbinde(c, gross);
    for (int i = 0; i < 7; ++i)
        netz.Verbinde(netz.Neu<TDrucker>(200 + i, 10), gross);
    netz.NeuesSubnetz({5, 6, 55, 16});

    TNetz zurueck;
    Lies(NetzdateiText(netz), zurueck);
    ASSERT_EQ(zurueck.Komponentenliste.Count(), 10);
    EXPECT_FALSE(
        dynamic_cast<TComputer&>(*zurueck.Komponentenliste.GetKomponente(0)).IsMailserver());
    const auto& h = dynamic_cast<TSwitch&>(*zurueck.Komponentenliste.GetKomponente(1));
    const auto& g = dynamic_cast<TSwitch&>(*zurueck.Komponentenliste.GetKomponente(2));
    EXPECT_FALSE(h.Hub);
    EXPECT_EQ(g.GetMaxPorts(), 6);
    EXPECT_EQ(g.KabelCount(), 6);
    EXPECT_EQ(zurueck.Kabelliste.Count(), 8);
    EXPECT_EQ(zurueck.Subnetzliste.front()->GetRect(), (TRect{5, 6, 115, 36}));
}

// Random networks of every kind within the field limits: the file reads back to the same
// network, which writes the same bytes.
TEST(NetzSchreiber, RandomNetworksRoundTrip) {
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
            const int x = zahl(-9999, 99999), y = zahl(-9999, 99999);
            TKomponente* k = nullptr;
            switch (zahl(0, 3)) {
            case 0:
                k = netz.Neu<TComputer>(x, y);
                break;
            case 1:
                k = netz.Neu<TDrucker>(x, y);
                break;
            case 2:
                k = netz.Neu<TSwitch>(x, y);
                break;
            default:
                k = netz.Neu<TRouter>(x, y);
                dynamic_cast<TRouter*>(k)->SetIP2Text(adresse());
            }
            k->SetIPText(adresse());
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
        TNetz zurueck;
        Lies(text, zurueck);
        ASSERT_EQ(Abbild(zurueck), Abbild(netz)) << text;
        ASSERT_EQ(NetzdateiText(zurueck), text);
    }
}

} // namespace
} // namespace verbundo

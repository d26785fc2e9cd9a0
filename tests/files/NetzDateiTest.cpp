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

std::string LiesDatei(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Lies(const std::string& text, TNetz& netz, const TKompList* vorhanden = nullptr) {
    std::istringstream ein(text);
    LeseNetzdatei(ein, netz, vorhanden);
}

// Everything the file keeps plus each device's ports by cable index: networks that print
// alike are alike for the file.
std::string Abbild(const TNetz& netz) {
    std::ostringstream aus;
    const auto& geraete = netz.Komponentenliste;
    for (const auto& k : geraete) {
        aus << k->GetTyp() << ' ' << k->GetX() << ' ' << k->GetY() << ' ' << k->GetIPText();
        if (const auto* r = Als<TRouter>(k.get()))
            aus << ' ' << r->GetIP2Text();
        if (const auto* c = Als<TComputer>(k.get()); c && c->IsMailserver())
            aus << " mail";
        if (const auto* s = Als<TSwitch>(k.get()); s && s->Hub)
            aus << " hub";
        aus << " max" << k->GetMaxPorts() << " ports";
        for (int p = 0; p < k->KabelCount(); ++p)
            aus << ' ' << netz.Kabelliste.IndexVon(k->GetKabel(p));
        aus << '\n';
    }
    for (const auto& kabel : netz.Kabelliste)
        aus << "K " << geraete.IndexVon(kabel->GetA()) << ' ' << geraete.IndexVon(kabel->GetB())
            << '\n';
    for (const auto& s : netz.Subnetzliste) {
        const TRect r = s->GetRect();
        aus << "N " << r.Left << ' ' << r.Top << ' ' << r.Right << ' ' << r.Bottom << ' '
            << s->GetNetzIDText() << ' ' << s->GetMaskText() << '\n';
    }
    return aus.str();
}

const std::string Beispiel = "Comp.,  100,   80,192.168.0.1\r\n"
                             "Druck,  250,   80,192.168.0.2\r\n"
                             "Swit.,  175,  200,0.0.0.0\r\n";

// A drawn network an added file may plug into: computer and switch cabled, a free printer.
void BaueVorhanden(TNetz& netz) {
    auto* c = netz.Neu<TComputer>(10, 10);
    c->SetIPText("10.0.0.1");
    netz.Verbinde(c, netz.Neu<TSwitch>(40, 10));
    netz.Neu<TDrucker>(80, 10);
}

std::string Z(const std::string& feld) {
    return "'" + feld + "' is not a valid integer value";
}
std::string I(int index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
}

TEST(NetzLeser, MalformedRecordsStopWithTheirErrorAndChangeNothing) {
    const std::string B = Beispiel;
    // Text, error when read alone (none: reads fine), error when added to the three drawn
    // devices (Base 3) if different.
    const std::vector<std::array<std::string, 3>> faelle = {
        {B + "Comp.,  100,   80,192.168.x.1\r\n", Z("x"), ""},
        {B + "Comp.,  100,   80,\r\n", Z(""), ""},
        {"Comp.,100,80,192.168.0.1\r\n", Z("100,8"), ""},
        // A router line with one address: the second runs over the LF up to the next comma.
        {"Rout.,  175,  320,192.168.0.254\r\nKabel,    0,    0\r\n", Z("\nKabel"), ""},
        {B + "Netz ,   50,   40,  300,  250,1.2.3.q,255.255.255.0\r\n", Z("q"), ""},
        {B + "Netz ,   50,   40,  300,  250,1.2.3.0,255.z.255.0\r\n", Z("z"), ""},
        // The file ends inside a number field.
        {B + "Comp.,  10", Z("  10"), ""},
        {B + "Kabel,    0,  ", Z("  "), ""},
        {B + "Netz ,   50,   40,", Z(""), ""},
        {B + "Kabel,    7,    0\r\n", I(7), I(10)},
        {B + "Kabel,    0,   -4\r\n", I(-4), I(-1)},
        {B + "Kabel,    7,    9\r\n", I(9), I(12)}, // j is fetched first
        {"Kabel,    0,    1\r\n" + B, I(1), I(4)},  // only devices read before the cable
        // Added, the first cable plugs into the drawn printer; the error must unplug it.
        {B + "Kabel,   -1,    0\r\nKabel,    7,    0\r\n", I(-1), I(10)},
        {"", "", ""},
        {"Comp", "", ""},
        {"\r\n", "", ""},
        {"Kab", "", ""},
    };
    for (const auto& [text, meldung, beimHinzufuegen] : faelle) {
        for (bool hinzufuegen : {false, true}) {
            SCOPED_TRACE(text + (hinzufuegen ? " added" : ""));
            TNetz netz;
            BaueVorhanden(netz);
            const std::string vorher = Abbild(netz);
            try {
                Lies(text, netz, hinzufuegen ? &netz.Komponentenliste : nullptr);
                EXPECT_EQ(meldung, "") << "no error";
            } catch (const EFehler& e) {
                EXPECT_EQ(e.what(),
                          hinzufuegen && !beimHinzufuegen.empty() ? beimHinzufuegen : meldung);
            }
            EXPECT_EQ(Abbild(netz), vorher);
        }
    }
}

TEST(NetzSchreiber, FieldLimitsAndTooWideNumbers) {
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

    // A number that would not read back: an error, and nothing written.
    for (auto [x, y, unten] : {std::array{100000, 5, 0}, {1, -10000, 0}, {1, 1, 100000}}) {
        TNetz zuBreit;
        zuBreit.Neu<TComputer>(1, 1);
        zuBreit.Neu<TComputer>(x, y);
        if (unten)
            zuBreit.NeuesSubnetz({0, 0, 200, unten});
        std::ostringstream aus;
        try {
            SchreibeNetzdatei(zuBreit, aus);
            ADD_FAILURE() << x << ' ' << y;
        } catch (const EFehler& e) {
            EXPECT_STREQ(e.what(), "Stream write error");
        }
        EXPECT_EQ(aus.str(), "");
    }
    std::ostringstream kaputt;
    kaputt.setstate(std::ios::badbit);
    EXPECT_THROW(SchreibeNetzdatei(netz, kaputt), EFehler);
}

// Random networks of every kind within the field limits read back to the same network, which
// writes the same bytes.
TEST(NetzSchreiber, RandomNetworksRoundTrip) {
    std::mt19937 zufall(4711);
    const auto zahl = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    const auto adresse = [&] {
        std::string a = std::to_string(zahl(0, 255));
        for (int i = 0; i < 3; ++i)
            a += "." + std::to_string(zahl(0, 255));
        return a;
    };
    for (int runde = 0; runde < 200; ++runde) {
        TNetz netz;
        const int n = zahl(0, 12);
        for (int i = 0; i < n; ++i) {
            const int x = zahl(-9999, 99999), y = zahl(-9999, 99999), art = zahl(0, 3);
            if (art == 0)
                netz.Neu<TComputer>(x, y);
            else if (art == 1)
                netz.Neu<TDrucker>(x, y);
            else if (art == 2)
                netz.Neu<TSwitch>(x, y);
            else
                netz.Neu<TRouter>(x, y)->SetIP2Text(adresse());
            netz.Komponentenliste.GetKomponente(i)->SetIPText(adresse());
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

// Every fuzz corpus file goes through its fuzz entry, which checks the promises.
TEST(FuzzKorpus, CorpusFilesKeepTheirPromises) {
    const auto spiele = [](const char* ordner, auto eintritt) {
        int n = 0;
        for (const auto& e :
             fs::directory_iterator(fs::path(VERBUNDO_SOURCE_DIR) / "fuzz" / "corpus" / ordner)) {
            const std::string daten = LiesDatei(e.path());
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

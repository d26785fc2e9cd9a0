#include "model/Subnetz.h"
#include "model/Fehler.h"
#include "model/Komponente.h"

#include <gtest/gtest.h>

#include <functional>

using namespace verbundo;

namespace {

TSubnet Netz192(TRect r = {100, 100, 300, 200}) {
    TSubnet s(r);
    s.SetNetzIDText("192.168.1.0");
    s.SetMaskText("255.255.255.0");
    return s;
}

std::string FehlerVon(const std::function<void()>& f) {
    try {
        f();
    } catch (const EFehler& e) {
        return e.what();
    }
    return "kein Fehler";
}

} // namespace

TEST(Subnetz, NeuesSubnetzHatMindestgroesse) {
    EXPECT_EQ(TSubnet({100, 100, 140, 110}).GetRect(), (TRect{100, 100, 210, 130}));
    // Exactly the minimum stays; one pixel less grows to it.
    EXPECT_EQ(TSubnet({0, 0, 110, 30}).GetRect(), (TRect{0, 0, 110, 30}));
    EXPECT_EQ(TSubnet({0, 0, 109, 29}).GetRect(), (TRect{0, 0, 110, 30}));
    // Each direction on its own.
    EXPECT_EQ(TSubnet({5, 6, 500, 10}).GetRect(), (TRect{5, 6, 500, 36}));
    EXPECT_EQ(TSubnet({5, 6, 10, 500}).GetRect(), (TRect{5, 6, 115, 500}));
    EXPECT_EQ(TSubnet({-50, -40, 70, 0}).GetRect(), (TRect{-50, -40, 70, 0}));
}

TEST(Subnetz, NeuesSubnetzHatNetzIdUndMaskeNull) {
    const TSubnet s({0, 0, 200, 100});
    EXPECT_EQ(s.GetNetzID(), 0u);
    EXPECT_EQ(s.GetMask(), 0u);
    EXPECT_EQ(s.GetNetzIDText(), "0.0.0.0");
    EXPECT_EQ(s.GetMaskText(), "0.0.0.0");
}

TEST(Subnetz, SetRectOhneMindestgroesse) {
    TSubnet s({100, 100, 140, 110});
    s.SetRect({100, 100, 140, 110});
    EXPECT_EQ(s.GetRect(), (TRect{100, 100, 140, 110}));
    s.SetRect({7, 8, 7, 8});
    EXPECT_EQ(s.GetRect(), (TRect{7, 8, 7, 8}));
}

TEST(Subnetz, SetzerUebernehmenNurGueltigeAdressen) {
    TSubnet s = Netz192();
    EXPECT_EQ(s.GetNetzID(), 0xC0A80100u);
    EXPECT_EQ(s.GetMask(), 0xFFFFFF00u);
    EXPECT_EQ(s.GetNetzIDText(), "192.168.1.0");
    EXPECT_EQ(s.GetMaskText(), "255.255.255.0");

    // Wrong number of fields: silently ignored.
    s.SetNetzIDText("10.0.1");
    s.SetMaskText("1.2.3.4.5");
    EXPECT_EQ(s.GetNetzIDText(), "192.168.1.0");
    EXPECT_EQ(s.GetMaskText(), "255.255.255.0");

    // A bad field: the conversion error passes on, the old value stays.
    EXPECT_EQ(FehlerVon([&] { s.SetNetzIDText("1..2.3"); }), "'' is not a valid integer value");
    EXPECT_EQ(FehlerVon([&] { s.SetMaskText("255.255.x.0"); }), "'x' is not a valid integer value");
    EXPECT_EQ(s.GetNetzIDText(), "192.168.1.0");
    EXPECT_EQ(s.GetMaskText(), "255.255.255.0");

    // Non-canonical text is converted and shown canonically.
    s.SetNetzIDText("010.0.0.256");
    EXPECT_EQ(s.GetNetzIDText(), "10.0.1.0");
}

TEST(Subnetz, PasstInnenUndAussen) {
    const TSubnet s = Netz192();
    TComputer innen(200, 150), aussen(400, 150);
    innen.SetIPText("192.168.1.7");
    aussen.SetIPText("192.168.1.7");
    EXPECT_TRUE(s.Passt(innen));
    EXPECT_FALSE(s.Passt(aussen));
    innen.SetIPText("192.168.2.7");
    aussen.SetIPText("192.168.2.7");
    EXPECT_FALSE(s.Passt(innen));
    EXPECT_TRUE(s.Passt(aussen));
}

TEST(Subnetz, RandZaehltAlsInnen) {
    const TSubnet s = Netz192();
    for (auto [x, y] : {std::pair{100, 100}, {300, 200}, {100, 200}, {300, 100}, {100, 150}}) {
        TDrucker d(x, y);
        d.SetIPText("192.168.1.9");
        EXPECT_TRUE(s.Passt(d)) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{99, 150}, {301, 150}, {200, 99}, {200, 201}}) {
        TDrucker d(x, y);
        d.SetIPText("192.168.1.9");
        EXPECT_FALSE(s.Passt(d)) << x << "," << y;
    }
}

TEST(Subnetz, VergleichtMitVorzeichen) {
    const TSubnet s = Netz192({-100, -100, 10, 10});
    TComputer c(-50, -5);
    c.SetIPText("192.168.1.3");
    EXPECT_TRUE(s.Passt(c));
    c.SetPos(11, -5);
    EXPECT_FALSE(s.Passt(c));
}

TEST(Subnetz, RouterPasstMitEinerSeinerAdressen) {
    const TSubnet s = Netz192();
    TRouter r(200, 150);
    r.SetIPText("10.0.0.1");
    r.SetIP2Text("192.168.1.1");
    EXPECT_TRUE(s.Passt(r));
    r.SetPos(500, 500);
    EXPECT_FALSE(s.Passt(r));
    // Neither address in the subnet: passes only outside.
    r.SetIP2Text("172.16.0.1");
    EXPECT_TRUE(s.Passt(r));
    r.SetPos(200, 150);
    EXPECT_FALSE(s.Passt(r));
    // The first address alone is enough too.
    r.SetIPText("192.168.1.254");
    EXPECT_TRUE(s.Passt(r));
}

TEST(Subnetz, MaskeNullPasstAufJedeAdresse) {
    const TSubnet s({100, 100, 300, 200});
    TComputer c(150, 150);
    c.SetIPText("203.0.113.5");
    EXPECT_TRUE(s.Passt(c));
    c.SetPos(50, 50);
    EXPECT_FALSE(s.Passt(c));
    TSwitch sw(150, 150);
    EXPECT_TRUE(s.Passt(sw));
}

TEST(Subnetz, MaskeWirdNichtGeprueft) {
    // A mask that is no run of leading ones and a net ID that disagrees with it are taken as
    // they are: the test is a plain AND.
    TSubnet s({0, 0, 200, 200});
    s.SetMaskText("0.255.0.255");
    s.SetNetzIDText("1.2.3.4");
    TComputer c(10, 10);
    c.SetIPText("9.2.9.4");
    EXPECT_FALSE(s.Passt(c)); // 9.2.9.4 AND mask = 0.2.0.4, not 1.2.3.4
    s.SetNetzIDText("0.2.0.4");
    EXPECT_TRUE(s.Passt(c));
}

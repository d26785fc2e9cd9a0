#include "model/Subnetz.h"
#include "model/Fehler.h"
#include "model/Komponente.h"

#include <gtest/gtest.h>

using namespace verbundo;

namespace {

TSubnet Netz192(TRect r = {100, 100, 300, 200}) {
    TSubnet s(r);
    s.SetNetzIDText("192.168.1.0");
    s.SetMaskText("255.255.255.0");
    return s;
}

bool Passt(const TSubnet& s, int x, int y, const char* ip) {
    TComputer c(x, y);
    c.SetIPText(ip);
    return s.Passt(c);
}

} // namespace

TEST(Subnetz, MindestgroesseNurBeimAnlegen) {
    EXPECT_EQ(TSubnet({100, 100, 140, 110}).GetRect(), (TRect{100, 100, 210, 130}));
    EXPECT_EQ(TSubnet({0, 0, 110, 30}).GetRect(), (TRect{0, 0, 110, 30}));
    EXPECT_EQ(TSubnet({0, 0, 109, 29}).GetRect(), (TRect{0, 0, 110, 30}));
    EXPECT_EQ(TSubnet({5, 6, 500, 10}).GetRect(), (TRect{5, 6, 500, 36}));
    EXPECT_EQ(TSubnet({5, 6, 10, 500}).GetRect(), (TRect{5, 6, 115, 500}));
    TSubnet s({-50, -40, 70, 0});
    EXPECT_EQ(s.GetRect(), (TRect{-50, -40, 70, 0}));
    EXPECT_EQ(s.GetNetzIDText() + s.GetMaskText(), "0.0.0.00.0.0.0");
    s.SetRect({7, 8, 7, 8});
    EXPECT_EQ(s.GetRect(), (TRect{7, 8, 7, 8}));
}

TEST(Subnetz, SetzerUebernehmenNurGueltigeAdressen) {
    TSubnet s = Netz192();
    EXPECT_EQ(s.GetNetzID(), 0xC0A80100u);
    EXPECT_EQ(s.GetMask(), 0xFFFFFF00u);
    s.SetNetzIDText("10.0.1"); // wrong field count: ignored
    s.SetMaskText("1.2.3.4.5");
    // A bad field: the conversion error passes on, the old value stays.
    EXPECT_THROW(s.SetNetzIDText("1..2.3"), EFehler);
    EXPECT_THROW(s.SetMaskText("255.255.x.0"), EFehler);
    EXPECT_EQ(s.GetNetzIDText(), "192.168.1.0");
    EXPECT_EQ(s.GetMaskText(), "255.255.255.0");
    s.SetNetzIDText("010.0.0.256");
    EXPECT_EQ(s.GetNetzIDText(), "10.0.1.0");
}

TEST(Subnetz, PasstInnenMitAdresseAussenOhne) {
    const TSubnet s = Netz192();
    // The border counts as inside; coordinates compare signed.
    for (auto [x, y] : {std::pair{200, 150}, {100, 100}, {300, 200}, {100, 200}, {300, 100}}) {
        EXPECT_TRUE(Passt(s, x, y, "192.168.1.7")) << x << "," << y;
        EXPECT_FALSE(Passt(s, x, y, "192.168.2.7")) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{99, 150}, {301, 150}, {200, 99}, {200, 201}, {-200, 150}}) {
        EXPECT_FALSE(Passt(s, x, y, "192.168.1.7")) << x << "," << y;
        EXPECT_TRUE(Passt(s, x, y, "192.168.2.7")) << x << "," << y;
    }
    const TSubnet negativ = Netz192({-100, -100, 10, 10});
    EXPECT_TRUE(Passt(negativ, -50, -5, "192.168.1.3"));
    EXPECT_FALSE(Passt(negativ, 11, -5, "192.168.1.3"));
}

TEST(Subnetz, RouterPasstMitEinerSeinerAdressen) {
    const TSubnet s = Netz192();
    TRouter r(200, 150);
    r.SetIPText("10.0.0.1");
    r.SetIP2Text("192.168.1.1");
    EXPECT_TRUE(s.Passt(r));
    r.SetPos(500, 500);
    EXPECT_FALSE(s.Passt(r));
    r.SetIP2Text("172.16.0.1"); // neither address: passes only outside
    EXPECT_TRUE(s.Passt(r));
    r.SetPos(200, 150);
    EXPECT_FALSE(s.Passt(r));
    r.SetIPText("192.168.1.254");
    EXPECT_TRUE(s.Passt(r));
}

TEST(Subnetz, MaskeIstEinReinesUnd) {
    TSubnet null({100, 100, 300, 200}); // mask 0 fits every address
    EXPECT_TRUE(Passt(null, 150, 150, "203.0.113.5"));
    EXPECT_FALSE(Passt(null, 50, 50, "203.0.113.5"));
    EXPECT_TRUE(null.Passt(TSwitch(150, 150)));
    // Neither mask nor net ID is checked for sense.
    TSubnet s({0, 0, 200, 200});
    s.SetMaskText("0.255.0.255");
    s.SetNetzIDText("1.2.3.4");
    EXPECT_FALSE(Passt(s, 10, 10, "9.2.9.4"));
    s.SetNetzIDText("0.2.0.4");
    EXPECT_TRUE(Passt(s, 10, 10, "9.2.9.4"));
}

#include "diag/RoutingAnzeige.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

namespace verbundo {
namespace {

using Zeilen = std::vector<std::string>;

template <class T> T* Geraet(TNetz& netz, int x, int y, const std::string& ip) {
    T* k = netz.Neu<T>(x, y);
    k->SetIPText(ip);
    return k;
}

TEST(RoutingAnzeige, NoCurrentDeviceOrNoCableOrDirectCable) {
    TNetz netz;
    auto* a = Geraet<TComputer>(netz, 0, 0, "10.0.0.1");
    auto* b = Geraet<TDrucker>(netz, 100, 0, "10.0.0.2");
    netz.Neu<TSwitch>(50, 50);
    EXPECT_EQ(RoutingAnzeige(netz, nullptr), Zeilen{});
    EXPECT_EQ(RoutingAnzeige(netz, a), Zeilen{"10.0.0.2 : keine Verbindung"});
    netz.Verbinde(a, b);
    EXPECT_EQ(RoutingAnzeige(netz, a), Zeilen{"10.0.0.2 : direkte Verbindung"});
    EXPECT_EQ(RoutingAnzeige(netz, b), Zeilen{"10.0.0.1 : direkte Verbindung"});
}

// 192.168.0.1 and .2 on switch s1, router 192.168.0.254/10.0.0.254, 10.0.0.1 on switch s2.
struct ZweiNetze : ::testing::Test {
    TNetz netz;
    TComputer* c1 = Geraet<TComputer>(netz, 0, 0, "192.168.0.1");
    TComputer* c2 = Geraet<TComputer>(netz, 0, 100, "192.168.0.2");
    TSwitch* s1 = netz.Neu<TSwitch>(100, 50);
    TRouter* r = Geraet<TRouter>(netz, 200, 50, "192.168.0.254");
    TSwitch* s2 = netz.Neu<TSwitch>(300, 50);
    TComputer* c3 = Geraet<TComputer>(netz, 400, 50, "10.0.0.1");

    void SetUp() override {
        r->SetIP2Text("10.0.0.254");
        netz.Verbinde(c1, s1);
        netz.Verbinde(c2, s1);
        netz.Verbinde(s1, r);
        netz.Verbinde(r, s2);
        netz.Verbinde(s2, c3);
        netz.BerechneRouting();
    }
};

TEST_F(ZweiNetze, RouterOnTheWayShowsTheAddressFacingTheCurrentDevice) {
    EXPECT_EQ(RoutingAnzeige(netz, c1),
              (Zeilen{"10.0.0.1 : über Router 192.168.0.254", "192.168.0.2 : direkte Verbindung",
                      "192.168.0.254 : direkte Verbindung"}));
    EXPECT_EQ(RoutingAnzeige(netz, c3), (Zeilen{"192.168.0.1 : über Router 10.0.0.254",
                                                "192.168.0.2 : über Router 10.0.0.254",
                                                "192.168.0.254 : direkte Verbindung"}));
    // The walk never stops at the router it starts from; a switch starts from its table.
    EXPECT_EQ(RoutingAnzeige(netz, r),
              (Zeilen{"10.0.0.1 : direkte Verbindung", "192.168.0.1 : direkte Verbindung",
                      "192.168.0.2 : direkte Verbindung"}));
    EXPECT_EQ(
        RoutingAnzeige(netz, s2),
        (Zeilen{"10.0.0.1 : direkte Verbindung", "192.168.0.1 : über Router 10.0.0.254",
                "192.168.0.2 : über Router 10.0.0.254", "192.168.0.254 : direkte Verbindung"}));
}

TEST_F(ZweiNetze, StaleTablesAndDeletedCablesGiveNoConnection) {
    // Tables still hold the old address: the switch has no entry.
    c2->SetIPText("192.168.0.3");
    // The router is reached but has no entry for the new address behind it.
    c3->SetIPText("10.0.0.9");
    // A cable deleted after the tables were made is never followed.
    netz.EntferneKabel(netz.Kabelliste.GetKabel(2));
    EXPECT_EQ(RoutingAnzeige(netz, c1),
              (Zeilen{"10.0.0.9 : keine Verbindung", "192.168.0.254 : keine Verbindung",
                      "192.168.0.3 : keine Verbindung"}));
    EXPECT_EQ(RoutingAnzeige(netz, c3),
              (Zeilen{"192.168.0.1 : keine Verbindung", "192.168.0.254 : direkte Verbindung",
                      "192.168.0.3 : keine Verbindung"}));
}

TEST(RoutingAnzeige, RouterAddressChoiceComparesAtMost31Bits) {
    TNetz netz;
    auto* c = Geraet<TComputer>(netz, 0, 0, "192.168.0.1");
    auto* s = netz.Neu<TSwitch>(50, 0);
    auto* r = Geraet<TRouter>(netz, 100, 0, "192.168.0.0");
    auto* ziel = Geraet<TComputer>(netz, 200, 0, "10.0.0.1");
    netz.Verbinde(c, s);
    netz.Verbinde(s, r);
    netz.Verbinde(r, ziel);
    const auto ueber = [&](const char* ip, const char* ip2) {
        r->SetIPText(ip);
        r->SetIP2Text(ip2);
        netz.BerechneRouting();
        return RoutingAnzeige(netz, c).front();
    };
    // Both agree in 31 bits: a tie shows the first address.
    EXPECT_EQ(ueber("192.168.0.0", "192.168.0.1"), "10.0.0.1 : über Router 192.168.0.0");
    EXPECT_EQ(ueber("192.168.0.1", "192.168.0.0"), "10.0.0.1 : über Router 192.168.0.1");
    EXPECT_EQ(ueber("10.0.0.254", "192.168.0.254"), "10.0.0.1 : über Router 192.168.0.254");
    EXPECT_EQ(ueber("192.168.0.254", "10.0.0.254"), "10.0.0.1 : über Router 192.168.0.254");
}

TEST(RoutingAnzeige, WalkThatComesBackEnds) {
    // Three unaddressed computers on one switch: the switch's lookup of 0.0.0.0 always leads
    // to the last of them, which leads back to the switch.
    TNetz netz;
    auto* s = netz.Neu<TSwitch>(100, 100);
    TComputer* c[3];
    for (int i = 0; i < 3; ++i) {
        c[i] = netz.Neu<TComputer>(50 * i, 0);
        netz.Verbinde(c[i], s);
    }
    netz.BerechneRouting();
    EXPECT_EQ(RoutingAnzeige(netz, c[0]),
              (Zeilen{"0.0.0.0 : direkte Verbindung", "0.0.0.0 : keine Verbindung"}));
    EXPECT_EQ(RoutingAnzeige(netz, c[2]),
              (Zeilen{"0.0.0.0 : keine Verbindung", "0.0.0.0 : keine Verbindung"}));
}

TEST(RoutingAnzeige, LinesInListBoxOrder) {
    TNetz netz;
    auto* s = Geraet<TComputer>(netz, 0, 0, "1.1.1.1");
    Geraet<TComputer>(netz, 0, 0, "10.0.0.2");
    Geraet<TDrucker>(netz, 0, 0, "10.0.0.10");
    Geraet<TComputer>(netz, 0, 0, "10.0.0.2");
    EXPECT_EQ(RoutingAnzeige(netz, s),
              (Zeilen{"10.0.0.10 : keine Verbindung", "10.0.0.2 : keine Verbindung",
                      "10.0.0.2 : keine Verbindung"}));

    Zeilen liste;
    for (const char* z : {"b", "A", "a", "B", "ab", "Ä"})
        SortiertEinfuegen(liste, z);
    EXPECT_EQ(liste, (Zeilen{"A", "a", "ab", "b", "B", "Ä"}));
}

} // namespace
} // namespace verbundo

#include "diag/Pruefung.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

namespace verbundo {
namespace {

template <class T> T* Geraet(TNetz& netz, int x, int y, const std::string& ip) {
    T* k = netz.Neu<T>(x, y);
    k->SetIPText(ip);
    return k;
}

TRouter* Router(TNetz& netz, int x, int y, const std::string& ip, const std::string& ip2) {
    auto* r = Geraet<TRouter>(netz, x, y, ip);
    r->SetIP2Text(ip2);
    return r;
}

TSubnet* Subnetz(TNetz& netz, TRect rect, const std::string& id, const std::string& mask) {
    auto* s = netz.NeuesSubnetz(rect);
    s->SetNetzIDText(id);
    s->SetMaskText(mask);
    return s;
}

TEST(Pruefung, ReportTexts) {
    TNetz leer;
    EXPECT_EQ(ZaehleKonfigurationsfehler(leer), 0);
    EXPECT_EQ(Pruefbericht(0), "Alle Ip-Adressen sind korrekt eingestellt.");
    EXPECT_EQ(Pruefbericht(1), "Es sind noch 1 Fehler vorhanden.");
    EXPECT_EQ(Pruefbericht(12345), "Es sind noch 12345 Fehler vorhanden.");
}

TEST(Pruefung, DuplicateAddressesCountEachComparison) {
    const auto zaehle = [](auto bau) {
        TNetz netz;
        bau(netz);
        return ZaehleKonfigurationsfehler(netz);
    };
    EXPECT_EQ(zaehle([](TNetz& n) {
                  for (int i = 0; i < 2; ++i)
                      n.Neu<TComputer>(i, 0);
              }),
              1);
    EXPECT_EQ(zaehle([](TNetz& n) {
                  for (int i = 0; i < 3; ++i)
                      n.Neu<TDrucker>(i, 0);
              }),
              3);
    // A switch is compared only as the later device.
    EXPECT_EQ(zaehle([](TNetz& n) {
                  n.Neu<TComputer>(0, 0);
                  n.Neu<TSwitch>(1, 0);
              }),
              1);
    EXPECT_EQ(zaehle([](TNetz& n) {
                  n.Neu<TSwitch>(1, 0);
                  n.Neu<TComputer>(0, 0);
              }),
              0);
    EXPECT_EQ(zaehle([](TNetz& n) { Router(n, 0, 0, "1.1.1.1", "1.1.1.1"); }), 0);
    EXPECT_EQ(zaehle([](TNetz& n) {
                  Geraet<TComputer>(n, 0, 0, "2.2.2.2");
                  Router(n, 0, 0, "1.1.1.1", "2.2.2.2");
              }),
              1);
    EXPECT_EQ(zaehle([](TNetz& n) {
                  Router(n, 0, 0, "1.1.1.1", "2.2.2.2");
                  Geraet<TComputer>(n, 0, 0, "2.2.2.2");
              }),
              1);
    // Router pairs: each of the four comparisons on its own.
    const auto routerpaar = [&](const char* a1, const char* a2, const char* b1, const char* b2) {
        return zaehle([&](TNetz& n) {
            Router(n, 0, 0, a1, a2);
            Router(n, 0, 0, b1, b2);
        });
    };
    EXPECT_EQ(routerpaar("1.0.0.1", "1.0.0.2", "1.0.0.1", "1.0.0.3"), 1);
    EXPECT_EQ(routerpaar("1.0.0.1", "1.0.0.2", "1.0.0.2", "1.0.0.3"), 1);
    EXPECT_EQ(routerpaar("1.0.0.1", "1.0.0.2", "1.0.0.3", "1.0.0.1"), 1);
    EXPECT_EQ(routerpaar("1.0.0.1", "1.0.0.2", "1.0.0.3", "1.0.0.2"), 1);
    EXPECT_EQ(routerpaar("1.0.0.1", "1.0.0.2", "1.0.0.2", "1.0.0.1"), 2);
    EXPECT_EQ(routerpaar("1.0.0.1", "1.0.0.1", "1.0.0.1", "1.0.0.1"), 4);
    // A switch after a router still compares with both router addresses.
    EXPECT_EQ(zaehle([](TNetz& n) {
                  Router(n, 0, 0, "0.0.0.0", "0.0.0.0");
                  n.Neu<TSwitch>(1, 0);
              }),
              2);
}

TEST(Pruefung, SubnetMaskAndNetIdRules) {
    struct Fall {
        const char* id;
        const char* mask;
        long long fehler;
    };
    for (const Fall& f :
         {Fall{"192.168.1.5", "255.255.255.0", 1}, Fall{"192.168.1.0", "255.255.255.0", 0},
          Fall{"192.0.1.0", "255.0.255.0", 1}, Fall{"0.0.0.0", "0.0.255.0", 1},
          Fall{"1.2.3.4", "0.0.0.0", 0}, Fall{"1.2.3.4", "255.255.255.255", 0},
          Fall{"64.0.0.0", "128.0.0.0", 1}, Fall{"128.0.0.0", "128.0.0.0", 0},
          Fall{"10.0.0.0", "255.255.252.0", 0}, Fall{"10.0.2.0", "255.255.252.0", 1},
          Fall{"1.2.3.4", "0.255.0.255", 1}}) {
        TNetz netz;
        Subnetz(netz, {0, 0, 200, 200}, f.id, f.mask);
        EXPECT_EQ(ZaehleKonfigurationsfehler(netz), f.fehler) << f.id << " " << f.mask;
    }
}

TEST(Pruefung, PlacementAgainstEverySubnet) {
    const auto zaehle = [](auto bau) {
        TNetz netz;
        Subnetz(netz, {100, 100, 300, 300}, "192.168.1.0", "255.255.255.0");
        bau(netz);
        return ZaehleKonfigurationsfehler(netz);
    };
    // The border belongs to the rectangle.
    EXPECT_EQ(zaehle([](TNetz& n) {
                  Geraet<TComputer>(n, 100, 100, "192.168.1.1");
                  Geraet<TDrucker>(n, 300, 300, "192.168.1.2");
                  Geraet<TComputer>(n, 100, 300, "192.168.1.3");
              }),
              0);
    EXPECT_EQ(zaehle([](TNetz& n) { Geraet<TComputer>(n, 301, 200, "192.168.1.1"); }), 1);
    EXPECT_EQ(zaehle([](TNetz& n) { Geraet<TComputer>(n, 200, 99, "192.168.1.1"); }), 1);
    EXPECT_EQ(zaehle([](TNetz& n) { Geraet<TComputer>(n, 200, 200, "192.168.2.1"); }), 1);
    EXPECT_EQ(zaehle([](TNetz& n) { Geraet<TComputer>(n, 500, 500, "192.168.2.1"); }), 0);
    // A second subnet beside the first: a router joining them must stand where they overlap.
    const auto router = [&](int x) {
        return zaehle([x](TNetz& n) {
            Subnetz(n, {250, 100, 450, 300}, "10.0.0.0", "255.0.0.0");
            Router(n, x, 200, "192.168.1.254", "10.0.0.254");
        });
    };
    EXPECT_EQ(router(275), 0);
    EXPECT_EQ(router(150), 1);
    EXPECT_EQ(router(400), 1);
    EXPECT_EQ(router(600), 2);
    // Overlapping subnets with the same mask and different net IDs.
    EXPECT_GE(zaehle([](TNetz& n) {
                  Subnetz(n, {150, 150, 350, 350}, "192.168.2.0", "255.255.255.0");
                  Geraet<TDrucker>(n, 200, 200, "192.168.1.7");
              }),
              1);
    // Two computers and a switch in one well-set subnet.
    EXPECT_EQ(zaehle([](TNetz& n) {
                  auto* a = Geraet<TComputer>(n, 120, 120, "192.168.1.2");
                  auto* b = Geraet<TComputer>(n, 220, 120, "192.168.1.3");
                  auto* s = n.Neu<TSwitch>(170, 200);
                  n.Verbinde(a, s);
                  n.Verbinde(b, s);
              }),
              0);
}

TEST(Pruefung, FreshSubnetMatchesEveryAddress) {
    TNetz netz;
    netz.NeuesSubnetz({0, 0, 200, 200});
    Geraet<TComputer>(netz, 50, 50, "1.2.3.4");
    Router(netz, 60, 60, "5.6.7.8", "9.9.9.9");
    EXPECT_EQ(ZaehleKonfigurationsfehler(netz), 0);
    Geraet<TComputer>(netz, 500, 50, "1.2.3.5");
    Router(netz, 600, 60, "5.6.7.9", "9.9.9.8");
    // The switch is never placed.
    netz.Neu<TSwitch>(700, 700);
    EXPECT_EQ(ZaehleKonfigurationsfehler(netz), 2);
}

} // namespace
} // namespace verbundo

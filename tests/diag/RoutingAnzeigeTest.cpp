#include "diag/RoutingAnzeige.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace verbundo {
namespace {

using Zeilen = std::vector<std::string>;

template <class T> T* Geraet(TNetz& netz, const std::string& ip) {
    T* k = netz.Neu<T>(0, 0);
    k->SetIPText(ip);
    return k;
}

TEST(RoutingAnzeige, RouterOnTheWayStaleTablesAndDeletedCables) {
    // 192.168.0.1 and .2 on switch s1, router 192.168.0.254/10.0.0.254, 10.0.0.1 on switch s2.
    TNetz netz;
    auto* c1 = Geraet<TComputer>(netz, "192.168.0.1");
    auto* c2 = Geraet<TComputer>(netz, "192.168.0.2");
    auto* s1 = netz.Neu<TSwitch>(100, 50);
    auto* r = Geraet<TRouter>(netz, "192.168.0.254");
    r->SetIP2Text("10.0.0.254");
    auto* s2 = netz.Neu<TSwitch>(300, 50);
    auto* c3 = Geraet<TComputer>(netz, "10.0.0.1");
    for (auto [a, b] :
         {std::pair<TKomponente*, TKomponente*>{c1, s1}, {c2, s1}, {s1, r}, {r, s2}, {s2, c3}})
        netz.Verbinde(a, b);
    netz.BerechneRouting();
    const std::string d = " : direkte Verbindung", ueber = " : über Router ";
    EXPECT_EQ(RoutingAnzeige(netz, c1), (Zeilen{"10.0.0.1" + ueber + "192.168.0.254",
                                                "192.168.0.2" + d, "192.168.0.254" + d}));
    EXPECT_EQ(RoutingAnzeige(netz, c3),
              (Zeilen{"192.168.0.1" + ueber + "10.0.0.254", "192.168.0.2" + ueber + "10.0.0.254",
                      "192.168.0.254" + d}));
    // The walk never stops at the router it starts from; a switch starts from its table.
    EXPECT_EQ(RoutingAnzeige(netz, r),
              (Zeilen{"10.0.0.1" + d, "192.168.0.1" + d, "192.168.0.2" + d}));
    EXPECT_EQ(RoutingAnzeige(netz, s2),
              (Zeilen{"10.0.0.1" + d, "192.168.0.1" + ueber + "10.0.0.254",
                      "192.168.0.2" + ueber + "10.0.0.254", "192.168.0.254" + d}));

    // Tables hold the old addresses: the switch has no entry for c2, the router none for c3.
    c2->SetIPText("192.168.0.3");
    c3->SetIPText("10.0.0.9");
    // A cable deleted after the tables were made is never followed.
    netz.EntferneKabel(netz.Kabelliste.GetKabel(2));
    const std::string k = " : keine Verbindung";
    EXPECT_EQ(RoutingAnzeige(netz, c1),
              (Zeilen{"10.0.0.9" + k, "192.168.0.254" + k, "192.168.0.3" + k}));
    EXPECT_EQ(RoutingAnzeige(netz, c3),
              (Zeilen{"192.168.0.1" + k, "192.168.0.254" + d, "192.168.0.3" + k}));
}

TEST(RoutingAnzeige, RouterAddressChoiceComparesAtMost31Bits) {
    TNetz netz;
    auto* c = Geraet<TComputer>(netz, "192.168.0.1");
    auto* s = netz.Neu<TSwitch>(50, 0);
    auto* r = netz.Neu<TRouter>(100, 0);
    netz.Verbinde(c, s);
    netz.Verbinde(s, r);
    netz.Verbinde(r, Geraet<TComputer>(netz, "10.0.0.1"));
    const auto ueber = [&](const char* ip, const char* ip2) {
        r->SetIPText(ip);
        r->SetIP2Text(ip2);
        netz.BerechneRouting();
        return RoutingAnzeige(netz, c).front().substr(24);
    };
    // Both agree in 31 bits: a tie shows the first address.
    EXPECT_EQ(ueber("192.168.0.0", "192.168.0.1"), "192.168.0.0");
    EXPECT_EQ(ueber("192.168.0.1", "192.168.0.0"), "192.168.0.1");
    EXPECT_EQ(ueber("10.0.0.254", "192.168.0.254"), "192.168.0.254");
    EXPECT_EQ(ueber("192.168.0.254", "10.0.0.254"), "192.168.0.254");
}

TEST(RoutingAnzeige, WalkThatComesBackEnds) {
    // Three unaddressed computers on one switch: the switch's lookup of 0.0.0.0 always leads
    // to the last of them, which leads back to the switch.
    TNetz netz;
    auto* s = netz.Neu<TSwitch>(100, 100);
    TComputer* c[3];
    for (auto& ci : c)
        netz.Verbinde(ci = netz.Neu<TComputer>(0, 0), s);
    netz.BerechneRouting();
    EXPECT_EQ(RoutingAnzeige(netz, c[0]),
              (Zeilen{"0.0.0.0 : direkte Verbindung", "0.0.0.0 : keine Verbindung"}));
    EXPECT_EQ(RoutingAnzeige(netz, c[2]),
              (Zeilen{"0.0.0.0 : keine Verbindung", "0.0.0.0 : keine Verbindung"}));
}

TEST(RoutingAnzeige, NoDeviceNoCableDirectCableAndListBoxOrder) {
    TNetz netz;
    auto* c = Geraet<TComputer>(netz, "1.1.1.1");
    netz.Neu<TSwitch>(0, 0); // never a line of its own
    for (const char* ip : {"10.0.0.2", "10.0.0.10", "10.0.0.2"})
        Geraet<TDrucker>(netz, ip);
    EXPECT_EQ(RoutingAnzeige(netz, nullptr), Zeilen{});
    const std::string k = " : keine Verbindung";
    EXPECT_EQ(RoutingAnzeige(netz, c), (Zeilen{"10.0.0.10" + k, "10.0.0.2" + k, "10.0.0.2" + k}));
    netz.Verbinde(netz.Komponentenliste.GetKomponente(3), c);
    EXPECT_EQ(RoutingAnzeige(netz, netz.Komponentenliste.GetKomponente(3)),
              (Zeilen{"1.1.1.1 : direkte Verbindung", "10.0.0.2" + k, "10.0.0.2" + k}));
    Zeilen liste;
    for (const char* z : {"b", "A", "a", "B", "ab", "Ä"})
        SortiertEinfuegen(liste, z);
    EXPECT_EQ(liste, (Zeilen{"A", "a", "ab", "b", "B", "Ä"}));
}

// 200 switches in a row with 100 computers each: every step of a walk looks up a table of
// 20 199 routes, and the walks take 2 000 000 steps.
TEST(RoutingAnzeige, GrossesNetzInKurzerZeit) {
    TNetz netz;
    const auto& liste = netz.Komponentenliste;
    const auto kabel = [&](int a, int b) {
        netz.Kabelliste.Add(TKabel::Create(liste.GetZeiger(a), liste.GetZeiger(b)));
    };
    int sw = -1;
    for (int n = 0; n < 20000; ++n) {
        if (n % 100 == 0) {
            netz.Neu<TSwitch>(n / 5, 0);
            if (sw >= 0)
                kabel(sw, liste.Count() - 1);
            sw = liste.Count() - 1;
        }
        Geraet<TComputer>(netz, "10.0." + std::to_string(n / 256) + "." + std::to_string(n % 256));
        kabel(liste.Count() - 1, sw);
    }
    netz.BerechneRouting();
    const auto anfang = std::chrono::steady_clock::now();
    const Zeilen z = RoutingAnzeige(netz, netz.Komponentenliste.GetKomponente(1));
    const auto dauer = std::chrono::steady_clock::now() - anfang;
    EXPECT_EQ(std::count_if(z.begin(), z.end(),
                            [](const std::string& l) { return l.ends_with("direkte Verbindung"); }),
              19999);
    // A scan of the table at each step took half a minute; the bound leaves room for the
    // sanitizer run.
    EXPECT_LT(dauer, std::chrono::seconds(10));
}

} // namespace
} // namespace verbundo

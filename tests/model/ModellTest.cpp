// Ports and hit tests where the editor cannot reach: ends outside any list, extreme
// coordinates, the routing table's in-place rebuilding.

#include "model/Fehler.h"
#include "model/Kabel.h"
#include "model/Komponente.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace verbundo;

namespace {

std::shared_ptr<TSwitch> Sw(int x, int y) {
    return std::make_shared<TSwitch>(x, y);
}

} // namespace

TEST(Modell, ZahlenfelderWieDieDatei) {
    EXPECT_EQ(StrToInt("  -15"), -15);
    EXPECT_THROW(StrToInt("     "), EFehler);
    EXPECT_THROW(StrToInt("100,8"), EFehler);
}

TEST(Modell, PortsFolgenDenKabeln) {
    auto s = Sw(0, 0);
    auto a = std::make_shared<TComputer>(10, 0), b = std::make_shared<TComputer>(20, 0);
    auto ka = TKabel::Create(s, a);
    auto kb = TKabel::Create(b, s);
    auto kc = TKabel::Create(s, b); // b is full: only s takes it, but it keeps its end
    EXPECT_EQ(b->Ports(), std::vector<TKabel*>{kb.get()});
    EXPECT_EQ(kc->Laenge(), 20.0L);
    kc.reset(); // destroying it leaves b's port alone
    ka.reset(); // later cables move up one port
    EXPECT_EQ(s->Ports(), std::vector<TKabel*>{kb.get()});
    EXPECT_EQ(a->KabelCount(), 0);
    // Replugging an end moves the port; a loop takes two ports and frees both.
    auto c = Sw(30, 40);
    kb->SetA(c);
    EXPECT_EQ(b->KabelCount(), 0);
    EXPECT_EQ(c->Ports(), std::vector<TKabel*>{kb.get()});
    EXPECT_EQ(kb->Laenge(), 50.0L);
    auto schleife = TKabel::Create(s, s);
    EXPECT_EQ(s->KabelCount(), 3);
    schleife.reset();
    EXPECT_EQ(s->KabelCount(), 1);
    EXPECT_THROW(s->GetKabel(1), EFehler);
    EXPECT_THROW(s->GetKabel(-1), EFehler);
}

TEST(Modell, LaengeAbstandUndTrefferOhneUeberlauf) {
    auto a = Sw(100, 100), c = Sw(101, 101);
    EXPECT_EQ(TKabel::Create(a, c)->Laenge(), std::sqrt(2.0L)); // long double, not double
    const long double extrem =
        TKabel::Create(Sw(-2147483647 - 1, -2147483647 - 1), Sw(2147483647, 2147483647))->Laenge();
    EXPECT_NEAR(static_cast<double>(extrem), 4294967295.0 * std::sqrt(2.0), 1.0);
    auto k = TKabel::Create(Sw(100, 100), Sw(500, 400)); // direction (4, 3)
    EXPECT_EQ(k->Abstand(301, 242), 7.0);
    EXPECT_DOUBLE_EQ(k->Abstand(300, 241), 7.2);
    EXPECT_EQ(k->Abstand(900, 700), 0.0); // the infinite line
    auto p = TKabel::Create(Sw(50, 50), Sw(50, 50));
    EXPECT_EQ(p->Abstand(53, 54), 5.0); // zero length: from the point

    // The box grown by 7 on every side, inclusive, with ends outside any device list.
    TKabelList l;
    const auto treffer = [&](std::initializer_list<std::pair<int, int>> punkte) {
        std::string t;
        for (auto [x, y] : punkte)
            t += l.FindeBei(x, y) ? '1' : '0';
        return t;
    };
    l.Add(TKabel::Create(Sw(300, 100), Sw(100, 100)));
    EXPECT_EQ(treffer({{307, 100}, {308, 100}, {93, 100}, {92, 100}, {200, 107}, {200, 108}}),
              "101010");
    l.Add(TKabel::Create(Sw(50, 50), Sw(50, 50)));
    EXPECT_EQ(treffer({{57, 50}, {50, 43}, {58, 50}, {55, 55}, {57, 57}}), "11000");
    l.Add(TKabel::Create(Sw(2147483647, 2147483647), Sw(2147483640, 2147483647)));
    EXPECT_EQ(treffer({{2147483647, 2147483640}, {-2147483647 - 1, 0}}), "10");
}

TEST(Modell, RoutingtabelleLetzteRouteUndNeuaufbauAmOrt) {
    auto s = Sw(0, 0);
    auto ka = TKabel::Create(s, Sw(50, 0)), kb = TKabel::Create(s, Sw(0, 50));
    TRoutingList& t = s->Routingtabelle;
    t.Add(1, ka);
    t.Add(2, kb);
    t.Add(1, kb);
    EXPECT_EQ(t.FindeKabel(1), kb.get());
    EXPECT_EQ(t.FindeKabel(3), nullptr);
    // Rebuilt in place, as Leeren followed by Add(7, kb), Add(2, ka) would leave it.
    t.Ersetze(0, 7, kb);
    t.Ersetze(1, 2, ka);
    t.Kuerze(2);
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(std::pair(t.GetRoute(0).Ziel, t.GetRoute(0).Kabel.lock()), std::pair(7u, kb));
    EXPECT_EQ(std::pair(t.GetRoute(1).Ziel, t.GetRoute(1).Kabel.lock()), std::pair(2u, ka));
    t.Ersetze(2, 9, ka); // one past the end appends
    t.Kuerze(5);         // longer than the table: nothing happens
    EXPECT_EQ(t.FindeKabel(9), ka.get());
    ka.reset(); // a route on a destroyed cable finds nothing
    EXPECT_EQ(t.FindeKabel(9), nullptr);
}

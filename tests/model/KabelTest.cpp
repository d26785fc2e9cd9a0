#include "model/Kabel.h"
#include "model/Fehler.h"
#include "model/Komponente.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace verbundo;

namespace {

std::shared_ptr<TSwitch> Sw(int x, int y) {
    return std::make_shared<TSwitch>(x, y);
}

// A list holding one cable between two new switches.
TKabel* Liste(TKabelList& l, int x1, int y1, int x2, int y2) {
    auto k = TKabel::Create(Sw(x1, y1), Sw(x2, y2));
    l.Add(k);
    return k.get();
}

// "1" for each point where the list finds a cable, "0" where not.
std::string Treffer(const TKabelList& l, std::initializer_list<std::pair<int, int>> punkte) {
    std::string t;
    for (auto [x, y] : punkte)
        t += l.FindeBei(x, y) ? '1' : '0';
    return t;
}

} // namespace

TEST(Kabel, PortsBeimAnlegenUmsteckenUndZerstoeren) {
    auto s = Sw(0, 0);
    auto a = std::make_shared<TComputer>(10, 0);
    auto b = std::make_shared<TComputer>(20, 0);
    auto ka = TKabel::Create(s, a);
    auto kb = TKabel::Create(b, s);
    auto kc = TKabel::Create(s, b); // b is full: only s takes it
    EXPECT_EQ(kb->GetA(), b.get());
    EXPECT_EQ(kb->GetB(), s.get());
    EXPECT_FALSE(kb->IsAktiv());
    ASSERT_EQ(s->KabelCount(), 3);
    EXPECT_EQ(s->GetKabel(1), kb.get());
    ASSERT_EQ(b->KabelCount(), 1);
    EXPECT_EQ(kc->GetB(), b.get()); // the refused cable keeps its end
    EXPECT_EQ(kc->Laenge(), 20.0L); // and its length uses it
    kc.reset();                     // destroying it leaves b's port alone
    EXPECT_EQ(b->GetKabel(0), kb.get());
    ka.reset(); // later cables move up one port
    ASSERT_EQ(s->KabelCount(), 1);
    EXPECT_EQ(s->GetKabel(0), kb.get());
    EXPECT_EQ(a->KabelCount(), 0);
    auto kd = TKabel::Create(s, a);
    EXPECT_EQ(s->GetKabel(1), kd.get());
    // Replugging an end moves the port.
    auto c = Sw(40, 40);
    kd->SetA(c);
    EXPECT_EQ(s->KabelCount(), 1);
    EXPECT_EQ(c->GetKabel(0), kd.get());
    EXPECT_EQ(kd->Laenge(), 50.0L);
    // A loop takes two ports and frees both.
    auto schleife = TKabel::Create(s, s);
    EXPECT_EQ(s->KabelCount(), 3);
    EXPECT_EQ(schleife->AndereSeite(s.get()), s.get());
    schleife.reset();
    EXPECT_EQ(s->KabelCount(), 1);
}

TEST(Kabel, VolleSwitchNimmtKeinSiebtesKabel) {
    auto s = Sw(0, 0);
    std::vector<std::shared_ptr<TKabel>> kabel;
    for (int i = 0; i < 7; ++i)
        kabel.push_back(TKabel::Create(s, std::make_shared<TComputer>(10 * i, 50)));
    ASSERT_EQ(s->KabelCount(), 6);
    EXPECT_EQ(s->GetKabel(5), kabel[5].get());
    EXPECT_EQ(kabel[6]->GetB()->KabelCount(), 1);
    // A freed port takes the next cable made, not the refused one.
    kabel[0].reset();
    auto neu = TKabel::Create(std::make_shared<TDrucker>(0, 90), s);
    EXPECT_EQ(s->GetKabel(5), neu.get());
}

TEST(Kabel, AndereSeiteUndLaenge) {
    auto a = Sw(100, 100), b = Sw(103, 104), c = Sw(101, 101), fremd = Sw(0, 0);
    auto k = TKabel::Create(a, b);
    EXPECT_EQ(k->AndereSeite(a.get()), b.get());
    EXPECT_EQ(k->AndereSeite(b.get()), a.get());
    EXPECT_EQ(k->AndereSeite(fremd.get()), a.get());
    EXPECT_EQ(k->AndereSeiteZeiger(a.get()), b);
    EXPECT_EQ(k->Laenge(), 5.0L);
    EXPECT_EQ(TKabel::Create(b, a)->Laenge(), 5.0L);
    // Computed in long double.
    EXPECT_EQ(TKabel::Create(a, c)->Laenge(), std::sqrt(2.0L));
    EXPECT_NE(TKabel::Create(a, c)->Laenge(), static_cast<long double>(std::sqrt(2.0)));
    EXPECT_EQ(TKabel::Create(Sw(2999, 0), Sw(0, 2999))->Laenge(), std::sqrt(2.0L * 2999 * 2999));
    const long double extrem =
        TKabel::Create(Sw(-2147483647 - 1, -2147483647 - 1), Sw(2147483647, 2147483647))->Laenge();
    EXPECT_NEAR(static_cast<double>(extrem), 4294967295.0 * std::sqrt(2.0), 1.0);
}

TEST(Kabel, AbstandVonDerGeradenUndVomPunkt) {
    auto k = TKabel::Create(Sw(100, 100), Sw(500, 400)); // direction (4, 3)
    EXPECT_EQ(k->Abstand(300, 250), 0.0);
    EXPECT_EQ(k->Abstand(301, 242), 7.0);
    EXPECT_DOUBLE_EQ(k->Abstand(300, 241), 7.2);
    EXPECT_EQ(k->Abstand(900, 700), 0.0); // the infinite line
    auto h = TKabel::Create(Sw(0, 0), Sw(10, 0));
    EXPECT_EQ(h->Abstand(50, 4), 4.0);
    // Zero length: the distance from the point.
    auto p = TKabel::Create(Sw(50, 50), Sw(50, 50));
    EXPECT_EQ(p->Abstand(50, 50), 0.0);
    EXPECT_EQ(p->Abstand(53, 54), 5.0);
    EXPECT_FALSE(std::isnan(p->Abstand(40, 40)));
}

TEST(KabelList, FindeBeiBisSiebenPixelInDerGewachsenenBoxLetzterTreffer) {
    TKabelList l;
    Liste(l, 300, 100, 100, 100);
    EXPECT_EQ(Treffer(l, {{200, 107},
                          {200, 93},
                          {200, 108},
                          {200, 92},
                          {307, 100},
                          {308, 100},
                          {93, 100},
                          {92, 100}}),
              "11001010");
    TKabelList schraeg; // 7.0 and 7.2 from the line
    Liste(schraeg, 100, 100, 500, 400);
    EXPECT_EQ(Treffer(schraeg, {{301, 242}, {300, 241}}), "10");
    TKabelList senk;
    Liste(senk, 50, 400, 50, 200);
    EXPECT_EQ(Treffer(senk, {{57, 193}, {50, 192}, {50, 407}, {50, 408}, {58, 300}}), "10100");
    TKabelList punkt; // zero length: inside the box but farther than 7 misses
    Liste(punkt, 50, 50, 50, 50);
    EXPECT_EQ(Treffer(punkt, {{50, 50}, {57, 50}, {50, 43}, {58, 50}, {55, 55}, {57, 57}}),
              "111000");
    // Crossing: the later cable.
    TKabel* waag = Liste(l, 0, 500, 200, 500);
    TKabel* senk2 = Liste(l, 100, 400, 100, 600);
    EXPECT_EQ(l.FindeBei(100, 500), senk2);
    EXPECT_EQ(l.FindeBei(50, 500), waag);
    EXPECT_EQ(l.FindeBei(150, 550), nullptr);
}

TEST(KabelList, EntfernenZugriffUndIndexfehler) {
    TKabelList l;
    auto s = Sw(0, 0), t = Sw(100, 0);
    auto a = std::make_shared<TComputer>(0, 50), b = std::make_shared<TComputer>(0, 90);
    auto c = std::make_shared<TComputer>(100, 50);
    // A loop counts once per end but goes once.
    for (auto [x, y] :
         {std::pair<TKabel::Ende, TKabel::Ende>{s, a}, {b, s}, {t, c}, {s, t}, {s, s}})
        l.Add(TKabel::Create(x, y));
    TKabel* bleibt = l.GetKabel(2);
    ASSERT_EQ(s->KabelCount(), 5);
    EXPECT_EQ(l.IndexVon(bleibt), 2);
    EXPECT_THROW(l.GetKabel(5), EFehler);
    TKabel* weg = l.GetKabel(1);
    l.EntferneVon(s.get());
    ASSERT_EQ(l.Count(), 1);
    EXPECT_EQ(l.GetKabel(0), bleibt);
    EXPECT_EQ(l.IndexVon(weg), -1);
    EXPECT_EQ(s->KabelCount() + a->KabelCount() + b->KabelCount(), 0);
    ASSERT_EQ(t->KabelCount(), 1);
    EXPECT_EQ(t->GetKabel(0), bleibt);
    l.Remove(bleibt); // the list held the only reference: unplugged
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(t->KabelCount() + c->KabelCount(), 0);
    l.Add(TKabel::Create(s, t));
    l.Clear();
    EXPECT_EQ(l.Count() + s->KabelCount() + t->KabelCount(), 0);
}

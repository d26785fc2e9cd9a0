#include "model/Kabel.h"
#include "model/Fehler.h"
#include "model/Komponente.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace verbundo;

namespace {

std::shared_ptr<TKabel> Mach(TKabelList& l, const std::shared_ptr<TKomponente>& a,
                             const std::shared_ptr<TKomponente>& b) {
    auto k = TKabel::Create(a, b);
    l.Add(k);
    return k;
}

std::shared_ptr<TSwitch> SwitchBei(int x, int y) {
    return std::make_shared<TSwitch>(x, y);
}

} // namespace

TEST(Kabel, StecktSichInBeideEndenUndWiederAus) {
    auto c = std::make_shared<TComputer>(0, 0);
    auto s = SwitchBei(100, 0);
    auto k = TKabel::Create(c, s);
    EXPECT_EQ(k->GetA(), c.get());
    EXPECT_EQ(k->GetB(), s.get());
    EXPECT_FALSE(k->IsAktiv());
    EXPECT_EQ(c->KabelCount(), 1);
    EXPECT_EQ(s->KabelCount(), 1);
    k.reset();
    EXPECT_EQ(c->KabelCount(), 0);
    EXPECT_EQ(s->KabelCount(), 0);
}

TEST(Kabel, SpaetereKabelRueckenEinenPortVor) {
    auto s = SwitchBei(0, 0);
    auto a = std::make_shared<TComputer>(10, 0);
    auto b = std::make_shared<TComputer>(20, 0);
    auto c = std::make_shared<TComputer>(30, 0);
    auto ka = TKabel::Create(s, a);
    auto kb = TKabel::Create(b, s);
    auto kc = TKabel::Create(s, c);
    ASSERT_EQ(s->KabelCount(), 3);
    EXPECT_EQ(s->GetKabel(1), kb.get());
    ka.reset();
    ASSERT_EQ(s->KabelCount(), 2);
    EXPECT_EQ(s->GetKabel(0), kb.get());
    EXPECT_EQ(s->GetKabel(1), kc.get());
    auto kd = TKabel::Create(s, a);
    EXPECT_EQ(s->GetKabel(2), kd.get());
}

TEST(Kabel, VollesGeraetVerweigertDasKabelDasSeinEndeBehaelt) {
    auto c = std::make_shared<TComputer>(0, 0);
    auto s1 = SwitchBei(100, 0);
    auto s2 = SwitchBei(0, 100);
    auto erstes = TKabel::Create(c, s1);
    auto zweites = TKabel::Create(s2, c);
    EXPECT_EQ(zweites->GetA(), s2.get());
    EXPECT_EQ(zweites->GetB(), c.get());
    ASSERT_EQ(c->KabelCount(), 1);
    EXPECT_EQ(c->GetKabel(0), erstes.get());
    EXPECT_EQ(s2->KabelCount(), 1);
    // Its length still uses both ends.
    EXPECT_EQ(zweites->Laenge(), 100.0L);
    // Destroying the refused cable leaves the full device's port alone.
    zweites.reset();
    ASSERT_EQ(c->KabelCount(), 1);
    EXPECT_EQ(c->GetKabel(0), erstes.get());
    EXPECT_EQ(s2->KabelCount(), 0);
}

TEST(Kabel, VolleSwitchNimmtKeinSiebtesKabel) {
    auto s = SwitchBei(0, 0);
    std::vector<std::shared_ptr<TKabel>> kabel;
    for (int i = 0; i < 7; ++i)
        kabel.push_back(TKabel::Create(s, std::make_shared<TComputer>(10 * i, 50)));
    ASSERT_EQ(s->KabelCount(), 6);
    EXPECT_EQ(s->GetKabel(5), kabel[5].get());
    EXPECT_EQ(kabel[6]->GetA(), s.get());
    EXPECT_EQ(kabel[6]->GetB()->KabelCount(), 1);
    // A freed port takes the next cable made, not the refused one.
    kabel[0].reset();
    EXPECT_EQ(s->KabelCount(), 5);
    auto neu = TKabel::Create(std::make_shared<TDrucker>(0, 90), s);
    EXPECT_EQ(s->GetKabel(5), neu.get());
}

TEST(Kabel, EndeUmsetzenStecktUm) {
    auto a = SwitchBei(0, 0);
    auto b = SwitchBei(30, 40);
    auto c = SwitchBei(60, 80);
    auto k = TKabel::Create(a, b);
    k->SetA(c);
    EXPECT_EQ(a->KabelCount(), 0);
    EXPECT_EQ(c->KabelCount(), 1);
    EXPECT_EQ(k->GetA(), c.get());
    EXPECT_EQ(k->Laenge(), 50.0L);
}

TEST(Kabel, SchleifeBelegtZweiPortsUndGibtBeideFrei) {
    auto s = SwitchBei(0, 0);
    auto k = TKabel::Create(s, s);
    EXPECT_EQ(s->KabelCount(), 2);
    EXPECT_EQ(k->Laenge(), 0.0L);
    EXPECT_EQ(k->AndereSeite(s.get()), s.get());
    k.reset();
    EXPECT_EQ(s->KabelCount(), 0);
}

TEST(Kabel, AndereSeite) {
    auto a = SwitchBei(0, 0);
    auto b = SwitchBei(1, 0);
    auto fremd = SwitchBei(2, 0);
    auto k = TKabel::Create(a, b);
    EXPECT_EQ(k->AndereSeite(a.get()), b.get());
    EXPECT_EQ(k->AndereSeite(b.get()), a.get());
    EXPECT_EQ(k->AndereSeite(fremd.get()), a.get());
    EXPECT_EQ(k->AndereSeiteZeiger(a.get()), b);
}

TEST(Kabel, LaengeGanzzahligeQuadrateUndLangeWurzel) {
    auto a = SwitchBei(100, 100);
    auto b = SwitchBei(103, 104);
    auto c = SwitchBei(101, 101);
    auto d = SwitchBei(2999, 0);
    auto e = SwitchBei(0, 2999);
    EXPECT_EQ(TKabel::Create(a, b)->Laenge(), 5.0L);
    EXPECT_EQ(TKabel::Create(b, a)->Laenge(), 5.0L);
    EXPECT_EQ(TKabel::Create(a, c)->Laenge(), std::sqrt(2.0L));
    EXPECT_NE(TKabel::Create(a, c)->Laenge(), static_cast<long double>(std::sqrt(2.0)));
    EXPECT_EQ(TKabel::Create(d, e)->Laenge(), std::sqrt(2.0L * 2999 * 2999));
    EXPECT_EQ(TKabel::Create(a, a)->Laenge(), 0.0L);
}

TEST(Kabel, LaengeUeberlaeuftNichtBeiExtremenKoordinaten) {
    auto a = SwitchBei(-2147483647 - 1, -2147483647 - 1);
    auto b = SwitchBei(2147483647, 2147483647);
    const long double l = TKabel::Create(a, b)->Laenge();
    EXPECT_NEAR(static_cast<double>(l), 4294967295.0 * std::sqrt(2.0), 1.0);
}

TEST(Kabel, AbstandVonDerGeraden) {
    auto a = SwitchBei(100, 100);
    auto b = SwitchBei(500, 400); // direction (4, 3), length 500
    auto k = TKabel::Create(a, b);
    EXPECT_EQ(k->Abstand(300, 250), 0.0);
    EXPECT_EQ(k->Abstand(301, 242), 7.0);
    EXPECT_DOUBLE_EQ(k->Abstand(300, 241), 7.2);
    // The infinite line: far beyond the end the distance is still 0.
    EXPECT_EQ(k->Abstand(900, 700), 0.0);
    auto h = TKabel::Create(SwitchBei(0, 0), SwitchBei(10, 0));
    EXPECT_EQ(h->Abstand(5, -3), 3.0);
    EXPECT_EQ(h->Abstand(50, 4), 4.0);
}

TEST(Kabel, AbstandOhneLaengeIstDerAbstandVomPunkt) {
    auto a = SwitchBei(50, 50);
    auto b = SwitchBei(50, 50);
    auto k = TKabel::Create(a, b);
    EXPECT_EQ(k->Abstand(50, 50), 0.0);
    EXPECT_EQ(k->Abstand(53, 54), 5.0);
    EXPECT_FALSE(std::isnan(k->Abstand(40, 40)));
}

TEST(KabelList, FindeBeiBisEinschliesslichSiebenPixel) {
    TKabelList l;
    auto k = Mach(l, SwitchBei(100, 100), SwitchBei(300, 100));
    EXPECT_EQ(l.FindeBei(200, 107), k.get());
    EXPECT_EQ(l.FindeBei(200, 93), k.get());
    EXPECT_EQ(l.FindeBei(200, 108), nullptr);
    EXPECT_EQ(l.FindeBei(200, 92), nullptr);

    TKabelList schraeg;
    auto d = Mach(schraeg, SwitchBei(100, 100), SwitchBei(500, 400));
    EXPECT_EQ(schraeg.FindeBei(301, 242), d.get()); // exactly 7.0
    EXPECT_EQ(schraeg.FindeBei(300, 241), nullptr); // 7.2
}

TEST(KabelList, FindeBeiNurInDerUmVierzehnGewachsenenBox) {
    TKabelList l;
    auto k = Mach(l, SwitchBei(300, 100), SwitchBei(100, 100));
    EXPECT_EQ(l.FindeBei(307, 100), k.get());
    EXPECT_EQ(l.FindeBei(308, 100), nullptr); // on the prolonged line, 8 beyond the end
    EXPECT_EQ(l.FindeBei(93, 100), k.get());
    EXPECT_EQ(l.FindeBei(92, 100), nullptr);

    TKabelList senkrecht;
    auto v = Mach(senkrecht, SwitchBei(50, 400), SwitchBei(50, 200));
    EXPECT_EQ(senkrecht.FindeBei(57, 193), v.get());
    EXPECT_EQ(senkrecht.FindeBei(50, 192), nullptr);
    EXPECT_EQ(senkrecht.FindeBei(50, 407), v.get());
    EXPECT_EQ(senkrecht.FindeBei(50, 408), nullptr);
    EXPECT_EQ(senkrecht.FindeBei(58, 300), nullptr);
}

TEST(KabelList, FindeBeiKabelOhneLaenge) {
    TKabelList l;
    auto k = Mach(l, SwitchBei(50, 50), SwitchBei(50, 50));
    EXPECT_EQ(l.FindeBei(50, 50), k.get());
    EXPECT_EQ(l.FindeBei(57, 50), k.get());
    EXPECT_EQ(l.FindeBei(50, 43), k.get());
    EXPECT_EQ(l.FindeBei(58, 50), nullptr);
    // Inside the box but farther than 7 from the point.
    EXPECT_EQ(l.FindeBei(55, 55), nullptr);
    EXPECT_EQ(l.FindeBei(57, 57), nullptr);
}

TEST(KabelList, FindeBeiNimmtAmKreuzungspunktDasSpaetere) {
    TKabelList l;
    auto waag = Mach(l, SwitchBei(0, 100), SwitchBei(200, 100));
    auto senk = Mach(l, SwitchBei(100, 0), SwitchBei(100, 200));
    auto weit = Mach(l, SwitchBei(0, 500), SwitchBei(200, 500));
    EXPECT_EQ(l.FindeBei(100, 100), senk.get());
    EXPECT_EQ(l.FindeBei(50, 100), waag.get());
    EXPECT_EQ(l.FindeBei(100, 500), weit.get());
    EXPECT_EQ(l.FindeBei(150, 150), nullptr);
}

TEST(KabelList, EntferneVonNimmtAlleKabelEinesGeraets) {
    TKabelList l;
    auto s = SwitchBei(0, 0);
    auto t = SwitchBei(100, 0);
    auto a = std::make_shared<TComputer>(0, 50);
    auto b = std::make_shared<TComputer>(0, 90);
    auto c = std::make_shared<TComputer>(100, 50);
    auto k1 = Mach(l, s, a);
    auto k2 = Mach(l, b, s); // s at the B end, next to k1
    auto k3 = Mach(l, t, c);
    auto k4 = Mach(l, s, t);
    auto k5 = Mach(l, s, s); // a loop counts once per end but goes once
    TKabel* bleibt = k3.get();
    TKabel* weg[] = {k1.get(), k2.get(), k4.get(), k5.get()};
    k1.reset(), k2.reset(), k3.reset(), k4.reset(), k5.reset();
    ASSERT_EQ(s->KabelCount(), 5);
    ASSERT_EQ(t->KabelCount(), 2);

    l.EntferneVon(s.get());
    ASSERT_EQ(l.Count(), 1);
    EXPECT_EQ(l.GetKabel(0), bleibt);
    EXPECT_EQ(s->KabelCount(), 0);
    EXPECT_EQ(a->KabelCount(), 0);
    EXPECT_EQ(b->KabelCount(), 0);
    ASSERT_EQ(t->KabelCount(), 1);
    EXPECT_EQ(t->GetKabel(0), bleibt);
    for (TKabel* k : weg)
        EXPECT_EQ(l.IndexVon(k), -1);
}

TEST(KabelList, ZugriffEntfernenUndIndexfehler) {
    TKabelList l;
    auto a = SwitchBei(0, 0);
    auto b = SwitchBei(10, 0);
    TKabel* k1 = Mach(l, a, b).get();
    TKabel* k2 = Mach(l, b, a).get();
    EXPECT_EQ(l.GetKabel(1), k2);
    EXPECT_EQ(l.IndexVon(k2), 1);
    try {
        l.GetKabel(2);
        FAIL();
    } catch (const EFehler& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    }
    l.Remove(k1); // the list held the only reference: the cable is gone and unplugged
    EXPECT_EQ(l.Count(), 1);
    EXPECT_EQ(a->KabelCount(), 1);
    EXPECT_EQ(a->GetKabel(0), k2);
    l.Clear();
    EXPECT_EQ(a->KabelCount(), 0);
    EXPECT_EQ(b->KabelCount(), 0);
}

#include "model/Komponente.h"
#include "model/Fehler.h"
#include "model/Kabel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace verbundo;

namespace {

template <class T>
std::shared_ptr<T> Neu(TKompList& liste, int x, int y, const char* ip = nullptr) {
    auto k = std::make_shared<T>(x, y);
    if (ip)
        k->SetIPText(ip);
    liste.Add(k);
    return k;
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

TEST(Komponente, DruckerNachDemAnlegen) {
    const TDrucker d(10, 20);
    EXPECT_EQ(d.GetX(), 10);
    EXPECT_EQ(d.GetY(), 20);
    EXPECT_EQ(d.GetMaxPorts(), 1);
    EXPECT_EQ(d.KabelCount(), 0);
    EXPECT_EQ(d.GetIP(), 0u);
    EXPECT_EQ(d.GetIPText(), "0.0.0.0");
    EXPECT_EQ(d.GetTyp(), "Druck");
    EXPECT_EQ(d.GetBild(), TBild::Drucker);
    EXPECT_EQ(d.Notiz(), "Nachricht wird gedruckt.");
    EXPECT_EQ(d.NaechstesKabel(d), nullptr);
}

TEST(Komponente, ComputerUndMailserver) {
    TComputer c(1, 2);
    EXPECT_EQ(c.GetMaxPorts(), 1);
    EXPECT_FALSE(c.IsMailserver());
    EXPECT_EQ(c.GetTyp(), "Comp.");
    EXPECT_EQ(c.GetBild(), TBild::Computer);
    EXPECT_EQ(c.Notiz(), "Nachricht angekommen.");
    EXPECT_NE(dynamic_cast<TDrucker*>(&c), nullptr); // a computer is a printer
    c.SetMailserver(true);
    EXPECT_TRUE(c.IsMailserver());
    EXPECT_EQ(c.GetBild(), TBild::Mailserver);
    EXPECT_EQ(c.Notiz(), "Nachricht auf Server gespeichert.");
    c.SetMailserver(false);
    EXPECT_EQ(c.GetBild(), TBild::Computer);
}

TEST(Komponente, SwitchUndRouter) {
    TSwitch s(3, 4);
    EXPECT_EQ(s.GetMaxPorts(), 6);
    EXPECT_FALSE(s.Hub);
    EXPECT_EQ(s.Routingtabelle.Count(), 0);
    EXPECT_EQ(s.GetTyp(), "Swit.");
    EXPECT_EQ(s.GetBild(), TBild::Switch);
    s.SetMaxPorts(24);
    EXPECT_EQ(s.GetMaxPorts(), 24);

    TRouter r(5, 6);
    EXPECT_EQ(r.GetMaxPorts(), 2);
    EXPECT_FALSE(r.Hub);
    EXPECT_EQ(r.GetIP2(), 0u);
    EXPECT_EQ(r.GetIP2Text(), "0.0.0.0");
    EXPECT_EQ(r.GetTyp(), "Rout.");
    EXPECT_EQ(r.GetBild(), TBild::Router);
    EXPECT_NE(dynamic_cast<TSwitch*>(&r), nullptr); // a router is a switch
}

TEST(Komponente, TypkennungenSindFuenfZeichenLang) {
    for (const std::string& t : {TDrucker(0, 0).GetTyp(), TComputer(0, 0).GetTyp(),
                                 TSwitch(0, 0).GetTyp(), TRouter(0, 0).GetTyp()})
        EXPECT_EQ(t.size(), 5u) << t;
}

TEST(Komponente, AdressSetzerBehaltenDenAltenWert) {
    TRouter r(0, 0);
    r.SetIPText("10.0.0.1");
    r.SetIP2Text("192.168.0.1");
    r.SetIPText("10.0.0");
    r.SetIP2Text("1.2.3.4.5");
    EXPECT_EQ(r.GetIPText(), "10.0.0.1");
    EXPECT_EQ(r.GetIP2Text(), "192.168.0.1");
    EXPECT_EQ(FehlerVon([&] { r.SetIPText("10.0.0.a"); }), "'a' is not a valid integer value");
    EXPECT_EQ(FehlerVon([&] { r.SetIP2Text("1.2.3."); }), "'' is not a valid integer value");
    EXPECT_EQ(r.GetIPText(), "10.0.0.1");
    EXPECT_EQ(r.GetIP2Text(), "192.168.0.1");
    r.SetIPText("1.2.3.256");
    EXPECT_EQ(r.GetIPText(), "1.2.4.0");
}

TEST(Komponente, PortZugriffAusserhalbMeldetIndexfehler) {
    auto a = std::make_shared<TComputer>(0, 0);
    auto b = std::make_shared<TSwitch>(50, 0);
    auto k = TKabel::Create(a, b);
    EXPECT_EQ(a->GetKabel(0), k.get());
    EXPECT_EQ(FehlerVon([&] { a->GetKabel(1); }), "List index out of bounds (1)");
    EXPECT_EQ(FehlerVon([&] { b->GetKabel(-1); }), "List index out of bounds (-1)");
}

TEST(Komponente, DruckerSendetImmerUeberPortNull) {
    auto c = std::make_shared<TComputer>(0, 0);
    auto s = std::make_shared<TSwitch>(50, 0);
    auto ziel = std::make_shared<TDrucker>(90, 0);
    EXPECT_EQ(c->NaechstesKabel(*ziel), nullptr);
    auto k = TKabel::Create(c, s);
    EXPECT_EQ(c->NaechstesKabel(*ziel), k.get());
    EXPECT_EQ(c->NaechstesKabel(*c), k.get());
}

TEST(Komponente, RoutingtabelleFindetDieLetzteRoute) {
    auto s = std::make_shared<TSwitch>(0, 0);
    auto a = std::make_shared<TComputer>(50, 0);
    auto b = std::make_shared<TComputer>(0, 50);
    auto ka = TKabel::Create(s, a);
    auto kb = TKabel::Create(s, b);
    TRoutingList& t = s->Routingtabelle;
    t.Add(0x0A000001u, ka);
    t.Add(0x0A000002u, kb);
    t.Add(0x0A000001u, kb);
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.FindeKabel(0x0A000001u), kb.get());
    EXPECT_EQ(t.FindeKabel(0x0A000002u), kb.get());
    EXPECT_EQ(t.FindeKabel(0x0A000003u), nullptr);
    EXPECT_EQ(t.GetRoute(0).Ziel, 0x0A000001u);
    EXPECT_EQ(t.GetRoute(0).Kabel.lock(), ka);

    // The switch forwards by the destination's address alone.
    a->SetIPText("10.0.0.2");
    EXPECT_EQ(s->NaechstesKabel(*a), kb.get());
    a->SetIPText("10.0.0.9");
    EXPECT_EQ(s->NaechstesKabel(*a), nullptr);

    t.Leeren();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.FindeKabel(0x0A000001u), nullptr);
}

TEST(Komponente, RouteAufZerstoertesKabelFindetNichts) {
    auto s = std::make_shared<TSwitch>(0, 0);
    auto a = std::make_shared<TComputer>(50, 0);
    auto k = TKabel::Create(s, a);
    s->Routingtabelle.Add(7, k);
    k.reset();
    EXPECT_EQ(s->Routingtabelle.FindeKabel(7), nullptr);
}

TEST(KompList, FindeIPNimmtDenLetztenTreffer) {
    TKompList l;
    auto a = Neu<TComputer>(l, 0, 0, "10.0.0.1");
    auto b = Neu<TDrucker>(l, 0, 0, "10.0.0.2");
    auto c = Neu<TComputer>(l, 0, 0, "10.0.0.1");
    EXPECT_EQ(l.FindeIP("10.0.0.1"), c.get());
    EXPECT_EQ(l.FindeIP("10.0.0.2"), b.get());
    EXPECT_EQ(l.FindeIP("10.0.0.3"), nullptr);
    // Text comparison: only the canonical form matches.
    EXPECT_EQ(l.FindeIP("10.0.0.01"), nullptr);
    EXPECT_EQ(l.FindeIP(" 10.0.0.1"), nullptr);
    EXPECT_EQ(l.FindeIP(""), nullptr);
    (void)a;
}

TEST(KompList, FindeIPKenntDieZweiteRouteradresse) {
    TKompList l;
    auto c = Neu<TComputer>(l, 0, 0, "192.168.0.1");
    auto r = Neu<TRouter>(l, 0, 0, "10.0.0.1");
    r->SetIP2Text("192.168.0.1");
    auto d = Neu<TDrucker>(l, 0, 0, "10.0.0.1");
    EXPECT_EQ(l.FindeIP("192.168.0.1"), r.get()); // later than the computer
    EXPECT_EQ(l.FindeIP("10.0.0.1"), d.get());    // later than the router
    (void)c;
}

TEST(KompList, NullAdresseFindetDasLetzteGeraetOhneAdresse) {
    TKompList l;
    auto c = Neu<TComputer>(l, 0, 0);
    auto r = Neu<TRouter>(l, 0, 0, "10.0.0.1"); // IP2 still 0
    auto p = Neu<TDrucker>(l, 0, 0, "10.0.0.2");
    EXPECT_EQ(l.FindeIP("0.0.0.0"), r.get());
    auto s = Neu<TSwitch>(l, 0, 0); // a plain switch never has an address
    EXPECT_EQ(l.FindeIP("0.0.0.0"), s.get());
    (void)c;
    (void)p;
}

TEST(KompList, FindeBeiStrengInnerhalbVon16Pixeln) {
    TKompList l;
    auto a = Neu<TComputer>(l, 100, 100);
    EXPECT_EQ(l.FindeBei(115, 100), a.get());
    EXPECT_EQ(l.FindeBei(116, 100), nullptr);
    EXPECT_EQ(l.FindeBei(85, 100), a.get());
    EXPECT_EQ(l.FindeBei(84, 100), nullptr);
    EXPECT_EQ(l.FindeBei(100, 115), a.get());
    EXPECT_EQ(l.FindeBei(100, 116), nullptr);
    EXPECT_EQ(l.FindeBei(100, 84), nullptr);
    EXPECT_EQ(l.FindeBei(115, 85), a.get());
    EXPECT_EQ(l.FindeBei(116, 116), nullptr);
}

TEST(KompList, FindeBeiNimmtDasSpaetereGeraet) {
    TKompList l;
    auto a = Neu<TComputer>(l, 100, 100);
    auto b = Neu<TSwitch>(l, 110, 100);
    EXPECT_EQ(l.FindeBei(105, 100), b.get());
    EXPECT_EQ(l.FindeBei(90, 100), a.get());
    EXPECT_EQ(l.FindeBei(125, 100), b.get());
}

TEST(KompList, IndexEntfernenUndFehler) {
    TKompList l;
    auto a = Neu<TComputer>(l, 0, 0);
    auto b = Neu<TSwitch>(l, 0, 0);
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l.GetKomponente(1), b.get());
    EXPECT_EQ(l.IndexVon(b.get()), 1);
    EXPECT_EQ(FehlerVon([&] { l.GetKomponente(2); }), "List index out of bounds (2)");
    const auto weg = l.Remove(a.get());
    EXPECT_EQ(weg, a);
    EXPECT_EQ(l.Count(), 1);
    EXPECT_EQ(l.GetKomponente(0), b.get());
    EXPECT_EQ(l.IndexVon(a.get()), -1);
    EXPECT_EQ(l.Remove(a.get()), nullptr);
}

TEST(Komponente, RoutingtabelleAmOrtNeuAufbauen) {
    auto s = std::make_shared<TSwitch>(0, 0);
    auto a = std::make_shared<TComputer>(50, 0);
    auto b = std::make_shared<TComputer>(0, 50);
    auto ka = TKabel::Create(s, a);
    auto kb = TKabel::Create(s, b);
    TRoutingList& t = s->Routingtabelle;
    t.Add(1, ka);
    t.Add(2, ka);
    t.Add(3, kb);
    // As Leeren followed by Add(7, kb), Add(2, ka) would leave it.
    t.Ersetze(0, 7, kb);
    t.Ersetze(1, 2, ka);
    t.Kuerze(2);
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.GetRoute(0).Ziel, 7u);
    EXPECT_EQ(t.GetRoute(0).Kabel.lock(), kb);
    EXPECT_EQ(t.GetRoute(1).Ziel, 2u);
    EXPECT_EQ(t.GetRoute(1).Kabel.lock(), ka);
    t.Ersetze(2, 9, ka); // one past the end appends
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.FindeKabel(9), ka.get());
    t.Kuerze(5); // longer than the table: nothing happens
    EXPECT_EQ(t.Count(), 3);
    t.Kuerze(0);
    EXPECT_EQ(t.Count(), 0);
}

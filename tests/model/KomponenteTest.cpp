#include "model/Komponente.h"
#include "Aufzeichner.h"
#include "model/Fehler.h"
#include "model/Kabel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace verbundo;

namespace {

template <class T> T* Neu(TKompList& liste, int x, int y, const char* ip = nullptr) {
    auto k = std::make_shared<T>(x, y);
    if (ip)
        k->SetIPText(ip);
    liste.Add(k);
    return k.get();
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

TEST(Komponente, ArtenNachDemAnlegen) {
    TDrucker d(10, 20);
    TComputer c(0, 0);
    TSwitch s(0, 0);
    TRouter r(0, 0);
    std::vector<std::string> steckbriefe;
    for (const TKomponente* k : std::initializer_list<const TKomponente*>{&d, &c, &s, &r})
        steckbriefe.push_back(k->GetTyp() + " " + std::to_string(k->GetMaxPorts()) + " " +
                              test::TAufzeichner::Name(k->GetBild()) + " " + k->GetIPText() + " " +
                              std::to_string(k->KabelCount()));
    EXPECT_EQ(steckbriefe,
              (std::vector<std::string>{"Druck 1 Drucker 0.0.0.0 0", "Comp. 1 Computer 0.0.0.0 0",
                                        "Swit. 6 Switch 0.0.0.0 0", "Rout. 2 Router 0.0.0.0 0"}));
    EXPECT_EQ(d.GetX() * 100 + d.GetY(), 1020);
    EXPECT_EQ(d.Notiz(), "Nachricht wird gedruckt.");
    EXPECT_EQ(c.Notiz(), "Nachricht angekommen.");
    EXPECT_FALSE(s.Hub || r.Hub);
    EXPECT_EQ(r.GetIP2Text(), "0.0.0.0");
    c.SetMailserver(true);
    EXPECT_EQ(c.GetBild(), TBild::Mailserver);
    EXPECT_EQ(c.Notiz(), "Nachricht auf Server gespeichert.");
    c.SetMailserver(false);
    EXPECT_EQ(c.GetBild(), TBild::Computer);
}

TEST(Komponente, AdressSetzerBehaltenDenAltenWert) {
    TRouter r(0, 0);
    r.SetIPText("10.0.0.1");
    r.SetIP2Text("192.168.0.1");
    r.SetIPText("10.0.0");
    r.SetIP2Text("1.2.3.4.5");
    EXPECT_EQ(FehlerVon([&] { r.SetIPText("10.0.0.a"); }), "'a' is not a valid integer value");
    EXPECT_EQ(FehlerVon([&] { r.SetIP2Text("1.2.3."); }), "'' is not a valid integer value");
    EXPECT_EQ(r.GetIPText(), "10.0.0.1");
    EXPECT_EQ(r.GetIP2Text(), "192.168.0.1");
    r.SetIPText("1.2.3.256");
    EXPECT_EQ(r.GetIPText(), "1.2.4.0");
}

TEST(Komponente, PortsUndNaechstesKabel) {
    auto c = std::make_shared<TComputer>(0, 0);
    auto s = std::make_shared<TSwitch>(50, 0);
    auto ziel = std::make_shared<TDrucker>(90, 0);
    EXPECT_EQ(c->NaechstesKabel(*ziel), nullptr);
    auto k = TKabel::Create(c, s);
    // An end device always sends over port 0.
    EXPECT_EQ(c->NaechstesKabel(*ziel), k.get());
    EXPECT_EQ(c->NaechstesKabel(*c), k.get());
    EXPECT_EQ(FehlerVon([&] { c->GetKabel(1); }), "List index out of bounds (1)");
    EXPECT_EQ(FehlerVon([&] { s->GetKabel(-1); }), "List index out of bounds (-1)");
}

TEST(Komponente, RoutingtabelleLetzteRouteErsetzenKuerzen) {
    auto s = std::make_shared<TSwitch>(0, 0);
    auto a = std::make_shared<TComputer>(50, 0);
    auto b = std::make_shared<TComputer>(0, 50);
    auto ka = TKabel::Create(s, a);
    auto kb = TKabel::Create(s, b);
    TRoutingList& t = s->Routingtabelle;
    t.Add(1, ka);
    t.Add(2, kb);
    t.Add(1, kb);
    EXPECT_EQ(t.FindeKabel(1), kb.get());
    EXPECT_EQ(t.FindeKabel(3), nullptr);
    // The switch forwards by the destination's address alone.
    a->SetIPText("0.0.0.2");
    EXPECT_EQ(s->NaechstesKabel(*a), kb.get());
    a->SetIPText("0.0.0.9");
    EXPECT_EQ(s->NaechstesKabel(*a), nullptr);
    // Rebuilt in place, as Leeren followed by Add(7, kb), Add(2, ka) would leave it.
    t.Ersetze(0, 7, kb);
    t.Ersetze(1, 2, ka);
    t.Kuerze(2);
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.GetRoute(0).Ziel, 7u);
    EXPECT_EQ(t.GetRoute(0).Kabel.lock(), kb);
    EXPECT_EQ(t.GetRoute(1).Ziel, 2u);
    EXPECT_EQ(t.GetRoute(1).Kabel.lock(), ka);
    t.Ersetze(2, 9, ka); // one past the end appends
    t.Kuerze(5);         // longer than the table: nothing happens
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.FindeKabel(9), ka.get());
    ka.reset(); // a route on a destroyed cable finds nothing
    EXPECT_EQ(t.FindeKabel(9), nullptr);
    t.Leeren();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.FindeKabel(7), nullptr);
}

TEST(KompList, FindeIPNimmtDenLetztenTreffer) {
    TKompList l;
    Neu<TComputer>(l, 0, 0, "10.0.0.1");
    Neu<TComputer>(l, 0, 0); // address 0
    auto* r = Neu<TRouter>(l, 0, 0, "10.0.0.3");
    EXPECT_EQ(l.FindeIP("0.0.0.0"), r); // its IP2 is still 0
    r->SetIP2Text("10.0.0.1");
    EXPECT_EQ(l.FindeIP("10.0.0.1"), r); // IP2, later than the computer
    auto* d = Neu<TDrucker>(l, 0, 0, "10.0.0.1");
    EXPECT_EQ(l.FindeIP("10.0.0.1"), d);
    EXPECT_EQ(l.FindeIP("10.0.0.3"), r);
    EXPECT_EQ(l.FindeIP("10.0.0.4"), nullptr);
    auto* s = Neu<TSwitch>(l, 0, 0); // a plain switch never has an address
    EXPECT_EQ(l.FindeIP("0.0.0.0"), s);
    // Text comparison: only the canonical form matches.
    for (const char* t : {"10.0.0.01", " 10.0.0.1", ""})
        EXPECT_EQ(l.FindeIP(t), nullptr) << t;
}

TEST(KompList, FindeBeiStrengInnerhalbVon16Pixeln) {
    TKompList l;
    auto* a = Neu<TComputer>(l, 100, 100);
    for (auto [x, y] : {std::pair{115, 100}, {85, 100}, {100, 115}, {115, 85}})
        EXPECT_EQ(l.FindeBei(x, y), a) << x << "," << y;
    for (auto [x, y] : {std::pair{116, 100}, {84, 100}, {100, 116}, {100, 84}, {116, 116}})
        EXPECT_EQ(l.FindeBei(x, y), nullptr) << x << "," << y;
    auto* b = Neu<TSwitch>(l, 110, 100); // the later one wins where both are
    EXPECT_EQ(l.FindeBei(105, 100), b);
    EXPECT_EQ(l.FindeBei(90, 100), a);
    EXPECT_EQ(l.FindeBei(125, 100), b);
}

TEST(KompList, IndexEntfernenUndFehler) {
    TKompList l;
    auto* a = Neu<TComputer>(l, 0, 0);
    auto* b = Neu<TSwitch>(l, 0, 0);
    EXPECT_EQ(l.IndexVon(b), 1);
    EXPECT_EQ(FehlerVon([&] { l.GetKomponente(2); }), "List index out of bounds (2)");
    const auto weg = l.Remove(a);
    EXPECT_EQ(weg.get(), a);
    EXPECT_EQ(l.Count(), 1);
    EXPECT_EQ(l.GetKomponente(0), b);
    EXPECT_EQ(l.IndexVon(a), -1);
    EXPECT_EQ(l.Remove(a), nullptr);
}

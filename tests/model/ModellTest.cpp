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

// The editor never replugs a cable; the model still keeps ports and ends together.
TEST(Modell, UmsteckenUndSchleifen) {
    auto s = Sw(0, 0), b = Sw(20, 0), c = Sw(30, 40);
    auto k = TKabel::Create(b, s);
    k->SetA(c);
    EXPECT_EQ(b->KabelCount(), 0);
    EXPECT_EQ(c->Ports(), std::vector<TKabel*>{k.get()});
    EXPECT_EQ(k->Laenge(), 50.0L);
    auto schleife = TKabel::Create(s, s); // takes two ports and frees both
    EXPECT_EQ(s->KabelCount(), 3);
    schleife.reset();
    EXPECT_EQ(s->Ports(), std::vector<TKabel*>{k.get()});
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
    l.Add(TKabel::Create(Sw(600, 300), Sw(600, 100))); // upright: the box's ends along y
    EXPECT_EQ(treffer({{600, 93}, {600, 92}, {600, 307}, {600, 308}}), "1010");
    EXPECT_THROW(l.Get(l.Count()), EFehler);
    l.Add(TKabel::Create(Sw(50, 50), Sw(50, 50)));
    EXPECT_EQ(treffer({{57, 50}, {50, 43}, {58, 50}, {55, 55}, {57, 57}}), "11000");
    l.Add(TKabel::Create(Sw(2147483647, 2147483647), Sw(2147483640, 2147483647)));
    EXPECT_EQ(treffer({{2147483647, 2147483640}, {-2147483647 - 1, 0}}), "10");
}

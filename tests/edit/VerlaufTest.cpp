// The history within its memory budget, tables given back with their index, and a step that
// fails in any way still ends.

#include "edit/Verlauf.h"
#include "Still.h"

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

// A chain of switches that grows by one at every step: every table changes every time.
TEST(Verlauf, HaeltSichAnsBudgetUndGibtTabellenMitIndexZurueck) {
    const auto lauf = [](std::size_t budget, int schritte) {
        TNetz netz;
        TKomponente* letzter = netz.Neu<TComputer>(10, 10);
        TVerlauf v(budget);
        for (int i = 0; i < schritte; ++i) {
            v.Beginne(TAufnahme(netz, UGeraete | UKabel | UTabellen,
                                {netz.Komponentenliste.ZeigerVon(letzter)}, {}));
            TKomponente* neu = netz.Neu<TSwitch>(20 + i, 10);
            netz.Verbinde(letzter, neu);
            letzter = neu;
            netz.BerechneRouting();
            EXPECT_TRUE(v.Beende(netz));
            EXPECT_TRUE(v.Schritte() == 1 || v.Speicher(netz) <= budget) << i;
        }
        return std::pair(v.Schritte(), v.Speicher(netz));
    };
    const auto [alle, speicher] = lauf(TVerlauf::Budget, 60);
    EXPECT_EQ(alle, 60u);
    const std::size_t klein = speicher / 4;
    const auto [wenige, wenig] = lauf(klein, 60);
    EXPECT_GT(wenige, 1u);
    EXPECT_LT(wenige, 60u);
    EXPECT_LE(wenig, klein);
    EXPECT_EQ(lauf(1, 5).first, 1u); // the newest step stays, whatever it costs

    // Undone, a table is the very one it was, index included: lookups stay fast.
    TNetz netz;
    auto* s = netz.Neu<TSwitch>(100, 100);
    netz.Verbinde(netz.Neu<TComputer>(50, 100), s);
    netz.BerechneRouting();
    const TRoutingList::TStand vorher = s->Routingtabelle.Stand();
    ASSERT_NE(vorher.Index, nullptr);
    TVerlauf v;
    v.Beginne(
        TAufnahme(netz, UGeraete | UKabel | UTabellen, {netz.Komponentenliste.GetZeiger(0)}, {}));
    netz.Verbinde(netz.Neu<TComputer>(150, 100), s);
    netz.BerechneRouting();
    ASSERT_TRUE(v.Beende(netz));
    const TRoutingList::TStand nachher = s->Routingtabelle.Stand();
    ASSERT_TRUE(v.Rueckgaengig(netz));
    EXPECT_TRUE(s->Routingtabelle.Stand() == vorher);
    ASSERT_TRUE(v.Wiederholen(netz));
    EXPECT_TRUE(s->Routingtabelle.Stand() == nachher);

    // Copy on write with exactly two holders: no write reaches the table kept aside, and a
    // rewrite that finds the same routes goes back to sharing it.
    TRoutingList t;
    const auto& kabel = netz.Kabelliste.GetZeiger(0);
    t.Add(1, kabel);
    const TRoutingList::TStand eins = t.Stand();
    t.Add(2, kabel);
    EXPECT_EQ(eins.Routen->size(), 1u);
    const TRoutingList::TStand zwei = t.Stand();
    const auto schreibe = [&](TAdresse zweites) {
        t.Reserviere(2);
        t.Ersetze(0, 1, kabel);
        t.Ersetze(1, zweites, kabel);
        t.SetzeIndex(nullptr, -1);
    };
    schreibe(2);
    EXPECT_TRUE(t.Stand() == zwei);
    schreibe(3);
    EXPECT_EQ(zwei.Routen->at(1).Ziel, 2u);
    EXPECT_EQ(t.GetRoute(1).Ziel, 3u);
    // Without an index the table is scanned.
    EXPECT_EQ(t.FindeKabel(3), kabel.get());
    EXPECT_EQ(t.FindeKabel(2), nullptr);
}

// Whatever an action throws, its step ends: undo stays usable and the error is shown once.
TEST(Verlauf, EinFremderFehlerBeendetDenSchritt) {
    TStill s;
    s.Klick(TWerkzeug::Computer, 100, 100);
    s.E.Waehle(s.E.Netz().Komponentenliste.GetKomponente(0));
    s.Eingabe_ = []() -> std::string { throw 42; };
    EXPECT_NO_THROW(s.E.Fuehre(TMenuepunkt::Ip));
    EXPECT_EQ(s.Fehlermeldungen,
              std::vector<std::string>{"Unerwarteter Fehler; der Vorgang wurde abgebrochen."});
    EXPECT_TRUE(s.E.KannRueckgaengig());
    EXPECT_TRUE(s.E.Rueckgaengig());
    EXPECT_EQ(s.E.Netz().Komponentenliste.Count(), 0);
}

} // namespace
} // namespace verbundo::test

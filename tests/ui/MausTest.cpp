#include "Testhilfe.h"

#include <typeinfo>

namespace verbundo::test {
namespace {

using MausTest = TMausFenster;

TEST_F(MausTest, PlacesEachKindAtTheReleasePointAndSelectsIt) {
    const std::pair<TWerkzeug, const std::type_info&> faelle[] = {
        {TWerkzeug::Computer, typeid(TComputer)},
        {TWerkzeug::Drucker, typeid(TDrucker)},
        {TWerkzeug::Switch, typeid(TSwitch)},
        {TWerkzeug::Router, typeid(TRouter)}};
    for (int i = 0; i < 4; ++i) {
        TKomponente* k = Platziere(faelle[i].first, {300 + 100 * i, 400});
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(typeid(*k), faelle[i].second);
        EXPECT_EQ(k->GetX(), 300 + 100 * i);
        EXPECT_EQ(k->GetY(), 400);
        EXPECT_EQ(F->Komponentenliste.GetKomponente(i), k);
    }
    // Pressed, dragged and released elsewhere: the release point counts.
    F->SetWerkzeug(TWerkzeug::Computer);
    Geste({700, 600}, {740, 640});
    ASSERT_EQ(F->Komponentenliste.Count(), 5);
    EXPECT_EQ(F->AktKomponente, F->Komponentenliste.GetKomponente(4));
    EXPECT_EQ(Pos(F->AktKomponente), (TPunkt{740, 640}));

    // Tools that create nothing only clear the selection.
    for (TWerkzeug w : {TWerkzeug::Verschieben, TWerkzeug::Netzwerkkabel}) {
        F->SetWerkzeug(w);
        Klick({900, 900});
        EXPECT_EQ(F->AktKomponente, nullptr);
        EXPECT_EQ(F->Komponentenliste.Count(), 5);
        EXPECT_EQ(F->Modus, 0);
    }
}

TEST_F(MausTest, LeftPressMovesTheDeviceAndRightPressOnlySelects) {
    TKomponente* k = F->Netz.Neu<TComputer>(400, 300);
    TKomponente* anderer = F->Netz.Neu<TDrucker>(800, 300);

    Druecke({410, 306});
    EXPECT_EQ(F->Modus, 1);
    EXPECT_EQ(F->AktKomponente, k);
    Ziehe({500, 420});
    // The centre jumps to the pointer; the grab offset is dropped.
    EXPECT_EQ(Pos(k), (TPunkt{500, 420}));
    Lasse({500, 420});
    EXPECT_EQ(F->Modus, 0);
    EXPECT_EQ(F->Komponentenliste.Count(), 2);
    EXPECT_EQ(F->AktKomponente, k);

    Druecke({800, 300}, Qt::RightButton);
    EXPECT_EQ(F->AktKomponente, anderer);
    EXPECT_EQ(F->Modus, 0);
    Ziehe({900, 600}, Qt::RightButton);
    EXPECT_EQ(Pos(anderer), (TPunkt{800, 300}));
    Lasse({900, 600}, Qt::RightButton);
    EXPECT_EQ(F.Dialoge.MenueAufrufe.size(), 1u);
    EXPECT_EQ(F->AktKomponente, anderer);

    // Released beyond the view: no menu.
    Druecke({800, 300}, Qt::RightButton);
    QTest::mouseRelease(F->Anzeige, Qt::RightButton, {}, QPoint(-20, 30));
    EXPECT_EQ(F.Dialoge.MenueAufrufe.size(), 1u);
    EXPECT_EQ(F->Modus, 0);
}

TEST_F(MausTest, CableJoinsTwoDevicesOrGivesTheLimitMessageAtPressOrRelease) {
    TKomponente* p = F->Netz.Neu<TComputer>(300, 300);
    auto* s = F->Netz.Neu<TSwitch>(600, 300);
    TKomponente* q = F->Netz.Neu<TComputer>(600, 600);
    TKomponente* voll = F->Netz.Neu<TDrucker>(900, 300);
    F->Netz.Verbinde(voll, F->Netz.Neu<TDrucker>(900, 600));
    p->SetIPText("10.0.0.1");
    q->SetIPText("10.0.0.2");
    F->SetWerkzeug(TWerkzeug::Netzwerkkabel);

    // At the press: the gesture never starts, so the release is a click with the cable tool.
    Druecke({900, 300});
    EXPECT_EQ(F.Dialoge.Informationen, std::vector<QString>{Grenztext()});
    EXPECT_EQ(F->Modus, 0);
    EXPECT_EQ(F->AktKomponente, voll);
    Lasse({900, 300});
    EXPECT_EQ(F->AktKomponente, nullptr);
    EXPECT_EQ(F->Komponentenliste.Count(), 5);
    // At the release: empty canvas, the start device itself, a full device.
    for (TPunkt ziel : {TPunkt{450, 450}, TPunkt{300, 300}, TPunkt{900, 300}}) {
        F.Dialoge.Informationen.clear();
        Geste({300, 300}, ziel);
        EXPECT_EQ(F.Dialoge.Informationen, std::vector<QString>{Grenztext()});
        EXPECT_EQ(F->Kabelliste.Count(), 1);
        EXPECT_EQ(F->Modus, 0);
    }
    EXPECT_EQ(p->KabelCount(), 0);

    F.Dialoge.Informationen.clear();
    Druecke({300, 300});
    EXPECT_EQ(F->Modus, 2);
    Ziehe({450, 250});
    EXPECT_EQ(F->Startpunkt, (TPunkt{450, 250})); // the rubber band's free end
    Lasse({604, 296});
    ASSERT_EQ(F->Kabelliste.Count(), 2);
    TKabel* pk = F->Kabelliste.GetKabel(1);
    EXPECT_EQ(pk->GetA(), p);
    EXPECT_EQ(pk->GetB(), s);
    EXPECT_EQ(F->AktKomponente, s);
    EXPECT_EQ(s->Routingtabelle.FindeKabel(p->GetIP()), pk);
    Geste({600, 600}, {600, 300});
    ASSERT_EQ(F->Kabelliste.Count(), 3);
    EXPECT_EQ(F->Kabelliste.GetKabel(2)->GetA(), q);
    EXPECT_EQ(s->Routingtabelle.FindeKabel(q->GetIP()), F->Kabelliste.GetKabel(2));
    EXPECT_TRUE(F.Dialoge.Informationen.empty());
}

TEST_F(MausTest, SubnetIsDrawnFromAnyCornerWithItsMinimumSize) {
    F->SetWerkzeug(TWerkzeug::Subnetz);
    Druecke({150, 110});
    EXPECT_EQ(F->Modus, 4);
    Ziehe({100, 100});
    EXPECT_EQ(F->Endpunkt, (TPunkt{100, 100}));
    Lasse({100, 100});
    Geste({600, 500}, {300, 700});
    Klick({800, 800});
    ASSERT_EQ(F->Subnetzliste.size(), 3u);
    EXPECT_EQ(F->Subnetzliste[0]->GetRect(), (TRect{100, 100, 210, 130}));
    EXPECT_EQ(F->Subnetzliste[1]->GetRect(), (TRect{300, 500, 600, 700}));
    EXPECT_EQ(F->Subnetzliste[2]->GetRect(), (TRect{800, 800, 910, 830}));
    EXPECT_EQ(F->AktSubnetz, F->Subnetzliste[2].get());
    EXPECT_EQ(F->Komponentenliste.Count(), 0);
}

TEST_F(MausTest, EdgesAreDraggedNoCloserThanTheMinimumFromTheirZones) {
    TSubnet* s = F->Netz.NeuesSubnetz({100, 100, 300, 200});
    F->SetWerkzeug(TWerkzeug::Verschieben);
    struct Fall {
        TPunkt druck;
        int modus;
        TPunkt ziel;
        TRect ergebnis;
    };
    const Fall faelle[] = {
        {{300, 150}, 14, {150, 150}, {100, 100, 210, 200}},
        {{300, 150}, 14, {400, 150}, {100, 100, 400, 200}},
        {{260, 100}, 11, {260, 190}, {100, 170, 300, 200}},
        {{260, 200}, 12, {260, 110}, {100, 100, 300, 130}},
        {{100, 150}, 13, {290, 150}, {190, 100, 300, 200}},
        {{100, 150}, 13, {40, 150}, {40, 100, 300, 200}},
    };
    for (const Fall& f : faelle) {
        s->SetRect({100, 100, 300, 200});
        Druecke(f.druck);
        EXPECT_EQ(F->Modus, f.modus);
        EXPECT_EQ(F->AktSubnetz, s);
        Ziehe(f.ziel);
        Lasse(f.ziel);
        EXPECT_EQ(s->GetRect(), f.ergebnis) << "modus " << f.modus;
        EXPECT_EQ(F->Modus, 0);
    }

    s->SetRect({100, 100, 300, 200});
    auto modus = [&](TPunkt p) {
        Druecke(p);
        const int m = F->Modus;
        Lasse(p);
        return m;
    };
    EXPECT_EQ(modus({100, 100}), 10); // the label zone wins over both edges
    EXPECT_EQ(modus({300, 100}), 14);
    EXPECT_EQ(modus({100, 200}), 13);
    EXPECT_EQ(modus({300, 200}), 14);
    EXPECT_EQ(modus({200, 150}), 0);
    EXPECT_EQ(F->AktSubnetz, nullptr);

    s->SetRect({300, 105, 500, 205});
    EXPECT_EQ(modus({400, 100}), 11); // 5 pixels above the top edge
    s->SetRect({300, 106, 500, 206});
    EXPECT_EQ(modus({400, 100}), 0); // 6 pixels above

    // Overlapping subnets: the first in the list keeps the selection.
    s->SetRect({100, 100, 300, 200});
    TSubnet* t = F->Netz.NeuesSubnetz({100, 100, 300, 200});
    EXPECT_EQ(modus({260, 100}), 11);
    EXPECT_EQ(F->AktSubnetz, s);
    EXPECT_EQ(modus({300, 300}), 0);
    EXPECT_EQ(F->AktSubnetz, nullptr); // not the last one tried
    EXPECT_EQ(F->Subnetzliste.back().get(), t);

    // Inside, away from edges and label: a device tool places a device, the subnet stays
    // unselected.
    F->SetWerkzeug(TWerkzeug::Drucker);
    Klick({200, 160});
    EXPECT_EQ(F->AktSubnetz, nullptr);
    ASSERT_EQ(F->Komponentenliste.Count(), 1);
    EXPECT_EQ(F->AktKomponente->GetX(), 200);
}

TEST_F(MausTest, LabelZoneMovesTheSubnetWithAnyButton) {
    TSubnet* s = F->Netz.NeuesSubnetz({100, 100, 300, 200});
    F->SetWerkzeug(TWerkzeug::Computer);
    Geste({110, 110}, {150, 130});
    EXPECT_EQ(s->GetRect(), (TRect{140, 120, 340, 220}));
    EXPECT_EQ(F->Komponentenliste.Count(), 0);

    Druecke({150, 130}, Qt::RightButton);
    EXPECT_EQ(F->Modus, 10);
    Ziehe({170, 150}, Qt::RightButton);
    Ziehe({250, 250}, Qt::RightButton);
    EXPECT_EQ(s->GetRect(), (TRect{240, 240, 440, 340}));
    // A second button is ignored while the gesture runs; any release ends it.
    Druecke({600, 600}, Qt::LeftButton);
    EXPECT_EQ(F->Modus, 10);
    EXPECT_EQ(F->AktSubnetz, s);
    Lasse({250, 250}, Qt::RightButton);
    EXPECT_EQ(F->Modus, 0);
    ASSERT_EQ(F.Dialoge.MenueAufrufe.size(), 1u);
    EXPECT_TRUE(F.Dialoge.MenueAufrufe[0].contains("Netz ID festlegen"));
    Ziehe({400, 400});
    EXPECT_EQ(s->GetRect(), (TRect{240, 240, 440, 340}));
    Lasse({400, 400});
}

TEST_F(MausTest, GesturesKeepEverythingOnTheSurface) {
    TKomponente* k = F->Netz.Neu<TComputer>(400, 300);
    TSubnet* s = F->Netz.NeuesSubnetz({300, 500, 500, 600});
    TSubnet* s2 = F->Netz.NeuesSubnetz({300, 700, 500, 800});
    F->SetWerkzeug(TWerkzeug::Verschieben);

    // Beyond the view's top-left corner: the pointer is still grabbed.
    Druecke({400, 300});
    ZieheAnsicht({-200, -300});
    EXPECT_EQ(Pos(k), (TPunkt{0, 0}));
    Lasse({100, 50});

    Druecke({310, 510});
    ZieheAnsicht({-400, -400});
    EXPECT_EQ(s->GetRect(), (TRect{0, 0, 200, 100})); // as far as it goes, same size
    Lasse({100, 50});

    Druecke({300, 750});
    ASSERT_EQ(F->Modus, 13);
    ZieheAnsicht({-100, 0});
    EXPECT_EQ(s2->GetRect(), (TRect{0, 700, 500, 800}));
    Lasse({100, 50});

    // At zoom 600 the surface ends inside the view.
    F->SBZoom->setValue(600);
    ASSERT_EQ(F->PufferX(600), 3600);
    F->SetWerkzeug(TWerkzeug::Router);
    QTest::mouseClick(F->Anzeige, Qt::LeftButton, {}, QPoint(590, 510));
    ASSERT_EQ(F->Komponentenliste.Count(), 2);
    EXPECT_EQ(Pos(F->AktKomponente), (TPunkt{2999, 2999}));

    F->SetWerkzeug(TWerkzeug::Subnetz);
    QTest::mouseClick(F->Anzeige, Qt::LeftButton, {}, QPoint(560, 500));
    ASSERT_EQ(F->Subnetzliste.size(), 3u);
    EXPECT_EQ(F->Subnetzliste[2]->GetRect(), (TRect{2889, 2969, 2999, 2999}));

    QTest::mousePress(F->Anzeige, Qt::LeftButton, {}, QPoint(400, 400));
    ZieheAnsicht({600, 600});
    EXPECT_EQ(F->Endpunkt, (TPunkt{2999, 2999}));
    QTest::mouseRelease(F->Anzeige, Qt::LeftButton, {}, QPoint(600, 600));
    ASSERT_EQ(F->Subnetzliste.size(), 4u);
    EXPECT_EQ(F->Subnetzliste[3]->GetRect(), (TRect{2400, 2400, 2999, 2999}));

    // The right edge of the first subnet, dragged past the surface.
    F->SetWerkzeug(TWerkzeug::Verschieben);
    QTest::mousePress(F->Anzeige, Qt::LeftButton, {}, QPoint(33, 10)); // (198, 60)
    ASSERT_EQ(F->Modus, 14);
    ZieheAnsicht({700, 10});
    EXPECT_EQ(s->GetRect(), (TRect{0, 0, 2999, 100}));
    QTest::mouseRelease(F->Anzeige, Qt::LeftButton, {}, QPoint(600, 10));
}

} // namespace
} // namespace verbundo::test

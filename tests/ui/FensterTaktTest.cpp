// The timer drives the simulation; delivery notices are modal, and the picture stays live
// while one is open.

#include "FensterHilfe.h"
#include "Testhilfe.h"
#include "ui/Anzeige.h"

#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

struct TZweiRechner {
    TComputer* A;
    TComputer* B;
    TKabel* Kabel;
};

TZweiRechner ZweiRechner(TForm1& f) {
    auto* a = f.Netz.Neu<TComputer>(100, 100);
    auto* b = f.Netz.Neu<TComputer>(300, 100);
    a->SetIPText("10.0.0.1");
    b->SetIPText("10.0.0.2");
    TKabel* k = f.Netz.Verbinde(a, b);
    f.Nachrichtenliste.Add(std::make_unique<TNachricht>(
        f.Komponentenliste.GetZeiger(0), f.Komponentenliste.GetZeiger(1), "Testnachricht"));
    return {a, b, k};
}

TEST(FensterTakt, TimerBewegtNachrichtUndMeldetAnkunftModal) {
    TFenster f;
    const auto netz = ZweiRechner(*f.Form);
    f->SBTime->setValue(600);

    TNachricht* spaeter = nullptr;
    bool standStill = false;
    bool neuGezeichnet = false;
    f.Dialoge.WaehrendInformation = [&] {
        if (spaeter)
            return;
        // While the notice is open the timer goes on firing: the tick returns at once, so a
        // message sent meanwhile stays put, and only the picture is redrawn.
        auto m = std::make_unique<TNachricht>(f->Komponentenliste.GetZeiger(0),
                                              f->Komponentenliste.GetZeiger(1), "Testnachricht");
        spaeter = m.get();
        f->Nachrichtenliste.Add(std::move(m));
        f->Puffer.fill(Qt::black);
        f->Timer1Timer();
        standStill = spaeter->GetPosition() == netz.A && !netz.Kabel->IsAktiv();
        neuGezeichnet = Farbe(f->Puffer, 1500, 1500) == Weiss;
    };

    // First tick: the message crosses the cable, which is drawn green.
    ASSERT_TRUE(QTest::qWaitFor([&] { return netz.Kabel->IsAktiv(); }, 3000));
    EXPECT_EQ(Farbe(f->Puffer, 150, 100), Gruen);
    EXPECT_TRUE(f.Dialoge.Informationen.empty());

    // Second tick: delivered at B.
    f->SBTime->setValue(50);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Dialoge.Informationen.empty(); }, 3000));
    EXPECT_EQ(f.Dialoge.Informationen[0], "Nachricht angekommen.");
    EXPECT_TRUE(standStill);
    EXPECT_TRUE(neuGezeichnet);

    // The message sent while the notice was open travels on once it is closed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Dialoge.Informationen.size() == 2; }, 3000));
    QTest::qWait(200);
    EXPECT_EQ(f.Dialoge.Informationen.size(), 2u);
    EXPECT_EQ(f->Nachrichtenliste.Count(), 0);
    EXPECT_FALSE(netz.Kabel->IsAktiv());
    EXPECT_EQ(Farbe(f->Puffer, 150, 100), Schwarz);
}

TEST(FensterTakt, NeuzeichnenMaltDieAnsichtSofort) {
    TFenster f;
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Form.get()));

    struct TZaehler : QObject {
        int Malen = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            Malen += e->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    f->Anzeige->installEventFilter(&zaehler);

    f->ZeichneNetz();
    EXPECT_EQ(zaehler.Malen, 1);
    // Scrolling repaints without a redraw of the surface.
    f->SBHPosition->setValue(5);
    EXPECT_EQ(zaehler.Malen, 2);
    f->Anzeige->removeEventFilter(&zaehler);
}

} // namespace
} // namespace verbundo::test

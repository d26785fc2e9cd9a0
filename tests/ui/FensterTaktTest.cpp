// The timer drives the simulation; delivery notices are modal, and the picture stays live
// while one is open.

#include "Testhilfe.h"

namespace verbundo::test {
namespace {

TEST(FensterTakt, TimerBewegtNachrichtUndMeldetAnkunftModal) {
    TFenster f;
    auto* a = f->Netz.Neu<TComputer>(100, 100);
    auto* b = f->Netz.Neu<TComputer>(300, 100);
    a->SetIPText("10.0.0.1");
    b->SetIPText("10.0.0.2");
    TKabel* kabel = f->Netz.Verbinde(a, b);
    auto sende = [&] {
        auto m = std::make_unique<TNachricht>(f->Komponentenliste.GetZeiger(0),
                                              f->Komponentenliste.GetZeiger(1), "Testnachricht");
        TNachricht* n = m.get();
        f->Nachrichtenliste.Add(std::move(m));
        return n;
    };
    sende();
    f->SBTime->setValue(600);

    TNachricht* spaeter = nullptr;
    bool standStill = false, neuGezeichnet = false;
    f.Dialoge.WaehrendInformation = [&] {
        if (spaeter)
            return;
        // The timer goes on firing while the notice is open: the tick returns at once, so a
        // message sent meanwhile stays put, and only the picture is redrawn.
        spaeter = sende();
        f->Puffer.fill(Qt::black);
        f->Timer1Timer();
        standStill = spaeter->GetPosition() == a && !kabel->IsAktiv();
        neuGezeichnet = Farbe(f->Puffer, 1500, 1500) == Weiss;
    };
    // First tick: the message crosses the cable, drawn green; the second delivers it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return kabel->IsAktiv(); }, 3000));
    EXPECT_EQ(Farbe(f->Puffer, 150, 100), Gruen);
    EXPECT_TRUE(f.Dialoge.Informationen.empty());
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
    EXPECT_FALSE(kabel->IsAktiv());
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
    f->SBHPosition->setValue(5); // scrolling repaints without a redraw of the surface
    EXPECT_EQ(zaehler.Malen, 2);
    f->Anzeige->removeEventFilter(&zaehler);
}

TEST(FensterTakt, RuhigesBildBleibtUndJederFehlerKommtInDieBox) {
    TFenster f;
    f->Timer1->stop();
    f->Netz.Neu<TComputer>(100, 100);
    f->Timer1Timer();
    f->Puffer.fill(Qt::black);
    f->Timer1Timer();
    // Nothing moved and no command ran: the picture is not drawn again.
    EXPECT_EQ(Farbe(f->Puffer, 1500, 1500), Schwarz);
    // Any failure ends its command in the error box, out of memory too; the next tick shows
    // what the command may have changed.
    f->Ausfuehren([] { throw std::bad_alloc(); });
    ASSERT_EQ(f.Dialoge.Fehlermeldungen.size(), 1u);
    EXPECT_TRUE(f.Dialoge.Fehlermeldungen[0].contains("Arbeitsspeicher"));
    f->Timer1Timer();
    EXPECT_EQ(Farbe(f->Puffer, 1500, 1500), Weiss);
}

} // namespace
} // namespace verbundo::test

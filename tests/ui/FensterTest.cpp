// The real widgets wired to the editor: mouse on the zoomed, scrolled view, tool buttons,
// context menu, settings panel.

#include "Fenster.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>

namespace verbundo::test {
namespace {

struct Fenster : ::testing::Test {
    TFenster F;
    QScrollBar* Zoom = F.Teil<QScrollBar>("SBZoom");
    QScrollBar* H = F.Teil<QScrollBar>("SBHPosition");
    QScrollBar* V = F.Teil<QScrollBar>("SBVPosition");

    // The view point showing surface point (x, y).
    QPoint Ansicht(int x, int y) const {
        return {(x - H->value()) * 100 / Zoom->value(), (y - V->value()) * 100 / Zoom->value()};
    }
    void Maus(QEvent::Type art, QPoint p, Qt::MouseButton taste = Qt::LeftButton) {
        // Sent directly: a move with a button held also arrives beyond the view.
        QMouseEvent e(art, QPointF(p), QPointF(F.Anzeige()->mapToGlobal(p)), taste,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(taste),
                      Qt::NoModifier);
        QApplication::sendEvent(F.Anzeige(), &e);
    }
    void Ziehe(QPoint von, QPoint nach, Qt::MouseButton taste = Qt::LeftButton) {
        Maus(QEvent::MouseButtonPress, von, taste);
        Maus(QEvent::MouseMove, nach, taste);
        Maus(QEvent::MouseButtonRelease, nach, taste);
    }
};

TEST_F(Fenster, MausWerkzeugeUndMenueGehenDurchDieAnsichtZumEditor) {
    Zoom->setValue(200);
    H->setValue(100);
    V->setValue(50);
    EXPECT_EQ(F->PufferX(-30), 40); // truncated toward zero: 100 + 200 * -30 / 100
    Ziehe(Ansicht(300, 400), Ansicht(300, 400));
    ASSERT_EQ(F.E().Netz().Komponentenliste.Count(), 1);
    TKomponente* k = F.E().Netz().Komponentenliste.GetKomponente(0);
    EXPECT_EQ(k->Art(), TArt::Computer);
    EXPECT_EQ(F.E().AktKomponente(), k);
    // Its icon and the red square around it are on the surface at once.
    EXPECT_EQ(Farbe(F->PufferBild(), 300, 400), Farbe(F.Bilder.Bild(TBild::Computer), 16, 16));
    EXPECT_EQ(Farbe(F->PufferBild(), 280, 400), 0xff0000u);

    F.Teil<QToolButton>("ToolButton9")->click();
    EXPECT_EQ(F.E().Werkzeug(), TWerkzeug::Router);
    Ziehe(Ansicht(306, 396), Ansicht(500, 420)); // a press on a device moves it
    EXPECT_EQ(std::pair(k->GetX(), k->GetY()), std::pair(500, 420));

    F.Dialoge.MenueWahl = {"IP Adresse festlegen"};
    F.Dialoge.Eingaben = {"10.0.0.1"};
    Ziehe(Ansicht(500, 420), Ansicht(500, 420), Qt::RightButton);
    ASSERT_EQ(F.Dialoge.MenueAufrufe.size(), 1u);
    EXPECT_EQ(F.Dialoge.MenueAufrufe[0],
              (QStringList{"Löschen", "IP Adresse festlegen", "Mailserver starten",
                           "Nachricht senden", "Routingtabelle anzeigen"}));
    EXPECT_EQ(k->GetIPText(), "10.0.0.1");

    // The display shown: its menu item to hide it appears; a release beyond the view opens
    // no menu.
    F.Dialoge.MenueWahl = {"Routingtabelle anzeigen"};
    Ziehe(Ansicht(500, 420), Ansicht(500, 420), Qt::RightButton);
    EXPECT_TRUE(F.Teil("ListBox1")->isVisible());
    Ziehe(Ansicht(900, 900), Ansicht(900, 900), Qt::RightButton);
    EXPECT_EQ(F.Dialoge.MenueAufrufe.back(),
              (QStringList{"Routingtabelle anzeigen", "Routingtabelle ausblenden"}));
    Ziehe(Ansicht(500, 420), QPoint(-20, 30), Qt::RightButton);
    EXPECT_EQ(F.Dialoge.MenueAufrufe.size(), 3u);

    // A click through the window gives the canvas the focus: a space does not press "Beenden".
    QTest::mouseClick(F.Anzeige(), Qt::LeftButton, {}, Ansicht(900, 900));
    QTest::keyClick(F->windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(F->isVisible());

    // A load (the drawing discarded) selects the move tool, and its button shows it.
    F.Dialoge.FrageAntworten = {1};
    F.Dialoge.OeffnenAntworten = {VERBUNDO_TESTDATA "/beispiel.nz"};
    F.Teil<QToolButton>("ToolButton5")->click();
    EXPECT_EQ(F.E().Netz().Komponentenliste.Count(), 4);
    EXPECT_TRUE(F.Teil<QToolButton>("ToolButton7")->isChecked());
    EXPECT_FALSE(F.Teil<QToolButton>("ToolButton9")->isChecked());
}

TEST_F(Fenster, ZoomGeschwindigkeitUndBildlaufInDerAnsicht) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* timer = F.Teil<QTimer>("Timer1");
    EXPECT_EQ(timer->interval(), 500); // slower than its label says until the bar first moves
    F.Teil<QScrollBar>("SBTime")->setValue(400);
    EXPECT_EQ(timer->interval(), 400);
    EXPECT_EQ(F.Teil<QLabel>("LGeschw")->text(), "Geschwindigkeit 0,5x");
    QLocale::setDefault(QLocale::system());
    Zoom->setValue(250);
    EXPECT_EQ(F.Teil<QLabel>("LZoom")->text(), "Zoomfaktor 3x");
    Zoom->setValue(100);
    H->setValue(2000);
    Zoom->setValue(200);
    EXPECT_EQ(std::pair(H->maximum(), V->maximum()), std::pair(1782, 1958));
    EXPECT_EQ(H->value(), 1782);

    // At zoom 200 from (100, 50) the view point (10, 10) shows the surface point (120, 70);
    // beyond the surface the view shows the window's colour.
    H->setValue(100);
    V->setValue(50);
    Ziehe(Ansicht(120, 70), Ansicht(120, 70));
    QImage bild = F.Anzeige()->grab().toImage();
    EXPECT_EQ(Farbe(bild, 10, 10), Farbe(F.Bilder.Bild(TBild::Computer), 16, 16));
    H->setValue(H->maximum());
    Zoom->setValue(600);
    bild = F.Anzeige()->grab().toImage();
    EXPECT_EQ(Farbe(bild, 600, 500), F->palette().color(QPalette::Window).rgb() & 0xffffffu);
}

// An idle window leaves an unchanged picture alone; a message is drawn at every tick and once
// more when it has gone. Counted in the window's own ticks, whatever the machine's speed.
TEST_F(Fenster, NurEinVeraendertesBildWirdNeuGemalt) {
    struct TZaehler : QObject {
        int Gemalt = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            Gemalt += e->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    TNetz& n = F.E().NetzZumAendern();
    auto* a = n.Neu<TComputer>(100, 100);
    n.Verbinde(a, n.Neu<TComputer>(300, 100));
    auto* timer = F.Teil<QTimer>("Timer1");
    // Queued after the tick the timer queues, so it counts ticks that have run.
    int takte = 0;
    QObject::connect(
        timer, &QTimer::timeout, F.Form.get(), [&] { ++takte; }, Qt::QueuedConnection);
    const auto warte = [&](int mehr) {
        const int ziel = takte + mehr;
        return QTest::qWaitFor([&] { return takte >= ziel; }, 20000);
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(F.Form.get()));
    timer->start(5);
    ASSERT_TRUE(warte(3));
    F.Anzeige()->installEventFilter(&zaehler);
    ASSERT_TRUE(warte(5));
    EXPECT_EQ(zaehler.Gemalt, 0);
    n.Nachrichtenliste.Add(std::make_unique<TNachricht>(n.Komponentenliste.GetZeiger(0),
                                                        n.Komponentenliste.GetZeiger(1), "x"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !F.Dialoge.Informationen.empty(); }, 20000));
    const int gemalt = zaehler.Gemalt;
    EXPECT_GE(gemalt, 2);
    ASSERT_TRUE(warte(5));
    EXPECT_EQ(zaehler.Gemalt, gemalt);
    EXPECT_EQ(F.Dialoge.Informationen.size(), 1u);
    EXPECT_EQ(Farbe(F->PufferBild(), 200, 100), 0u); // the cable, black again
}

} // namespace
} // namespace verbundo::test

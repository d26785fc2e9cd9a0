// The window as a learner finds it: start state, settings panel, view coordinates, tools.

#include "FensterHilfe.h"
#include "Testhilfe.h"
#include "ui/Anzeige.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

TEST(Fenster, StartzustandZeigtLeereWeisseFlaecheUndGrundeinstellungen) {
    TFenster f;
    EXPECT_EQ(f->windowTitle(), "Verbundo");
    EXPECT_EQ(f->LZoom->text(), "Zoomfaktor 1x");
    EXPECT_EQ(f->LGeschw->text(), "Geschwindigkeit 1x");
    EXPECT_EQ(f->SBTime->value(), 200);
    // The timer runs slower than the speed label says until the bar first moves.
    EXPECT_TRUE(f->Timer1->isActive());
    EXPECT_EQ(f->Timer1->interval(), 500);
    EXPECT_EQ(f->SBHPosition->maximum(), 2391);
    EXPECT_EQ(f->SBVPosition->maximum(), 2479);
    EXPECT_EQ(f->SBHPosition->value(), 0);
    EXPECT_EQ(f->SBVPosition->value(), 0);
    EXPECT_EQ(f->SBZoom->value(), 100);
    EXPECT_EQ(f->Dateiname, "Unbenannt.nz");
    EXPECT_EQ(f->Werkzeug(), TWerkzeug::Computer);
    EXPECT_TRUE(f->ToolButton1->isChecked());
    EXPECT_EQ(f->Modus, 0);
    EXPECT_EQ(f->Komponentenliste.Count(), 0);
    EXPECT_EQ(f->Puffer.size(), QSize(3000, 3000));
    EXPECT_TRUE(f->Anzeige->testAttribute(Qt::WA_OpaquePaintEvent));

    const QImage bild = f->Anzeige->grab().toImage();
    ASSERT_EQ(bild.size(), QSize(609, 521));
    int andere = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            andere += Farbe(bild, x, y) != Weiss;
    EXPECT_EQ(andere, 0);
}

TEST(Fenster, WerkzeugleisteMitBildernFolgtAlsEinzigeDerBreite) {
    TFenster f;
    for (QToolButton* b :
         {f->ToolButton5, f->ToolButton10, f->ToolButton6, f->ToolButton7, f->ToolButton1,
          f->ToolButton8, f->ToolButton2, f->ToolButton9, f->ToolButton3, f->ToolButton11})
        EXPECT_EQ(b->icon().pixmap(32, 32).size(), QSize(32, 32)) << b->x();
    f->show();
    f->resize(1000, 700);
    EXPECT_EQ(f->ToolBar1->width(), 1000);
    EXPECT_EQ(f->Anzeige->geometry(), QRect(0, 48, 609, 521));
    EXPECT_EQ(f->BBeenden->geometry(), QRect(664, 550, 137, 27));
}

TEST(Fenster, GeschwindigkeitsleisteSetztTaktUndFaktor) {
    TGebietsschema deutsch(QLocale(QLocale::German, QLocale::Germany));
    TFenster f;
    const std::pair<int, const char*> faelle[] = {
        {50, "Geschwindigkeit 4x"},    {57, "Geschwindigkeit 4x"},    {58, "Geschwindigkeit 3x"},
        {67, "Geschwindigkeit 3x"},    {80, "Geschwindigkeit 3x"},    {133, "Geschwindigkeit 2x"},
        {134, "Geschwindigkeit 1x"},   {210, "Geschwindigkeit 1x"},   {400, "Geschwindigkeit 0,5x"},
        {600, "Geschwindigkeit 0,3x"}, {222, "Geschwindigkeit 0,9x"}, {200, "Geschwindigkeit 1x"},
    };
    for (auto [pos, text] : faelle) {
        f->SBTime->setValue(pos);
        EXPECT_EQ(f->Timer1->interval(), pos);
        EXPECT_TRUE(f->Timer1->isActive());
        EXPECT_EQ(f->LGeschw->text().toStdString(), text) << pos;
        // The label grows to its text, from where it stands.
        EXPECT_GE(f->LGeschw->width(), f->LGeschw->sizeHint().width());
        EXPECT_EQ(f->LGeschw->pos(), QPoint(38, 93));
    }
}

TEST(Fenster, FaktorTraegtDasDezimalzeichenDesGebietsschemas) {
    TGebietsschema englisch(QLocale(QLocale::English, QLocale::UnitedStates));
    TFenster f;
    f->SBTime->setValue(400);
    EXPECT_EQ(f->LGeschw->text(), "Geschwindigkeit 0.5x");
    f->SBTime->setValue(600);
    EXPECT_EQ(f->LGeschw->text(), "Geschwindigkeit 0.3x");
}

TEST(Fenster, ZoomSetztFaktorUndBildlaufgrenzen) {
    TFenster f;
    const std::pair<int, const char*> faelle[] = {{149, "Zoomfaktor 1x"}, {150, "Zoomfaktor 2x"},
                                                  {250, "Zoomfaktor 3x"}, {449, "Zoomfaktor 4x"},
                                                  {600, "Zoomfaktor 6x"}, {100, "Zoomfaktor 1x"}};
    for (auto [z, text] : faelle) {
        f->SBZoom->setValue(z);
        EXPECT_EQ(f->LZoom->text().toStdString(), text) << z;
    }

    f->SBHPosition->setValue(2000);
    f->SBVPosition->setValue(2400);
    f->SBZoom->setValue(200);
    EXPECT_EQ(f->SBHPosition->maximum(), 1782);
    EXPECT_EQ(f->SBVPosition->maximum(), 1958);
    EXPECT_EQ(f->SBHPosition->value(), 1782);
    EXPECT_EQ(f->SBVPosition->value(), 1958);

    // Beyond the surface the bars stop at 0 instead of going negative.
    f->SBZoom->setValue(492);
    EXPECT_EQ(f->SBHPosition->maximum(), 4);
    f->SBZoom->setValue(493);
    EXPECT_EQ(f->SBHPosition->maximum(), 0);
    EXPECT_EQ(f->SBVPosition->maximum(), 432);
    f->SBZoom->setValue(600);
    EXPECT_EQ(f->SBHPosition->maximum(), 0);
    EXPECT_EQ(f->SBVPosition->maximum(), 0);
    EXPECT_EQ(f->SBHPosition->value(), 0);
}

TEST(Fenster, AnsichtspunktWirdFlaechenpunkt) {
    TFenster f;
    f->SBZoom->setValue(200);
    f->SBHPosition->setValue(100);
    f->SBVPosition->setValue(50);
    EXPECT_EQ(f->PufferX(10), 120);
    EXPECT_EQ(f->PufferY(10), 70);
    EXPECT_EQ(f->PufferX(-30), 40);

    // The sum is truncated toward zero, not rounded and not floored.
    f->SBZoom->setValue(150);
    f->SBHPosition->setValue(0);
    f->SBVPosition->setValue(1);
    EXPECT_EQ(f->PufferX(3), 4);
    EXPECT_EQ(f->PufferX(-1), -1);
    EXPECT_EQ(f->PufferY(-1), 0);
    EXPECT_EQ(f->PufferY(-3), -3);
}

TEST(Fenster, WerkzeugknoepfeBildenEineGruppe) {
    TFenster f;
    f->ToolButton3->click();
    EXPECT_EQ(f->Werkzeug(), TWerkzeug::Netzwerkkabel);
    EXPECT_FALSE(f->ToolButton1->isChecked());
    // Pressing the tool that is down leaves it down.
    f->ToolButton3->click();
    EXPECT_TRUE(f->ToolButton3->isChecked());
    EXPECT_EQ(f->Werkzeug(), TWerkzeug::Netzwerkkabel);

    const std::pair<QToolButton*, TWerkzeug> knoepfe[] = {
        {f->ToolButton7, TWerkzeug::Verschieben}, {f->ToolButton1, TWerkzeug::Computer},
        {f->ToolButton8, TWerkzeug::Drucker},     {f->ToolButton2, TWerkzeug::Switch},
        {f->ToolButton9, TWerkzeug::Router},      {f->ToolButton11, TWerkzeug::Subnetz}};
    for (auto [knopf, werkzeug] : knoepfe) {
        knopf->click();
        EXPECT_EQ(f->Werkzeug(), werkzeug);
        f->SetWerkzeug(TWerkzeug::Netzwerkkabel);
        EXPECT_FALSE(knopf->isChecked());
        EXPECT_TRUE(f->ToolButton3->isChecked());
    }
    // Push buttons of the bar are not tools.
    EXPECT_FALSE(f->ToolButton5->isCheckable());
    EXPECT_FALSE(f->ToolButton6->isCheckable());
}

TEST(Fenster, BeendenSchliesstOhneNachzufragen) {
    TFenster f;
    f->Netz.Neu<TComputer>(100, 100);
    f->show();
    ASSERT_TRUE(f->isVisible());
    // The first control of the focus order has the focus.
    EXPECT_EQ(f->focusWidget(), f->BBeenden);
    f->BBeenden->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(f.Dialoge.Informationen.empty());
    EXPECT_TRUE(f.Dialoge.Fehlermeldungen.empty());
}

} // namespace
} // namespace verbundo::test

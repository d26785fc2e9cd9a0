// The window as a learner finds it: start state, settings panel, view coordinates, tools.

#include "Testhilfe.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace verbundo::test {
namespace {

TEST(Fenster, StartzustandUndWerkzeugleiste) {
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
    const QImage bild = f->Anzeige->grab().toImage();
    ASSERT_EQ(bild.size(), QSize(609, 521));
    int andere = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            andere += Farbe(bild, x, y) != Weiss;
    EXPECT_EQ(andere, 0);

    for (QToolButton* b :
         {f->ToolButton5, f->ToolButton10, f->ToolButton6, f->ToolButton7, f->ToolButton1,
          f->ToolButton8, f->ToolButton2, f->ToolButton9, f->ToolButton3, f->ToolButton11})
        EXPECT_EQ(b->icon().pixmap(32, 32).size(), QSize(32, 32)) << b->x();
    f->show();
    EXPECT_EQ(f->focusWidget(), f->BBeenden);
    f->resize(1000, 700); // only the tool bar follows the width
    EXPECT_EQ(f->ToolBar1->width(), 1000);
    EXPECT_EQ(f->Anzeige->geometry(), QRect(0, 48, 609, 521));
    EXPECT_EQ(f->BBeenden->geometry(), QRect(664, 550, 137, 27));
    // Quitting asks nothing.
    f->Netz.Neu<TComputer>(100, 100);
    f->BBeenden->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(f.Dialoge.Informationen.empty());
}

TEST(Fenster, GeschwindigkeitsleisteSetztTaktUndFaktorImGebietsschema) {
    TGebietsschema deutsch(QLocale(QLocale::German, QLocale::Germany));
    TFenster f;
    const std::pair<int, const char*> faelle[] = {
        {50, "4"},  {57, "4"},    {58, "3"},    {80, "3"},    {133, "2"},
        {134, "1"}, {400, "0,5"}, {600, "0,3"}, {222, "0,9"}, {200, "1"}};
    for (auto [pos, faktor] : faelle) {
        f->SBTime->setValue(pos);
        EXPECT_EQ(f->Timer1->interval(), pos);
        EXPECT_TRUE(f->Timer1->isActive());
        EXPECT_EQ(f->LGeschw->text(), QString("Geschwindigkeit %1x").arg(faktor)) << pos;
        // The label grows to its text, from where it stands.
        EXPECT_GE(f->LGeschw->width(), f->LGeschw->sizeHint().width());
        EXPECT_EQ(f->LGeschw->pos(), QPoint(38, 93));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    f->SBTime->setValue(400);
    EXPECT_EQ(f->LGeschw->text(), "Geschwindigkeit 0.5x");
}

TEST(Fenster, ZoomBildlaufgrenzenUndAnsichtspunkte) {
    TFenster f;
    for (auto [z, text] : {std::pair{149, "1"}, {150, "2"}, {250, "3"}, {449, "4"}, {600, "6"}}) {
        f->SBZoom->setValue(z);
        EXPECT_EQ(f->LZoom->text(), QString("Zoomfaktor %1x").arg(text)) << z;
    }
    f->SBZoom->setValue(100);
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
    EXPECT_EQ(f->SBVPosition->maximum(), 0);
    EXPECT_EQ(f->SBHPosition->value(), 0);

    f->SBZoom->setValue(200);
    f->SBHPosition->setValue(100);
    f->SBVPosition->setValue(50);
    EXPECT_EQ(f->PufferX(10), 120);
    EXPECT_EQ(f->PufferY(10), 70);
    EXPECT_EQ(f->PufferX(-30), 40);
    // Truncated toward zero, not rounded and not floored.
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
    f->ToolButton3->click(); // pressing the tool that is down leaves it down
    EXPECT_TRUE(f->ToolButton3->isChecked());
    EXPECT_FALSE(f->ToolButton1->isChecked());
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
    EXPECT_FALSE(f->ToolButton5->isCheckable());
    EXPECT_FALSE(f->ToolButton6->isCheckable());
}

} // namespace
} // namespace verbundo::test

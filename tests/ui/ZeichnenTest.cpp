// What the redraw puts on the surface and what the view shows of it.

#include "FensterHilfe.h"
#include "Testhilfe.h"
#include "ui/Anzeige.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"

#include <QPainter>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

constexpr QRgb Dokumentfarbe = 0x123456u;

// A document icon larger than the block that is used: only its top-left 16 x 16 may appear.
TBilder MitDokument() {
    TBilder b = TestBilder();
    QImage dokument(20, 20, QImage::Format_RGB32);
    dokument.fill(QColor(0xabcdef));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            dokument.setPixel(x, y, Dokumentfarbe);
    b.Setze(TBild::Dokument, dokument);
    return b;
}

// A cable whose end devices are not on the canvas, so their icons do not cover it.
TKabel* LoseKabel(TForm1& f, int x1, int y1, int x2, int y2) {
    auto* a = f.Netz.Neu<TSwitch>(x1, y1);
    auto* b = f.Netz.Neu<TSwitch>(x2, y2);
    TKabel* k = f.Netz.Verbinde(a, b);
    f.Komponentenliste.Remove(a);
    f.Komponentenliste.Remove(b);
    return k;
}

int ZaehleInSpalte(const QImage& bild, int x, int y0, int y1, QRgb farbe) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        n += Farbe(bild, x, y) == farbe;
    return n;
}

// Pixels of text: smoothed glyphs are dark, not always black.
int Dunkle(const QImage& bild, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(bild.pixel(x, y)) < 128;
    return n;
}

struct Zeichnen : ::testing::Test {
    TBilder Bilder = MitDokument();
    TSkriptDialoge Dialoge;
    TAufzeichnenderStarter Starter;
    TForm1 F{Bilder, Dialoge, Starter};
};

TEST_F(Zeichnen, AktivesKabelGruenMitDokumentAufGanzzahligerMitte) {
    TKabel* k = LoseKabel(F, 10, 10, 15, 21);
    k->SetAktiv(true);
    // Halves truncate toward zero: (-5 + 0) / 2 is -2, not -3.
    LoseKabel(F, -5, 300, 0, 300)->SetAktiv(true);
    TKabel* lang = LoseKabel(F, 100, 200, 500, 200);
    lang->SetAktiv(true);
    F.ZeichneNetz();
    const QImage& p = F.Puffer;

    // Icon from (4, 7) to (19, 22).
    EXPECT_EQ(Farbe(p, 4, 7), Dokumentfarbe);
    EXPECT_EQ(Farbe(p, 19, 22), Dokumentfarbe);
    EXPECT_NE(Farbe(p, 3, 7), Dokumentfarbe);
    EXPECT_NE(Farbe(p, 4, 6), Dokumentfarbe);
    EXPECT_NE(Farbe(p, 20, 22), Dokumentfarbe);
    EXPECT_NE(Farbe(p, 19, 23), Dokumentfarbe);
    EXPECT_NE(Farbe(p, 20, 20), 0xabcdefu);

    EXPECT_EQ(Farbe(p, 5, 292), Dokumentfarbe);
    EXPECT_NE(Farbe(p, 6, 292), Dokumentfarbe);

    // The line is green, two pixels wide, and the icon sits on it opaquely.
    EXPECT_EQ(ZaehleInSpalte(p, 150, 195, 205, Gruen), 2);
    EXPECT_EQ(Farbe(p, 150, 200), Gruen);
    EXPECT_EQ(Farbe(p, 300, 200), Dokumentfarbe);
    EXPECT_EQ(Farbe(p, 292, 192), Dokumentfarbe);

    lang->SetAktiv(false);
    F.ZeichneNetz();
    EXPECT_EQ(ZaehleInSpalte(p, 150, 195, 205, Schwarz), 2);
    EXPECT_EQ(Farbe(p, 300, 200), Schwarz);
    EXPECT_EQ(Farbe(p, 292, 192), Weiss);

    // The selected cable is drawn again in red, over its green.
    lang->SetAktiv(true);
    F.AktKabel = lang;
    F.ZeichneNetz();
    EXPECT_EQ(ZaehleInSpalte(p, 150, 195, 205, Rot), 2);
    EXPECT_EQ(ZaehleInSpalte(p, 150, 195, 205, Gruen), 0);

    // Steep lines are two pixels wide across; ends off the surface are cut, not wrapped.
    LoseKabel(F, 700, 100, 703, 400);
    LoseKabel(F, 2990, -50, 3100, 2900);
    F.ZeichneNetz();
    int steil = 0;
    for (int x = 695; x < 710; ++x)
        steil += Farbe(p, x, 250) == Schwarz;
    EXPECT_EQ(steil, 2);
    EXPECT_EQ(Farbe(p, 0, 1000), Weiss);
}

TEST_F(Zeichnen, GeraeteUeberKabelnUndRoteAuswahlUmsAktuelle) {
    auto* a = F.Netz.Neu<TComputer>(300, 300);
    auto* b = F.Netz.Neu<TSwitch>(500, 300);
    F.Netz.Verbinde(a, b);
    F.AktKomponente = a;
    F.ZeichneNetz();
    const QImage& p = F.Puffer;

    // Icons are copied opaquely over the cable ends.
    const QRgb computer = Farbe(Bilder.Bild(TBild::Computer), 0, 0);
    EXPECT_EQ(Farbe(p, 310, 300), computer);
    EXPECT_EQ(Farbe(p, 284, 284), computer);
    EXPECT_EQ(Farbe(p, 490, 300), Farbe(Bilder.Bild(TBild::Switch), 0, 0));
    EXPECT_EQ(Farbe(p, 400, 300), Schwarz);

    // The square's right and bottom edges lie one pixel inside (X + 20, Y + 20).
    for (int i = 280; i < 320; ++i) {
        EXPECT_EQ(Farbe(p, i, 280), Rot) << i;
        EXPECT_EQ(Farbe(p, i, 319), Rot) << i;
        EXPECT_EQ(Farbe(p, 280, i), Rot) << i;
        EXPECT_EQ(Farbe(p, 319, i), Rot) << i;
    }
    EXPECT_EQ(Farbe(p, 320, 290), Weiss);
    EXPECT_EQ(Farbe(p, 279, 290), Weiss);
    EXPECT_EQ(Farbe(p, 290, 320), Weiss);
    // Unfilled.
    EXPECT_EQ(Farbe(p, 282, 290), Weiss);

    F.AktKomponente = nullptr;
    F.ZeichneNetz();
    EXPECT_EQ(Farbe(p, 280, 280), Weiss);

    // Icons at the edge of the surface are cut off there.
    F.Netz.Neu<TComputer>(2995, 2995);
    F.Netz.Neu<TSwitch>(-10, 3);
    F.ZeichneNetz();
    EXPECT_EQ(Farbe(p, 2999, 2999), computer);
    EXPECT_EQ(Farbe(p, 2979, 2979), computer);
    EXPECT_EQ(Farbe(p, 0, 0), Farbe(Bilder.Bild(TBild::Switch), 0, 0));
    EXPECT_EQ(Farbe(p, 6, 0), Weiss);
}

TEST_F(Zeichnen, TexteStehenAufWeissemGrund) {
    // A cable runs under the address of the computer; the text's background hides it there.
    auto* rechner = F.Netz.Neu<TComputer>(1000, 1000);
    rechner->SetIPText("192.168.100.100");
    LoseKabel(F, 900, 1026, 1100, 1026);
    F.ZeichneNetz();
    const QImage& p = F.Puffer;

    const int dunkel = Dunkle(p, {985, 1020, 30, 12});
    EXPECT_GT(dunkel, 20);
    // Left of the text the line is whole.
    EXPECT_EQ(ZaehleInSpalte(p, 930, 1020, 1030, Schwarz), 2);
    int linie = 0;
    for (int x = 985; x < 1015; ++x)
        linie += ZaehleInSpalte(p, x, 1020, 1032, Schwarz);
    EXPECT_LT(linie, 45);
}

TEST_F(Zeichnen, GespeicherteTexteGleichenGezeichneten) {
    // The same texts, laid out each time and copied from the store (drawn a second time, so
    // they really come from it), over a line, opaque and transparent.
    auto male = [&](TTextSpeicher* texte) {
        QImage bild(400, 200, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter p(&bild);
        TPufferLeinwand c(p, Bilder, texte);
        c.SetStiftBreite(2);
        c.Linie(0, 25, 399, 25);
        c.SetSchrift("Arial Narrow", 8);
        c.TextAus(10, 20, "192.168.100.100");
        c.SetPinselStil(TPinsel::Leer);
        c.TextAus(150, 20, "Wyj 10.0.0.1");
        c.SetPinselStil(TPinsel::Voll);
        c.SetPinselFarbe(clRot);
        c.SetSchrift("MS Sans Serif", 10);
        c.TextAus(10, 60, "Subnetmask:");
        EXPECT_EQ(c.TextBreite("Subnetmask:"),
                  QFontMetrics(TPufferLeinwand::Schrift("MS Sans Serif", 10))
                      .horizontalAdvance("Subnetmask:"));
        return bild;
    };
    TTextSpeicher texte;
    const QImage direkt = male(nullptr);
    male(&texte);
    const QImage gespeichert = male(&texte);
    int verschieden = 0;
    for (int y = 0; y < direkt.height(); ++y)
        for (int x = 0; x < direkt.width(); ++x)
            verschieden += direkt.pixel(x, y) != gespeichert.pixel(x, y);
    EXPECT_EQ(verschieden, 0);
    EXPECT_GT(Dunkle(direkt, {10, 20, 60, 13}), 20);
}

TEST_F(Zeichnen, SubnetzGepunktetBlauOderRotUndGezogenesRechteck) {
    TSubnet* s = F.Netz.NeuesSubnetz({400, 400, 600, 500});
    F.ZeichneNetz();
    const QImage& p = F.Puffer;

    auto zaehle = [&](QRgb farbe, bool waagerecht, int fest, int von, int bis) {
        int n = 0;
        for (int i = von; i <= bis; ++i)
            n += (waagerecht ? Farbe(p, i, fest) : Farbe(p, fest, i)) == farbe;
        return n;
    };
    // Bottom edge at 499, right edge at 599; dotted: blue and white alternate.
    EXPECT_GT(zaehle(Blau, true, 499, 420, 580), 30);
    EXPECT_GT(zaehle(Weiss, true, 499, 420, 580), 30);
    EXPECT_EQ(zaehle(Blau, true, 499, 420, 580) + zaehle(Weiss, true, 499, 420, 580), 161);
    EXPECT_GT(zaehle(Blau, false, 599, 420, 480), 10);
    EXPECT_EQ(zaehle(Blau, true, 500, 400, 600), 0);
    EXPECT_EQ(zaehle(Blau, false, 600, 400, 500), 0);
    // Labels in black above and below the top edge.
    EXPECT_GT(Dunkle(p, {402, 394, 60, 26}), 40);

    F.AktSubnetz = s;
    F.ZeichneNetz();
    EXPECT_GT(zaehle(Rot, true, 499, 420, 580), 30);
    EXPECT_EQ(zaehle(Blau, true, 499, 420, 580), 0);

    // The subnet being drawn: dotted red between the two points, whichever corners they are.
    F.AktSubnetz = nullptr;
    F.Modus = 4;
    F.Startpunkt = {900, 800};
    F.Endpunkt = {800, 700};
    F.ZeichneNetz();
    EXPECT_GT(zaehle(Rot, true, 700, 810, 890), 20);
    EXPECT_GT(zaehle(Rot, true, 799, 810, 890), 20);
    EXPECT_GT(zaehle(Rot, false, 800, 710, 790), 20);
    EXPECT_GT(zaehle(Weiss, false, 800, 710, 790), 20);
    EXPECT_EQ(zaehle(Rot, true, 800, 800, 900), 0);
    F.Modus = 0;
    F.ZeichneNetz();
    EXPECT_EQ(zaehle(Rot, true, 700, 810, 890), 0);
}

TEST_F(Zeichnen, GummibandNurBeimKabelziehen) {
    auto* a = F.Netz.Neu<TSwitch>(100, 1000);
    F.AktKomponente = a;
    F.Startpunkt = {300, 1000};
    F.Modus = 2;
    F.ZeichneNetz();
    EXPECT_EQ(ZaehleInSpalte(F.Puffer, 200, 995, 1005, Schwarz), 2);
    F.Modus = 1;
    F.ZeichneNetz();
    EXPECT_EQ(ZaehleInSpalte(F.Puffer, 200, 995, 1005, Schwarz), 0);
}

TEST_F(Zeichnen, AnsichtZeigtVerschobenenUndVerkleinertenAusschnitt) {
    F.ZeichneNetz();
    QImage& p = F.Puffer;
    F.SBZoom->setValue(200);
    F.SBHPosition->setValue(100);
    F.SBVPosition->setValue(50);
    ASSERT_EQ(F.PufferX(10), 120);
    ASSERT_EQ(F.PufferY(10), 70);
    // A 2 x 2 block at the surface point of view point (10, 10) fills exactly that pixel.
    for (int y = 70; y < 72; ++y)
        for (int x = 120; x < 122; ++x)
            p.setPixel(x, y, Rot);
    // A single pixel is averaged with its three white neighbours, not dropped or kept whole.
    p.setPixel(140, 90, Schwarz);
    const QImage ansicht = F.Anzeige->grab().toImage();
    EXPECT_EQ(Farbe(ansicht, 10, 10), Rot);
    EXPECT_EQ(Farbe(ansicht, 9, 10), Weiss);
    EXPECT_EQ(Farbe(ansicht, 11, 10), Weiss);
    EXPECT_EQ(Farbe(ansicht, 10, 11), Weiss);
    const QColor grau(ansicht.pixel(20, 20));
    EXPECT_NEAR(grau.red(), 191, 2);
    EXPECT_EQ(grau.red(), grau.green());

    // At its own size the view is a plain copy.
    F.SBZoom->setValue(100);
    const QImage eins = F.Anzeige->grab().toImage();
    EXPECT_EQ(Farbe(eins, 20, 20), Rot);
    EXPECT_EQ(Farbe(eins, 40, 40), Schwarz);
    EXPECT_EQ(Farbe(eins, 39, 40), Weiss);
}

TEST_F(Zeichnen, JenseitsDerFlaecheDieFensterfarbe) {
    F.ZeichneNetz();
    F.SBZoom->setValue(600);
    const QImage ansicht = F.Anzeige->grab().toImage();
    const QRgb hintergrund = F.palette().color(QPalette::Window).rgb() & 0xffffffu;
    ASSERT_NE(hintergrund, Weiss);
    // 3000 surface pixels take 500 of the 609 view pixels.
    EXPECT_EQ(Farbe(ansicht, 0, 0), Weiss);
    EXPECT_EQ(Farbe(ansicht, 499, 300), Weiss);
    EXPECT_EQ(Farbe(ansicht, 500, 300), hintergrund);
    EXPECT_EQ(Farbe(ansicht, 608, 520), hintergrund);
    EXPECT_EQ(Farbe(ansicht, 300, 499), Weiss);
    EXPECT_EQ(Farbe(ansicht, 300, 500), hintergrund);
}

} // namespace
} // namespace verbundo::test

// What the redraw puts on the surface and what the view shows of it.

#include "Testhilfe.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"

#include <QPainter>

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
    const QImage& P = F.Puffer;

    // A cable whose end devices are not on the canvas, so their icons do not cover it.
    TKabel* LoseKabel(int x1, int y1, int x2, int y2, bool aktiv = false) {
        auto* a = F.Netz.Neu<TSwitch>(x1, y1);
        auto* b = F.Netz.Neu<TSwitch>(x2, y2);
        TKabel* k = F.Netz.Verbinde(a, b);
        F.Komponentenliste.Remove(a);
        F.Komponentenliste.Remove(b);
        k->SetAktiv(aktiv);
        return k;
    }
    // Pixels of one colour on a row (waagerecht) or column from von to bis.
    int Zaehle(QRgb farbe, bool waagerecht, int fest, int von, int bis) const {
        int n = 0;
        for (int i = von; i <= bis; ++i)
            n += (waagerecht ? Farbe(P, i, fest) : Farbe(P, fest, i)) == farbe;
        return n;
    }
};

TEST_F(Zeichnen, AktivesKabelGruenMitDokumentAufGanzzahligerMitte) {
    LoseKabel(10, 10, 15, 21, true);
    LoseKabel(-5, 300, 0, 300, true); // (-5 + 0) / 2 truncates to -2, not -3
    TKabel* lang = LoseKabel(100, 200, 500, 200, true);
    F.ZeichneNetz();
    // Icon from (4, 7) to (19, 22), only the used block.
    EXPECT_EQ(Farbe(P, 4, 7), Dokumentfarbe);
    EXPECT_EQ(Farbe(P, 19, 22), Dokumentfarbe);
    for (auto [x, y] : {std::pair{3, 7}, {4, 6}, {20, 22}, {19, 23}, {6, 292}})
        EXPECT_NE(Farbe(P, x, y), Dokumentfarbe) << x << "," << y;
    EXPECT_NE(Farbe(P, 20, 20), 0xabcdefu);
    EXPECT_EQ(Farbe(P, 5, 292), Dokumentfarbe);
    // Green, two pixels wide, the icon opaque on it.
    EXPECT_EQ(Zaehle(Gruen, false, 150, 195, 205), 2);
    EXPECT_EQ(Farbe(P, 300, 200), Dokumentfarbe);
    EXPECT_EQ(Farbe(P, 292, 192), Dokumentfarbe);

    lang->SetAktiv(false);
    F.ZeichneNetz();
    EXPECT_EQ(Zaehle(Schwarz, false, 150, 195, 205), 2);
    EXPECT_EQ(Farbe(P, 292, 192), Weiss);
    // The selected cable is drawn again in red, over its green.
    lang->SetAktiv(true);
    F.AktKabel = lang;
    F.ZeichneNetz();
    EXPECT_EQ(Zaehle(Rot, false, 150, 195, 205), 2);

    // Steep lines are two pixels wide across; ends off the surface are cut, not wrapped.
    LoseKabel(700, 100, 703, 400);
    LoseKabel(2990, -50, 3100, 2900);
    F.ZeichneNetz();
    EXPECT_EQ(Zaehle(Schwarz, true, 250, 695, 709), 2);
    EXPECT_EQ(Farbe(P, 0, 1000), Weiss);
}

TEST_F(Zeichnen, GeraeteUeberKabelnRoteAuswahlUndTexteAufWeiss) {
    auto* a = F.Netz.Neu<TComputer>(300, 300);
    auto* b = F.Netz.Neu<TSwitch>(500, 300);
    F.Netz.Verbinde(a, b);
    F.AktKomponente = a;
    auto* rechner = F.Netz.Neu<TComputer>(1000, 1000);
    rechner->SetIPText("192.168.100.100");
    LoseKabel(900, 1026, 1100, 1026); // under the address
    F.ZeichneNetz();

    const QRgb computer = Farbe(Bilder.Bild(TBild::Computer), 0, 0);
    EXPECT_EQ(Farbe(P, 310, 300), computer); // icons opaque over the cable ends
    EXPECT_EQ(Farbe(P, 284, 284), computer);
    EXPECT_EQ(Farbe(P, 490, 300), Farbe(Bilder.Bild(TBild::Switch), 0, 0));
    EXPECT_EQ(Farbe(P, 400, 300), Schwarz);
    // An unfilled square whose right and bottom edges lie one pixel inside (X + 20, Y + 20).
    for (auto [fest, waagerecht] : {std::pair{280, true}, {319, true}, {280, false}, {319, false}})
        EXPECT_EQ(Zaehle(Rot, waagerecht, fest, 280, 319), 40) << fest;
    EXPECT_EQ(Zaehle(Rot, true, 320, 279, 320) + Zaehle(Rot, false, 320, 279, 320), 0);
    EXPECT_EQ(Farbe(P, 279, 290), Weiss);
    EXPECT_EQ(Farbe(P, 282, 290), Weiss);
    // The text's background hides the line; left of it the line is whole.
    EXPECT_GT(Dunkle(P, {985, 1020, 30, 12}), 20);
    EXPECT_EQ(Zaehle(Schwarz, false, 930, 1020, 1030), 2);
    int linie = 0;
    for (int x = 985; x < 1015; ++x)
        linie += Zaehle(Schwarz, false, x, 1020, 1032);
    EXPECT_LT(linie, 45);

    F.AktKomponente = nullptr;
    F.Netz.Neu<TComputer>(2995, 2995); // icons at the edge are cut off there
    F.Netz.Neu<TSwitch>(-10, 3);
    F.ZeichneNetz();
    EXPECT_EQ(Farbe(P, 280, 280), Weiss);
    EXPECT_EQ(Farbe(P, 2999, 2999), computer);
    EXPECT_EQ(Farbe(P, 2979, 2979), computer);
    EXPECT_EQ(Farbe(P, 0, 0), Farbe(Bilder.Bild(TBild::Switch), 0, 0));
    EXPECT_EQ(Farbe(P, 6, 0), Weiss);
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
    EXPECT_EQ(male(&texte), direkt);
    EXPECT_GT(Dunkle(direkt, {10, 20, 60, 13}), 20);
}

TEST_F(Zeichnen, SubnetzGepunktetBlauOderRotGezogenesRechteckUndGummiband) {
    TSubnet* s = F.Netz.NeuesSubnetz({400, 400, 600, 500});
    F.ZeichneNetz();
    // Bottom edge at 499, right edge at 599; dotted: blue and white alternate.
    EXPECT_GT(Zaehle(Blau, true, 499, 420, 580), 30);
    EXPECT_GT(Zaehle(Weiss, true, 499, 420, 580), 30);
    EXPECT_EQ(Zaehle(Blau, true, 499, 420, 580) + Zaehle(Weiss, true, 499, 420, 580), 161);
    EXPECT_GT(Zaehle(Blau, false, 599, 420, 480), 10);
    EXPECT_EQ(Zaehle(Blau, true, 500, 400, 600) + Zaehle(Blau, false, 600, 400, 500), 0);
    EXPECT_GT(Dunkle(P, {402, 394, 60, 26}), 40); // labels above and below the top edge
    F.AktSubnetz = s;
    F.ZeichneNetz();
    EXPECT_GT(Zaehle(Rot, true, 499, 420, 580), 30);
    EXPECT_EQ(Zaehle(Blau, true, 499, 420, 580), 0);

    // Being drawn: dotted red between the two points, whichever corners they are.
    F.AktSubnetz = nullptr;
    F.Modus = 4;
    F.Startpunkt = {900, 800};
    F.Endpunkt = {800, 700};
    F.ZeichneNetz();
    EXPECT_GT(Zaehle(Rot, true, 700, 810, 890), 20);
    EXPECT_GT(Zaehle(Rot, true, 799, 810, 890), 20);
    EXPECT_GT(Zaehle(Rot, false, 800, 710, 790), 20);
    EXPECT_GT(Zaehle(Weiss, false, 800, 710, 790), 20);
    EXPECT_EQ(Zaehle(Rot, true, 800, 800, 900), 0);
    // The rubber band only while a cable is drawn.
    F.AktKomponente = F.Netz.Neu<TSwitch>(100, 1000);
    F.Startpunkt = {300, 1000};
    F.Modus = 2;
    F.ZeichneNetz();
    EXPECT_EQ(Zaehle(Rot, true, 700, 810, 890), 0);
    EXPECT_EQ(Zaehle(Schwarz, false, 200, 995, 1005), 2);
    F.Modus = 1;
    F.ZeichneNetz();
    EXPECT_EQ(Zaehle(Schwarz, false, 200, 995, 1005), 0);
}

TEST_F(Zeichnen, AnsichtZeigtVerschobenenVerkleinertenAusschnittUndJenseitsDieFensterfarbe) {
    F.ZeichneNetz();
    F.SBZoom->setValue(200);
    F.SBHPosition->setValue(100);
    F.SBVPosition->setValue(50);
    // A 2 x 2 block at the surface point of view point (10, 10) fills exactly that pixel.
    for (int y = 70; y < 72; ++y)
        for (int x = 120; x < 122; ++x)
            F.Puffer.setPixel(x, y, Rot);
    // A single pixel is averaged with its three white neighbours, not dropped or kept whole.
    F.Puffer.setPixel(140, 90, Schwarz);
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

    // At zoom 600, 3000 surface pixels take 500 of the 609 view pixels.
    F.SBZoom->setValue(600);
    const QImage weit = F.Anzeige->grab().toImage();
    const QRgb hintergrund = F.palette().color(QPalette::Window).rgb() & 0xffffffu;
    ASSERT_NE(hintergrund, Weiss);
    EXPECT_EQ(Farbe(weit, 499, 300), Weiss);
    EXPECT_EQ(Farbe(weit, 500, 300), hintergrund);
    EXPECT_EQ(Farbe(weit, 608, 520), hintergrund);
    EXPECT_EQ(Farbe(weit, 300, 499), Weiss);
    EXPECT_EQ(Farbe(weit, 300, 500), hintergrund);
}

} // namespace
} // namespace verbundo::test

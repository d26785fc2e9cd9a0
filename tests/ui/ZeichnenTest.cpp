// One picture, two canvases: the fast one on the surface and the plain painter that pictures
// and printouts go through draw the same network alike.

#include "Fenster.h"
#include "edit/Bild.h"
#include "files/NetzDatei.h"
#include "ui/MalerLeinwand.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"

#include <QPainter>

namespace verbundo::test {
namespace {

// What rounding a diagonal line's pixels may change: a pixel whose colour the other picture
// has within one pixel of it.
bool InDerNaehe(const QImage& bild, int x, int y, QRgb farbe) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (bild.valid(x + dx, y + dy) && Farbe(bild, x + dx, y + dy) == farbe)
                return true;
    return false;
}

struct Zeichnen : ::testing::Test {
    TBilder bilder = TBilder::Lade({QStringLiteral(VERBUNDO_SOURCE_DIR "/assets")});
    TNetz netz = LadeNetzdatei(VERBUNDO_SOURCE_DIR "/examples/2-zwei-netze.nz");
    void SetUp() override {
        netz.Kabelliste.GetKabel(2)->SetAktiv(true);
        netz.Kabelliste.GetKabel(5)->SetAktiv(true);
    }
    QImage Schnell(int verhaeltnis, const TBildzustand& z) {
        QImage bild(QSize(800, 600) * verhaeltnis, QImage::Format_RGB32);
        bild.setDevicePixelRatio(verhaeltnis);
        QPainter p(&bild);
        TTextSpeicher texte;
        TPufferLeinwand c(p, bild, bilder, texte);
        ZeichneBild(c, netz, z);
        return bild;
    }
};

TEST_F(Zeichnen, SchnelleUndEinfacheLeinwandMalenDasselbeBild) {
    TBildzustand z;
    z.AktKomponente = netz.Komponentenliste.GetKomponente(4);
    z.AktKabel = netz.Kabelliste.GetKabel(0);
    z.AktSubnetz = netz.Subnetzliste.Get(1);
    z.Modus = TModus::Subnetz;
    z.Startpunkt = {500, 500};
    z.Endpunkt = {380, 560};
    z.Flaeche = {0, 0, 800, 600};

    const QImage schnell = Schnell(1, z);
    QImage einfach(800, 600, QImage::Format_RGB32);
    {
        QPainter p(&einfach);
        TMalerLeinwand c(p, bilder);
        ZeichneBild(c, netz, z);
    }
    int anders = 0, weit = 0, bemalt = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const QRgb a = Farbe(schnell, x, y), b = Farbe(einfach, x, y);
            bemalt += a != 0xffffffu;
            if (a == b)
                continue;
            ++anders;
            weit += !InDerNaehe(einfach, x, y, a) || !InDerNaehe(schnell, x, y, b);
        }
    EXPECT_GT(bemalt, 10000);
    EXPECT_EQ(weit, 0);
    // Only single pixels of diagonal lines are rounded the other way.
    EXPECT_LT(anders, bemalt / 20) << anders << " of " << bemalt;
}

// At ratio 2 everything stands where the picture at ratio 1, doubled, has it (within the
// painter's rounding at line ends), in finer pixels: labels and icons are not doubled coarse ones.
TEST_F(Zeichnen, BeiVerhaeltnisZweiScharfAnDerselbenStelle) {
    TBildzustand z;
    z.AktKomponente = netz.Komponentenliste.GetKomponente(4);
    z.Flaeche = {0, 0, 800, 600};
    const QImage fein = Schnell(2, z);
    const QImage grob = Schnell(1, z).scaled(1600, 1200);
    const auto tinte = [](const QImage& b, int x, int y) {
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (b.valid(x + dx, y + dy) && Farbe(b, x + dx, y + dy) != 0xffffffu)
                    return true;
        return false;
    };
    int fehlt = 0, feiner = 0;
    for (int y = 0; y < 1200; ++y)
        for (int x = 0; x < 1600; ++x) {
            fehlt += Farbe(fein, x, y) != 0xffffffu && !tinte(grob, x, y);
            fehlt += Farbe(grob, x, y) != 0xffffffu && !tinte(fein, x, y);
            feiner += x % 2 == 0 && y % 2 == 0 &&
                      (fein.pixel(x, y) != fein.pixel(x + 1, y) ||
                       fein.pixel(x, y) != fein.pixel(x, y + 1) ||
                       fein.pixel(x, y) != fein.pixel(x + 1, y + 1));
        }
    // Near a corner the dots of a dotted outline's inner frame may fall between the coarse ones.
    EXPECT_LE(fehlt, 8);
    EXPECT_GT(feiner, 2000);
}

} // namespace
} // namespace verbundo::test

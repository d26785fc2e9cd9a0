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

TEST(Zeichnen, SchnelleUndEinfacheLeinwandMalenDasselbeBild) {
    TBilder bilder = TBilder::Lade({QStringLiteral(VERBUNDO_SOURCE_DIR "/assets")});
    TNetz netz = LadeNetzdatei(VERBUNDO_SOURCE_DIR "/examples/2-zwei-netze.nz");
    netz.Kabelliste.GetKabel(2)->SetAktiv(true);
    netz.Kabelliste.GetKabel(5)->SetAktiv(true);
    TBildzustand z;
    z.AktKomponente = netz.Komponentenliste.GetKomponente(4);
    z.AktKabel = netz.Kabelliste.GetKabel(0);
    z.AktSubnetz = netz.Subnetzliste.Get(1);
    z.Modus = 4;
    z.Startpunkt = {500, 500};
    z.Endpunkt = {380, 560};
    z.Flaeche = {0, 0, 800, 600};

    QImage schnell(800, 600, QImage::Format_RGB32), einfach = schnell;
    {
        QPainter p(&schnell);
        TTextSpeicher texte;
        TPufferLeinwand c(p, schnell, bilder, texte);
        ZeichneBild(c, netz, z);
    }
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

} // namespace
} // namespace verbundo::test

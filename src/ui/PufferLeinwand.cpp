#include "ui/PufferLeinwand.h"

#include "ui/Bilder.h"
#include "ui/Raster.h"
#include "ui/TextSpeicher.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace verbundo {

TPufferLeinwand::TPufferLeinwand(QPainter& painter, QImage& bild, const TBilder& bilder,
                                 TTextSpeicher& texte)
    : TMalerLeinwand(painter, bilder), Bild(bild), Texte(texte),
      V(bild.devicePixelRatio() > 1.5 ? 2 : 1) {
    // The font was set before this part of the canvas existed.
    Texte.SetSchrift("MS Sans Serif/8", Schrift("MS Sans Serif", 8), V);
}

void TPufferLeinwand::SchriftGewechselt(const std::string& name, const QFont& schrift) {
    Texte.SetSchrift(name, schrift, V);
}

void TPufferLeinwand::Rechteck(int links, int oben, int rechts, int unten) {
    if (Stift.width() != 1) {
        TMalerLeinwand::Rechteck(links, oben, rechts, unten);
        return;
    }
    if (rechts < links)
        std::swap(links, rechts);
    if (unten < oben)
        std::swap(oben, unten);
    // Right and bottom lie outside the outline. At V = 2 the outline is two device pixels
    // thick: an outer and an inner frame.
    rechts = std::max(links, rechts - 1);
    unten = std::max(oben, unten - 1);
    for (int i = 0; i < V; ++i)
        RasterRahmen(Bild, links * V + i, oben * V + i, rechts * V + V - 1 - i,
                     unten * V + V - 1 - i, Stift.color().rgb(), Stift.style() == Qt::DotLine, V);
}

void TPufferLeinwand::Linie(int x1, int y1, int x2, int y2) {
    if (Stift.style() != Qt::SolidLine) {
        TMalerLeinwand::Linie(x1, y1, x2, y2);
        return;
    }
    // Each surface pixel is a V x V block: the line at V times the coordinates and width, once
    // more for each further device pixel along it.
    const bool waagerecht = std::abs(x2 - x1) >= std::abs(y2 - y1);
    for (int i = 0; i < V; ++i) {
        const int dx = waagerecht ? i : 0, dy = waagerecht ? 0 : i;
        RasterLinie(Bild, x1 * V + dx, y1 * V + dy, x2 * V + dx, y2 * V + dy, Stift.color().rgb(),
                    Stift.width() * V);
    }
}

void TPufferLeinwand::TextAus(int x, int y, const std::string& text) {
    const auto& t = Texte.Text(text, PinselVoll ? PinselFarbe : QColor());
    const QPoint ecke = QPoint(x, y) + t.Versatz;
    if (t.Deckend)
        RasterKopie(Bild, ecke.x() * V, ecke.y() * V, t.Bild, t.Bild.rect());
    else
        Painter.drawImage(ecke, t.Bild);
}

int TPufferLeinwand::TextBreite(const std::string& text) {
    return Texte.Breite(text);
}

void TPufferLeinwand::KopiereBild(TBild bild, int x, int y, int breite, int hoehe) {
    const QImage& quelle = Bilder.Bild(bild, V);
    if (quelle.format() != QImage::Format_RGB32) {
        TMalerLeinwand::KopiereBild(bild, x, y, breite, hoehe);
        return;
    }
    RasterKopie(Bild, x * V, y * V, quelle, QRect(0, 0, breite * V, hoehe * V));
}

} // namespace verbundo

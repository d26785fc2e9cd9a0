#include "ui/PufferLeinwand.h"

#include "ui/Bilder.h"
#include "ui/Raster.h"
#include "ui/TextSpeicher.h"

#include <QPainter>

#include <algorithm>

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
    if (Stift.width() != 1 || V != 1) {
        TMalerLeinwand::Rechteck(links, oben, rechts, unten);
        return;
    }
    if (rechts < links)
        std::swap(links, rechts);
    if (unten < oben)
        std::swap(oben, unten);
    // Right and bottom lie outside the outline.
    RasterRahmen(Bild, links, oben, std::max(links, rechts - 1), std::max(oben, unten - 1),
                 Stift.color().rgb(), Stift.style() == Qt::DotLine);
}

void TPufferLeinwand::Linie(int x1, int y1, int x2, int y2) {
    if (Stift.style() != Qt::SolidLine || V != 1) {
        TMalerLeinwand::Linie(x1, y1, x2, y2);
        return;
    }
    RasterLinie(Bild, x1, y1, x2, y2, Stift.color().rgb(), Stift.width());
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

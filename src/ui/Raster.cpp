#include "ui/Raster.h"

#include <cstdlib>
#include <cstring>

namespace verbundo {

namespace {

class TPunkte {
public:
    TPunkte(QImage& bild, QRgb farbe)
        : Zeilen(bild.bits()), Abstand(bild.bytesPerLine()), Breite(bild.width()),
          Hoehe(bild.height()), Farbe(0xff000000u | farbe) {}

    void Setze(int x, int y) {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(Breite) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(Hoehe))
            reinterpret_cast<QRgb*>(Zeilen + static_cast<qsizetype>(y) * Abstand)[x] = Farbe;
    }

private:
    uchar* Zeilen;
    qsizetype Abstand;
    int Breite, Hoehe;
    QRgb Farbe;
};

} // namespace

void RasterLinie(QImage& bild, int x1, int y1, int x2, int y2, QRgb farbe, int breite) {
    TPunkte p(bild, farbe);
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = -std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    const bool waagerecht = dx >= -dy;
    long long fehler = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
        p.Setze(x, y);
        for (int i = 1; i < breite; ++i) {
            if (waagerecht)
                p.Setze(x, y + i);
            else
                p.Setze(x + i, y);
        }
        if (x == x2 && y == y2)
            break;
        const long long f2 = 2 * fehler;
        if (f2 >= dy) {
            fehler += dy;
            x += sx;
        }
        if (f2 <= dx) {
            fehler += dx;
            y += sy;
        }
    }
}

void RasterRahmen(QImage& bild, int links, int oben, int rechts, int unten, QRgb farbe,
                  bool gepunktet, int punktlaenge) {
    TPunkte p(bild, farbe);
    long long schritt = 0;
    auto punkt = [&](int x, int y) {
        if (!gepunktet || (schritt / punktlaenge) % 3 == 0)
            p.Setze(x, y);
        ++schritt;
    };
    if (links == rechts || oben == unten) {
        for (int y = oben; y <= unten; ++y)
            for (int x = links; x <= rechts; ++x)
                punkt(x, y);
        return;
    }
    for (int x = links; x < rechts; ++x)
        punkt(x, oben);
    for (int y = oben; y < unten; ++y)
        punkt(rechts, y);
    for (int x = rechts; x > links; --x)
        punkt(x, unten);
    for (int y = unten; y > oben; --y)
        punkt(links, y);
}

void RasterKopie(QImage& ziel, int x, int y, const QImage& quelle, QRect teil) {
    teil &= quelle.rect();
    // The part of ziel the block lands on, and back to where that part starts in quelle.
    const QRect feld = QRect(QPoint(x, y), teil.size()) & ziel.rect();
    if (feld.isEmpty())
        return;
    const int qx = teil.x() + feld.x() - x;
    const int qy = teil.y() + feld.y() - y;
    const auto bytes = static_cast<std::size_t>(feld.width()) * 4;
    // Row addresses by hand: scanLine() checks for sharing on every call.
    uchar* z = ziel.bits() + static_cast<qsizetype>(feld.y()) * ziel.bytesPerLine() +
               static_cast<qsizetype>(feld.x()) * 4;
    const uchar* q = quelle.constBits() + static_cast<qsizetype>(qy) * quelle.bytesPerLine() +
                     static_cast<qsizetype>(qx) * 4;
    for (int i = 0; i < feld.height(); ++i) {
        std::memcpy(z, q, bytes);
        z += ziel.bytesPerLine();
        q += quelle.bytesPerLine();
    }
}

} // namespace verbundo

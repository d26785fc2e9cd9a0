#pragma once

#include <QImage>

namespace verbundo {

// Unsmoothed lines and outlines written straight into a 32-bit image: the redraw draws
// hundreds of them many times a second, several times faster than through QPainter's
// general path. Pixels outside the image are skipped.

// Both end points included; a wider line adds the pixels below (mostly horizontal lines) or
// to the right (mostly vertical ones) of every pixel of the 1-pixel line.
void RasterLinie(QImage& bild, int x1, int y1, int x2, int y2, QRgb farbe, int breite);

// The outline of the pixels from (links, oben) to (rechts, unten), all four included. Dotted:
// one pixel on, two off (punktlaenge pixels each), counted on around the outline clockwise
// from the top-left corner.
void RasterRahmen(QImage& bild, int links, int oben, int rechts, int unten, QRgb farbe,
                  bool gepunktet, int punktlaenge = 1);

// Opaque copy of the block teil of quelle to (x, y) of ziel, both 32-bit, clipped to ziel.
void RasterKopie(QImage& ziel, int x, int y, const QImage& quelle, QRect teil);

} // namespace verbundo

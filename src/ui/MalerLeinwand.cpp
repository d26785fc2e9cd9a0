#include "ui/MalerLeinwand.h"

#include "ui/Bilder.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace verbundo {

namespace {

QColor Farbe(TFarbe f) {
    return QColor(f.r, f.g, f.b);
}

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QFont TMalerLeinwand::Schrift(const std::string& name, int punkte) {
    // The layout was made for these faces; Liberation has the same widths.
    QString familie = Text(name);
    if (name == "Arial Narrow")
        familie = QStringLiteral("Liberation Sans Narrow");
    else if (name == "Arial" || name == "MS Sans Serif")
        familie = QStringLiteral("Liberation Sans");
    QFont schrift(familie);
    // Glyphs stay smoothed: unsmoothed at this size, the dots of an address vanish.
    schrift.setStyleHint(QFont::SansSerif);
    // Points at 96 dots per inch, as the layout assumes: 8 -> 11 pixels, 10 -> 13.
    schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(punkte * 96.0 / 72.0))));
    return schrift;
}

TMalerLeinwand::TMalerLeinwand(QPainter& painter, const TBilder& bilder)
    : Painter(painter), Bilder(bilder), Stift(Qt::black, 1, Qt::SolidLine, Qt::FlatCap) {
    Painter.setRenderHint(QPainter::Antialiasing, false);
    StiftSetzen();
    PinselSetzen();
    SetSchrift("MS Sans Serif", 8);
}

void TMalerLeinwand::StiftSetzen() {
    Painter.setPen(Stift);
}

void TMalerLeinwand::PinselSetzen() {
    if (PinselVoll) {
        Painter.setBrush(PinselFarbe);
        Painter.setBackground(PinselFarbe);
    } else {
        Painter.setBrush(Qt::NoBrush);
    }
}

void TMalerLeinwand::SetStiftFarbe(TFarbe farbe) {
    Stift.setColor(Farbe(farbe));
    StiftSetzen();
}

void TMalerLeinwand::SetStiftBreite(int breite) {
    Stift.setWidth(std::max(1, breite));
    StiftSetzen();
}

void TMalerLeinwand::SetStiftStil(TStrich stil) {
    Stift.setStyle(stil == TStrich::Gepunktet ? Qt::DotLine : Qt::SolidLine);
    StiftSetzen();
}

void TMalerLeinwand::SetPinselFarbe(TFarbe farbe) {
    PinselFarbe = Farbe(farbe);
    PinselSetzen();
}

void TMalerLeinwand::SetPinselStil(TPinsel stil) {
    PinselVoll = stil == TPinsel::Voll;
    PinselSetzen();
}

void TMalerLeinwand::SetSchrift(const std::string& name, int punkte) {
    // Every device sets the same font again; rebuilding it each time would cost the redraw.
    if (Metriken && name == SchriftName && punkte == SchriftPunkte)
        return;
    SchriftName = name;
    SchriftPunkte = punkte;
    const QFont schrift = Schrift(name, punkte);
    Painter.setFont(schrift);
    Metriken.emplace(schrift);
    SchriftGewechselt(name + '/' + std::to_string(punkte), schrift);
}

void TMalerLeinwand::FuelleRechteck(int links, int oben, int rechts, int unten) {
    if (PinselVoll)
        Painter.fillRect(QRect(links, oben, rechts - links, unten - oben), PinselFarbe);
}

void TMalerLeinwand::Rechteck(int links, int oben, int rechts, int unten) {
    if (rechts < links)
        std::swap(links, rechts);
    if (unten < oben)
        std::swap(oben, unten);
    // Right and bottom lie outside the outline.
    rechts = std::max(links, rechts - 1);
    unten = std::max(oben, unten - 1);
    Painter.save();
    Painter.setBrush(Qt::NoBrush);
    if (Stift.style() != Qt::DotLine || links == rechts || oben == unten) {
        Painter.drawRect(QRect(links, oben, rechts - links, unten - oben));
    } else {
        // Dots one on, two off, counted on clockwise from the top-left corner, each edge
        // ending before the next one's first pixel: the dots stand where the surface has them.
        QPen punkte = Stift;
        punkte.setDashPattern({1.0, 2.0});
        const QPoint ecken[] = {{links, oben}, {rechts, oben}, {rechts, unten}, {links, unten}};
        int schritt = 0;
        for (int i = 0; i < 4; ++i) {
            const QPoint a = ecken[i], b = ecken[(i + 1) % 4];
            const int n = std::abs(b.x() - a.x()) + std::abs(b.y() - a.y());
            const QPoint r((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
            // The painter dashes from the smaller end; bottom and left edges run back to it.
            const bool zurueck = r.x() < 0 || r.y() < 0;
            const int versatz = zurueck ? (3 - (schritt + n - 1) % 3) % 3 : schritt % 3;
            const QPoint von = zurueck ? b - r : a, bis = zurueck ? a : b - r;
            punkte.setDashOffset(versatz);
            Painter.setPen(punkte);
            Painter.drawLine(von, bis);
            // The painter leaves a line's last pixel out.
            if ((versatz + n - 1) % 3 == 0) {
                Painter.setPen(QPen(Stift.color(), 1));
                Painter.drawPoint(bis);
            }
            schritt += n;
        }
    }
    Painter.restore();
}

void TMalerLeinwand::Linie(int x1, int y1, int x2, int y2) {
    // As on the surface: every pixel of the 1-pixel line from end to end, and for a 2-pixel
    // line the same once more below it (mostly horizontal) or right of it (mostly vertical).
    const bool waagerecht = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const QPoint d(waagerecht ? 0 : 1, waagerecht ? 1 : 0);
    Painter.save();
    Painter.setPen(QPen(Stift.color(), 1, Stift.style(), Qt::FlatCap));
    for (int i = 0; i < Stift.width(); ++i) {
        const QPoint a = QPoint(x1, y1) + i * d, b = QPoint(x2, y2) + i * d;
        Painter.drawLine(a, b);
        // The painter leaves a line's last pixel out.
        Painter.drawPoint(b);
    }
    Painter.restore();
}

void TMalerLeinwand::TextAus(int x, int y, const std::string& text) {
    const QString t = Text(text);
    // On the solid brush, the box of the text's advance and height is filled first.
    if (PinselVoll)
        Painter.fillRect(
            QRect(x, y, Metrik().horizontalAdvance(t), Metrik().ascent() + Metrik().descent()),
            PinselFarbe);
    // Text is drawn in the font colour, black; the pen keeps its own colour for lines.
    Painter.setPen(Qt::black);
    Painter.drawText(QPoint(x, y + Metrik().ascent()), t);
    StiftSetzen();
}

int TMalerLeinwand::TextBreite(const std::string& text) {
    return Metrik().horizontalAdvance(Text(text));
}

void TMalerLeinwand::KopiereBild(TBild bild, int x, int y, int breite, int hoehe) {
    // Opaque: the icon's background covers the cable ends beneath it.
    const QPainter::CompositionMode alt = Painter.compositionMode();
    Painter.setCompositionMode(QPainter::CompositionMode_Source);
    Painter.drawImage(QRect(x, y, breite, hoehe), Bilder.Bild(bild), QRect(0, 0, breite, hoehe));
    Painter.setCompositionMode(alt);
}

} // namespace verbundo

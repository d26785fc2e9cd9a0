#include "ui/PufferLeinwand.h"

#include "ui/Bilder.h"
#include "ui/Raster.h"
#include "ui/TextSpeicher.h"

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

QFont TPufferLeinwand::Schrift(const std::string& name, int punkte) {
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

TPufferLeinwand::TPufferLeinwand(QPainter& painter, const TBilder& bilder, TTextSpeicher* texte)
    : Painter(painter), Bilder(bilder), Texte(texte),
      Stift(Qt::black, 1, Qt::SolidLine, Qt::FlatCap) {
    Painter.setRenderHint(QPainter::Antialiasing, false);
    QPaintDevice* geraet = Painter.device();
    if (geraet && geraet->devType() == QInternal::Image) {
        auto* bild = static_cast<QImage*>(geraet);
        if (bild->depth() == 32 && !Painter.transform().isScaling() &&
            !Painter.transform().isTranslating())
            Bild = bild;
    }
    StiftSetzen();
    PinselSetzen();
    SetSchrift("MS Sans Serif", 8);
}

void TPufferLeinwand::StiftSetzen() {
    Painter.setPen(Stift);
}

void TPufferLeinwand::PinselSetzen() {
    if (PinselVoll) {
        Painter.setBrush(PinselFarbe);
        Painter.setBackground(PinselFarbe);
        Painter.setBackgroundMode(Qt::OpaqueMode);
    } else {
        Painter.setBrush(Qt::NoBrush);
        Painter.setBackgroundMode(Qt::TransparentMode);
    }
}

void TPufferLeinwand::SetStiftFarbe(TFarbe farbe) {
    Stift.setColor(Farbe(farbe));
    StiftSetzen();
}

void TPufferLeinwand::SetStiftBreite(int breite) {
    Stift.setWidth(std::max(1, breite));
    StiftSetzen();
}

void TPufferLeinwand::SetStiftStil(TStrich stil) {
    Stift.setStyle(stil == TStrich::Gepunktet ? Qt::DotLine : Qt::SolidLine);
    StiftSetzen();
}

void TPufferLeinwand::SetPinselFarbe(TFarbe farbe) {
    PinselFarbe = Farbe(farbe);
    PinselSetzen();
}

void TPufferLeinwand::SetPinselStil(TPinsel stil) {
    PinselVoll = stil == TPinsel::Voll;
    PinselSetzen();
}

void TPufferLeinwand::SetSchrift(const std::string& name, int punkte) {
    // Every device sets the same font again; rebuilding it each time would cost the redraw.
    if (Metriken && name == SchriftName && punkte == SchriftPunkte)
        return;
    SchriftName = name;
    SchriftPunkte = punkte;
    const QFont schrift = Schrift(name, punkte);
    Painter.setFont(schrift);
    Metriken.emplace(schrift);
    if (Texte)
        Texte->SetSchrift(name + '/' + std::to_string(punkte), schrift);
}

const QFontMetrics& TPufferLeinwand::Metrik() {
    return *Metriken;
}

void TPufferLeinwand::FuelleRechteck(int links, int oben, int rechts, int unten) {
    if (PinselVoll)
        Painter.fillRect(QRect(links, oben, rechts - links, unten - oben), PinselFarbe);
}

void TPufferLeinwand::Rechteck(int links, int oben, int rechts, int unten) {
    if (rechts < links)
        std::swap(links, rechts);
    if (unten < oben)
        std::swap(oben, unten);
    // Right and bottom lie outside the outline.
    rechts = std::max(links, rechts - 1);
    unten = std::max(oben, unten - 1);
    if (Bild && Stift.width() == 1) {
        RasterRahmen(*Bild, links, oben, rechts, unten, Stift.color().rgb(),
                     Stift.style() == Qt::DotLine);
        return;
    }
    const QBrush alt = Painter.brush();
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(QRect(links, oben, rechts - links, unten - oben));
    Painter.setBrush(alt);
}

void TPufferLeinwand::Linie(int x1, int y1, int x2, int y2) {
    if (Bild && Stift.style() == Qt::SolidLine) {
        RasterLinie(*Bild, x1, y1, x2, y2, Stift.color().rgb(), Stift.width());
        return;
    }
    Painter.drawLine(x1, y1, x2, y2);
}

void TPufferLeinwand::TextAus(int x, int y, const std::string& text) {
    if (Texte) {
        const auto& t = Texte->Text(text, PinselVoll ? PinselFarbe : QColor());
        const QPoint ecke = QPoint(x, y) + t.Versatz;
        if (t.Deckend && Bild)
            RasterKopie(*Bild, ecke.x(), ecke.y(), t.Bild, t.Bild.rect());
        else
            Painter.drawImage(ecke, t.Bild);
        return;
    }
    // Text is drawn in the font colour, black; the pen keeps its own colour for lines.
    Painter.setPen(Qt::black);
    Painter.drawText(QPoint(x, y + Metrik().ascent()), Text(text));
    Painter.setPen(Stift);
}

int TPufferLeinwand::TextBreite(const std::string& text) {
    if (Texte)
        return Texte->Breite(text);
    return Metrik().horizontalAdvance(Text(text));
}

void TPufferLeinwand::KopiereBild(TBild bild, int x, int y, int breite, int hoehe) {
    // Opaque: the icon's background covers the cable ends beneath it.
    const QImage& quelle = Bilder.Bild(bild);
    if (Bild && quelle.format() == QImage::Format_RGB32) {
        RasterKopie(*Bild, x, y, quelle, QRect(0, 0, breite, hoehe));
        return;
    }
    const QPainter::CompositionMode alt = Painter.compositionMode();
    Painter.setCompositionMode(QPainter::CompositionMode_Source);
    Painter.drawImage(QPoint(x, y), quelle, QRect(0, 0, breite, hoehe));
    Painter.setCompositionMode(alt);
}

} // namespace verbundo

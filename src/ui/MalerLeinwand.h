#pragma once

#include "model/Leinwand.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>

#include <optional>
#include <string>

class QPainter;

namespace verbundo {

class TBilder;

// The core's canvas over any QPainter: an image, a printer, an SVG or PDF writer. Unsmoothed
// lines, fonts by pixel size so the picture does not depend on the device's resolution.
class TMalerLeinwand : public TLeinwand {
public:
    // The painter must stay open while this lives; the canvas starts with a solid 1-pixel black
    // pen, a solid white brush and "MS Sans Serif" 8 points.
    TMalerLeinwand(QPainter& painter, const TBilder& bilder);

    void SetStiftFarbe(TFarbe farbe) override;
    void SetStiftBreite(int breite) override;
    void SetStiftStil(TStrich stil) override;
    void SetPinselFarbe(TFarbe farbe) override;
    void SetPinselStil(TPinsel stil) override;
    void SetSchrift(const std::string& name, int punkte) override;

    void FuelleRechteck(int links, int oben, int rechts, int unten) override;
    void Rechteck(int links, int oben, int rechts, int unten) override;
    void Linie(int x1, int y1, int x2, int y2) override;
    void TextAus(int x, int y, const std::string& text) override;
    int TextBreite(const std::string& text) override;
    void KopiereBild(TBild bild, int x, int y, int breite, int hoehe) override;

    // The font a name and point size stand for here.
    static QFont Schrift(const std::string& name, int punkte);

protected:
    // Font changes a subclass wants to follow.
    virtual void SchriftGewechselt(const std::string&, const QFont&) {}
    const QFontMetrics& Metrik() const { return *Metriken; }

    QPainter& Painter;
    const TBilder& Bilder;
    QPen Stift;
    QColor PinselFarbe = Qt::white;
    bool PinselVoll = true;

private:
    void StiftSetzen();
    void PinselSetzen();

    std::string SchriftName;
    int SchriftPunkte = 0;
    std::optional<QFontMetrics> Metriken;
};

} // namespace verbundo

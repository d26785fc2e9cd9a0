#pragma once

#include "model/Leinwand.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPen>

#include <optional>
#include <string>

class QPainter;

namespace verbundo {

class TBilder;
class TTextSpeicher;

// The core's canvas over a QPainter on the surface: crisp, unsmoothed lines, fonts by pixel
// size so the picture does not depend on the display's resolution.
class TPufferLeinwand : public TLeinwand {
public:
    // The painter must stay open while this lives; the canvas starts with a solid 1-pixel black
    // pen, a solid white brush and "MS Sans Serif" 8 points. Texts are copied from texte when
    // given, else laid out and drawn each time.
    TPufferLeinwand(QPainter& painter, const TBilder& bilder, TTextSpeicher* texte = nullptr);

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

private:
    void StiftSetzen();
    void PinselSetzen();
    const QFontMetrics& Metrik();

    QPainter& Painter;
    // The image the painter draws on, for lines and outlines written straight into it.
    QImage* Bild = nullptr;
    const TBilder& Bilder;
    TTextSpeicher* Texte;
    QPen Stift;
    QColor PinselFarbe = Qt::white;
    bool PinselVoll = true;
    std::string SchriftName;
    int SchriftPunkte = 0;
    std::optional<QFontMetrics> Metriken;
};

} // namespace verbundo

#pragma once

#include "ui/MalerLeinwand.h"

#include <QImage>

namespace verbundo {

class TTextSpeicher;

// The canvas on the surface Puffer, a 32-bit image the network is redrawn into many times a
// second: lines, outlines and opaque copies are written straight into its pixels, labels are
// copied from the text store. The picture is the one the plain painter would make. On an image
// of device pixel ratio 2 all of it is written at full resolution.
class TPufferLeinwand : public TMalerLeinwand {
public:
    TPufferLeinwand(QPainter& painter, QImage& bild, const TBilder& bilder, TTextSpeicher& texte);

    void Rechteck(int links, int oben, int rechts, int unten) override;
    void Linie(int x1, int y1, int x2, int y2) override;
    void TextAus(int x, int y, const std::string& text) override;
    int TextBreite(const std::string& text) override;
    void KopiereBild(TBild bild, int x, int y, int breite, int hoehe) override;

protected:
    void SchriftGewechselt(const std::string& name, const QFont& schrift) override;

private:
    QImage& Bild;
    TTextSpeicher& Texte;
    int V; // device pixels per surface pixel
};

} // namespace verbundo

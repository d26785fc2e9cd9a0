#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>

#include <map>
#include <string>
#include <unordered_map>

namespace verbundo {

// The network is redrawn many times a second with the same few hundred labels; laying each
// out anew costs more than the rest of the picture. Each text is drawn once into a small
// picture of its own, which later redraws only copy.
class TTextSpeicher {
public:
    struct TText {
        QImage Bild;    // the text on its background; transparent around it when it overhangs
        QPoint Versatz; // of the picture's corner from the text's top-left corner
        bool Deckend;   // no transparent pixel: a plain copy will do
    };

    // The font the following calls use; name names it for the store. At a device pixel ratio
    // of 2 the pictures have twice the pixels.
    void SetSchrift(const std::string& name, const QFont& schrift, int verhaeltnis = 1);
    // hintergrund: the opaque background's colour, or none (an invalid colour).
    const TText& Text(const std::string& text, const QColor& hintergrund);
    int Breite(const std::string& text);

private:
    struct TSchrift {
        TSchrift(const QFont& s, int v) : Schrift(s), Metrik(s), Verhaeltnis(v) {}
        QFont Schrift;
        QFontMetrics Metrik;
        int Verhaeltnis;
        std::unordered_map<std::string, TText> Texte;
        std::unordered_map<std::string, int> Breiten;
    };
    TText Zeichne(const TSchrift& s, const QString& text, const QColor& hintergrund) const;

    std::map<std::string, TSchrift> Schriften;
    TSchrift* Aktuell = nullptr;
    std::string Schluessel; // reused, so a hit allocates nothing
};

} // namespace verbundo

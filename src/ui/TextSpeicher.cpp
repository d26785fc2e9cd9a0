#include "ui/TextSpeicher.h"

#include <QPainter>

namespace verbundo {

namespace {

// Bounds the memory a learner's ever-changing addresses can take.
constexpr std::size_t Hoechstens = 20000;

QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void TTextSpeicher::SetSchrift(const std::string& name, const QFont& schrift, int verhaeltnis) {
    Aktuell = &Schriften.try_emplace(name + '@' + std::to_string(verhaeltnis), schrift, verhaeltnis)
                   .first->second;
}

int TTextSpeicher::Breite(const std::string& text) {
    auto& breiten = Aktuell->Breiten;
    if (auto it = breiten.find(text); it != breiten.end())
        return it->second;
    if (breiten.size() >= Hoechstens)
        breiten.clear();
    return breiten.emplace(text, Aktuell->Metrik.horizontalAdvance(Q(text))).first->second;
}

const TTextSpeicher::TText& TTextSpeicher::Text(const std::string& text,
                                                const QColor& hintergrund) {
    Schluessel.assign(text);
    Schluessel += '\0';
    if (hintergrund.isValid()) {
        const QRgb f = hintergrund.rgb();
        Schluessel += static_cast<char>(qRed(f));
        Schluessel += static_cast<char>(qGreen(f));
        Schluessel += static_cast<char>(qBlue(f));
    }
    auto& texte = Aktuell->Texte;
    if (auto it = texte.find(Schluessel); it != texte.end())
        return it->second;
    if (texte.size() >= Hoechstens)
        texte.clear();
    return texte.emplace(Schluessel, Zeichne(*Aktuell, Q(text), hintergrund)).first->second;
}

TTextSpeicher::TText TTextSpeicher::Zeichne(const TSchrift& s, const QString& text,
                                            const QColor& hintergrund) const {
    // Relative to the text's top-left corner: the background box as QPainter fills it in
    // opaque mode, and the glyphs, which may reach beyond it.
    const QFontMetrics& fm = s.Metrik;
    const QRect kasten(0, 0, fm.horizontalAdvance(text), fm.ascent() + fm.descent());
    const QRect zeichen = fm.boundingRect(text).translated(0, fm.ascent()).adjusted(-1, -1, 1, 1);
    const bool deckend = hintergrund.isValid() && kasten.contains(zeichen) && !kasten.isEmpty();
    const QRect alles = deckend ? kasten : kasten.united(zeichen);

    const int v = s.Verhaeltnis;
    TText t;
    t.Versatz = alles.topLeft();
    t.Deckend = deckend;
    t.Bild = QImage(alles.size().expandedTo(QSize(1, 1)) * v,
                    deckend ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    t.Bild.setDevicePixelRatio(v);
    t.Bild.fill(Qt::transparent);
    QPainter p(&t.Bild);
    p.translate(-alles.topLeft());
    if (hintergrund.isValid())
        p.fillRect(kasten, hintergrund);
    p.setFont(s.Schrift);
    p.setPen(Qt::black);
    p.drawText(QPoint(0, fm.ascent()), text);
    return t;
}

} // namespace verbundo

#pragma once

#include "model/Leinwand.h"

#include <QImage>
#include <QStringList>

#include <array>

namespace verbundo {

// The five device icons and the document icon, loaded once before the window is made.
class TBilder {
public:
    // The file each picture is loaded from.
    static QString Dateiname(TBild bild);

    const QImage& Bild(TBild bild) const { return Bilder[static_cast<std::size_t>(bild)]; }
    // The picture at twice its pixels for a screen of device pixel ratio 2, scaled smoothly
    // once from the loaded one; at ratio 1 the loaded one.
    const QImage& Bild(TBild bild, int verhaeltnis) const;
    void Setze(TBild bild, QImage bild_) {
        Bilder[static_cast<std::size_t>(bild)] = std::move(bild_);
        Doppelt[static_cast<std::size_t>(bild)] = QImage();
    }

    // Loads every picture by its file name, each from the first folder of ordner that has a
    // readable bitmap of it, in the order device icons, then the document icon. Raises EFehler
    // naming the first file that cannot be loaded.
    static TBilder Lade(const QStringList& ordner);

private:
    std::array<QImage, 6> Bilder;
    mutable std::array<QImage, 6> Doppelt;
};

} // namespace verbundo

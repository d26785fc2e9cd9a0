#include "ui/Bilder.h"

#include "model/Fehler.h"

#include <QDir>

namespace verbundo {

QString TBilder::Dateiname(TBild bild) {
    switch (bild) {
    case TBild::Computer:
        return QStringLiteral("computer.bmp");
    case TBild::Mailserver:
        return QStringLiteral("mailserver.bmp");
    case TBild::Switch:
        return QStringLiteral("switch.bmp");
    case TBild::Drucker:
        return QStringLiteral("drucker.bmp");
    case TBild::Router:
        return QStringLiteral("router.bmp");
    case TBild::Dokument:
        return QStringLiteral("dokument.bmp");
    }
    return {};
}

namespace {

QImage LadeBitmap(const QString& pfad, int mindestens) {
    QImage bild;
    if (!bild.load(pfad, "BMP") || bild.width() < mindestens || bild.height() < mindestens)
        return {};
    // Opaque pixels: the canvas copies icons over the cable ends beneath them.
    return bild.convertToFormat(QImage::Format_RGB32);
}

} // namespace

const QImage& TBilder::Bild(TBild bild, int verhaeltnis) const {
    const QImage& quelle = Bild(bild);
    if (verhaeltnis < 2 || quelle.isNull())
        return quelle;
    QImage& gross = Doppelt[static_cast<std::size_t>(bild)];
    if (gross.isNull()) {
        gross = quelle.scaled(quelle.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(quelle.format());
        gross.setDevicePixelRatio(2);
    }
    return gross;
}

TBilder TBilder::Lade(const QStringList& ordner) {
    TBilder bilder;
    // The start-up order: device icons, then the document icon.
    const TBild reihe[] = {TBild::Computer, TBild::Mailserver, TBild::Switch,
                           TBild::Drucker,  TBild::Router,     TBild::Dokument};
    for (TBild bild : reihe) {
        const int mindestens = bild == TBild::Dokument ? 16 : 32;
        QImage geladen;
        for (const QString& o : ordner) {
            geladen = LadeBitmap(QDir(o).filePath(Dateiname(bild)), mindestens);
            if (!geladen.isNull())
                break;
        }
        if (geladen.isNull())
            throw EFehler("Die Bilddatei „" + Dateiname(bild).toStdString() +
                          "“ fehlt oder ist keine gültige Bitmap.");
        bilder.Setze(bild, std::move(geladen));
    }
    return bilder;
}

} // namespace verbundo

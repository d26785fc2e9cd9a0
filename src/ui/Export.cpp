#include "ui/Export.h"

#include "edit/Ausschnitt.h"
#include "edit/Bild.h"
#include "model/Fehler.h"
#include "sim/Netz.h"
#include "ui/MalerLeinwand.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>

namespace verbundo {

namespace {

// Qt's compression ratio for PNG, 0 to 100, mapped onto deflate's levels 0 to 9: 33 is level 3.
// On the surface's 35 million pixels deflate at Qt's default level takes over a quarter of
// the export; level 3 takes a fifth of that, for a file a sixth larger. Most of what is left
// is libpng choosing a filter for each row, which Qt's writer does not let us set.
constexpr int PngKompression = 33;

// Texts measured with the fonts the picture is drawn in.
TRect Ausschnitt(const TNetz& netz, const TBilder& bilder) {
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter p(&probe);
    TMalerLeinwand mass(p, bilder);
    return Bildausschnitt(netz, mass);
}

QSize Groesse(const TRect& r) {
    return {r.Right - r.Left, r.Bottom - r.Top};
}

// The cut drawn with its top-left corner at the painter's origin.
void Male(QPainter& p, const TNetz& netz, const TBilder& bilder, const TRect& r) {
    p.save();
    p.translate(-r.Left, -r.Top);
    // Icons grow smoothly where the device has more pixels than the surface.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    TMalerLeinwand c(p, bilder);
    TBildzustand z;
    z.Flaeche = r;
    ZeichneBild(c, netz, z);
    p.restore();
}

} // namespace

std::optional<TBildformat> BildformatVon(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("png"))
        return TBildformat::Png;
    if (endung == QLatin1String("svg"))
        return TBildformat::Svg;
    if (endung == QLatin1String("pdf"))
        return TBildformat::Pdf;
    return std::nullopt;
}

QSize Bildgroesse(const TNetz& netz, const TBilder& bilder) {
    return Groesse(Ausschnitt(netz, bilder));
}

QByteArray BildDaten(const TNetz& netz, const TBilder& bilder, TBildformat format) {
    const TRect r = Ausschnitt(netz, bilder);
    const QSize g = Groesse(r);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    // A painter that cannot begin draws nothing and says so only on stderr; the file would
    // then be empty or blank.
    const auto male = [&](QPaintDevice& geraet) {
        QPainter p;
        if (!p.begin(&geraet))
            return false;
        Male(p, netz, bilder, r);
        return p.end();
    };
    bool gemacht = false;
    switch (format) {
    case TBildformat::Png: {
        QImage bild(g * 2, QImage::Format_RGB32);
        if (bild.isNull())
            break; // not enough memory for the pixels
        bild.setDevicePixelRatio(2);
        // 192 dots per inch: printed, the picture has the size it has on the screen.
        bild.setDotsPerMeterX(7559);
        bild.setDotsPerMeterY(7559);
        if (!male(bild))
            break;
        QImageWriter schreiber(&puffer, "png");
        schreiber.setCompression(PngKompression);
        gemacht = schreiber.write(bild);
        break;
    }
    case TBildformat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(g);
        svg.setViewBox(QRect(QPoint(0, 0), g));
        svg.setTitle(QStringLiteral("Verbundo"));
        gemacht = male(svg);
        break;
    }
    case TBildformat::Pdf: {
        // One point per surface pixel: the page is the picture.
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("Verbundo"));
        pdf.setResolution(72);
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(QSizeF(g), QPageSize::Point));
        gemacht = male(pdf);
        break;
    }
    }
    return gemacht ? daten : QByteArray();
}

void DruckeBild(const TNetz& netz, const TBilder& bilder, QPrinter& drucker, const QString& kopf) {
    const TRect r = Ausschnitt(netz, bilder);
    const QSize g = Groesse(r);
    QPainter p;
    if (!p.begin(&drucker))
        throw EFehler("Der Drucker lässt sich nicht öffnen.");
    const QRect seite(0, 0, drucker.width(), drucker.height());
    QFont schrift = TMalerLeinwand::Schrift("Arial", 8);
    schrift.setPointSizeF(9);
    p.setFont(schrift);
    const int kopfhoehe = p.fontMetrics().height() * 2;
    p.drawText(seite.adjusted(0, 0, 0, -(seite.height() - kopfhoehe)), Qt::AlignLeft | Qt::AlignTop,
               kopf);
    // The rest of the page, the picture as large as fits and centred across.
    const QRect feld = seite.adjusted(0, kopfhoehe, 0, 0);
    const double faktor =
        std::min(feld.width() / double(g.width()), feld.height() / double(g.height()));
    p.translate(feld.x() + (feld.width() - g.width() * faktor) / 2, feld.y());
    p.scale(faktor, faktor);
    Male(p, netz, bilder, r);
    p.end();
}

} // namespace verbundo

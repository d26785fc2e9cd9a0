// The network as a picture file or on paper.

#include "model/Fehler.h"
#include "ui/Dialoge.h"
#include "ui/Export.h"
#include "ui/uHaupt.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>

namespace verbundo {

namespace {

QFileInfo Datei(const TEditor& e) {
    return QFileInfo(QString::fromStdString(e.Dateiname()));
}

} // namespace

void TForm1::BildExportieren() {
    // Proposed beside the network's file, under its name.
    const QFileInfo netz = Datei(Editor());
    QString vorschlag = netz.completeBaseName() + QStringLiteral(".png");
    if (netz.path() != QLatin1String("."))
        vorschlag = netz.dir().filePath(vorschlag);
    const QString pfad = Dialoge.Speichern(
        this, vorschlag,
        QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)"), QString());
    if (pfad.isEmpty() || !Editor().DarfErsetzen(pfad.toStdString()))
        return;
    Editor().Sicher([&] {
        const auto format = BildformatVon(pfad);
        if (!format)
            throw EFehler("„" + QFileInfo(pfad).fileName().toStdString() +
                          "“: Bilder werden als .png, .svg oder .pdf gespeichert.");
        const QByteArray daten = BildDaten(Editor().Netz(), Bilder, *format);
        // The same writer as the network's files: an old picture is replaced only by a whole one.
        Dateiablage().Schreibe(pfad.toStdString(), daten.toStdString());
    });
}

void TForm1::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    const QSize groesse = Bildgroesse(Editor().Netz(), Bilder);
    drucker.setPageOrientation(groesse.width() > groesse.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    const QString name = Datei(Editor()).fileName();
    // The print dialog makes its proposal for printing to a file from this name, "klasse.pdf"
    // from "klasse.nz": just where "Bild exportieren" may have put the picture a moment ago.
    drucker.setDocName(QStringLiteral("Ausdruck von ") + name);
    if (!Dialoge.Drucken(this, drucker))
        return;
    const QString kopf = name + QStringLiteral("  –  ") +
                         QLocale(QLocale::German).toString(QDate::currentDate(), "dd.MM.yyyy");
    Editor().Sicher([&] { DruckeBild(Editor().Netz(), Bilder, drucker, kopf); });
}

} // namespace verbundo

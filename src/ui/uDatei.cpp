// Open, add and save: the file commands of the tool bar.

#include "files/NetzDatei.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QDir>
#include <QSaveFile>
#include <QToolButton>

namespace verbundo {

namespace {

// "Alle Dateien" must show files without a dot too, which "*.*" does not outside Windows.
#ifdef Q_OS_WIN
const char* const Filter = "Netzmodelle (*.nz);;Alle Dateien (*.*)";
#else
const char* const Filter = "Netzmodelle (*.nz);;Alle Dateien (*)";
#endif

std::string Nativ(const QString& pfad) {
    return QDir::toNativeSeparators(pfad).toStdString();
}

} // namespace

void TForm1::ToolButton5Click(QObject* sender) {
    const QString pfad = Dialoge().Oeffnen(this, QString::fromUtf8(Filter));
    if (pfad.isEmpty())
        return;
    LadeDatei(pfad, sender != ToolButton5);
}

void TForm1::LadeDatei(const QString& pfad, bool hinzufuegen) {
    // Raises before anything of the window's network has changed.
    LadeInNetz(Nativ(pfad), Netz, hinzufuegen);
    if (!hinzufuegen) {
        AktKomponente = nullptr;
        AktKabel = nullptr;
        AktSubnetz = nullptr;
        Modus = 0;
    }
    Dateiname = pfad;
    SetWerkzeug(TWerkzeug::Verschieben);
}

void TForm1::ToolButton6Click() {
    const QString pfad =
        Dialoge().Speichern(this, Dateiname, QString::fromUtf8(Filter), QStringLiteral("nz"));
    if (pfad.isEmpty())
        return;
    // Formatted before the file is touched: a value the format cannot hold leaves it alone.
    const std::string text = NetzdateiText(Netz);

    // The old file is replaced only by a complete new one.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        throw EFehler("Cannot create file " + Nativ(pfad));
    const auto laenge = static_cast<qint64>(text.size());
    const bool geschrieben = datei.write(text.data(), laenge) == laenge && datei.flush() &&
                             datei.error() == QFileDevice::NoError;
    if (!geschrieben) {
        // A short write (a full disk) still commits as success unless cancelled first.
        datei.cancelWriting();
        datei.commit();
        throw EFehler("Stream write error");
    }
    if (!datei.commit())
        throw EFehler("Stream write error");
}

} // namespace verbundo

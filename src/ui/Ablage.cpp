#include "ui/Ablage.h"

#include "model/Fehler.h"

#include <QDir>
#include <QSaveFile>

namespace verbundo {

void TSichereAblage::Schreibe(const std::string& pfad, const std::string& inhalt) {
    const QString name = QString::fromStdString(pfad);
    QSaveFile datei(name);
    if (!datei.open(QIODevice::WriteOnly))
        throw EFehler("Cannot create file " + QDir::toNativeSeparators(name).toStdString());
    const auto laenge = static_cast<qint64>(inhalt.size());
    const bool geschrieben = datei.write(inhalt.data(), laenge) == laenge && datei.flush() &&
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

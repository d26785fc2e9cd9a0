#include "ui/Ablage.h"

#include "model/Fehler.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace verbundo {

void TSichereAblage::Schreibe(const std::string& pfad, const std::string& inhalt) {
    const QString name = QString::fromStdString(pfad);
    const auto fehler = [&] {
        return EFehler("Cannot create file " +
                       Sichtbar(QDir::toNativeSeparators(name).toStdString()));
    };
    // The new file is renamed onto the link's target: a device or a FIFO there would be
    // replaced by a plain file. Only a regular file is ever replaced.
    if (const QFileInfo ziel(name); ziel.exists() && !ziel.isFile())
        throw fehler();
    QSaveFile datei(name);
    if (!datei.open(QIODevice::WriteOnly))
        throw fehler();
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

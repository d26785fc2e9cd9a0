#include "ui/Starter.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace verbundo {

bool TQtStarter::Starte(const QString& programm, const QStringList& argumente) {
    return QProcess::startDetached(programm, argumente);
}

bool TQtStarter::Oeffne(const QString& pfad) {
    // False where no opener (xdg-open or the desktop's own) can be found or started.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

} // namespace verbundo

#include "ui/Starter.h"

#include <QProcess>

namespace verbundo {

bool TQtStarter::Starte(const QString& programm, const QStringList& argumente) {
    return QProcess::startDetached(programm, argumente);
}

} // namespace verbundo

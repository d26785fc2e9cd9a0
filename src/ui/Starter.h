#pragma once

#include "ui/Dialoge.h"

namespace verbundo {

// Starts the console detached: it outlives neither a wait nor a report, and arguments are
// handed over one by one, never through a shell's parser.
class TQtStarter : public TStarter {
public:
    bool Starte(const QString& programm, const QStringList& argumente) override;
    bool Oeffne(const QString& pfad) override;
};

} // namespace verbundo

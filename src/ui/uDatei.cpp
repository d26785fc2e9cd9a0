// Open, add and save: the file commands of the tool bar.

#include "ui/uHaupt.h"

#include <QToolButton>

namespace verbundo {

// sender is ToolButton5 (open, replacing the network) or ToolButton10 (add). The picture
// shows the loaded network at the next timer tick.
void TForm1::ToolButton5Click(QObject* sender) {
    Editor().Oeffnen(sender != static_cast<QObject*>(ToolButton5));
    ZeigeWerkzeug();
}

void TForm1::ToolButton6Click() {
    Editor().Speichern();
}

void TForm1::LadeDatei(const QString& pfad) {
    // Work restored from a crash is not thrown away unasked.
    if (!Editor().DarfVerwerfen())
        return;
    Editor().Lade(pfad.toStdString(), false);
    ZeigeWerkzeug();
}

} // namespace verbundo

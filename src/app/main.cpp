// Start-up: the pictures, then the main window, then the event loop until it closes.

#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/Starter.h"
#include "ui/uHaupt.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

namespace {

// Without a screen (offscreen, minimal) nobody could close the box, and the start would hang.
bool HatBildschirm() {
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    verbundo::TBilder bilder;
    try {
        bilder = verbundo::TBilder::Lade({QDir::currentPath(), QStringLiteral(VERBUNDO_DATADIR)});
    } catch (const verbundo::EFehler& e) {
        std::fprintf(stderr, "verbundo: %s\n", e.what());
        if (HatBildschirm())
            QMessageBox::critical(nullptr, QStringLiteral("Verbundo"), QString::fromUtf8(e.what()));
        return 1;
    }

    verbundo::TQtDialoge dialoge;
    verbundo::TQtStarter starter;
    verbundo::TForm1 form(bilder, dialoge, starter);
    form.show();
    return app.exec();
}

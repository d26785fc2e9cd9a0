// Start-up: the pictures, then the main window, then the event loop until it closes.

#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/Starter.h"
#include "ui/uHaupt.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// Without a screen (offscreen, minimal) nobody could close the box, and the start would hang.
bool HatBildschirm() {
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}

// The program speaks German whatever the desktop's language, Qt's own dialogs included.
void LadeDeutscheQtTexte(QApplication& app, QTranslator& uebersetzer) {
    if (uebersetzer.load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&uebersetzer);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.verbundo.Verbundo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/programm/verbundo.png")));
    QTranslator uebersetzer;
    LadeDeutscheQtTexte(app, uebersetzer);

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
    // What a crash left is offered first, once the window is on screen.
    QTimer::singleShot(0, &form, [&form] { form.StarteWiederherstellung(); });

    // A double-clicked .nz file arrives as the one argument: it is opened as "Öffnen" would,
    // once the window is on screen, so an error box has a window to belong to.
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() == 2) {
        const QString pfad = argumente.at(1);
        QTimer::singleShot(0, &form, [&form, pfad] { form.LadeDatei(pfad); });
    }
    return app.exec();
}

// The diagnostics beside the canvas: the test's box, the routing display, and the consoles,
// one of them started for real.

#include "Fenster.h"
#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "ui/Starter.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace verbundo::test {
namespace {

TEST(Diagnose, PruefungUndRoutinganzeigeZeigenWasDerKernSagt) {
    TFenster f;
    f->LadeDatei(VERBUNDO_SOURCE_DIR "/examples/2-zwei-netze.nz");
    QTest::mouseClick(f.Teil<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(f.Dialoge.Informationen, std::vector<QString>{QString::fromStdString(Pruefbericht(
                                           ZaehleKonfigurationsfehler(f.E().Netz())))});

    // At zoom 1 from (0, 0) a view point is its surface point.
    const TKomponente* k = f.E().Netz().Komponentenliste.GetKomponente(0);
    const QPoint p(k->GetX(), k->GetY());
    f.Dialoge.MenueWahl = {"Routingtabelle anzeigen"};
    QTest::mouseClick(f.Anzeige(), Qt::RightButton, {}, p);
    auto* liste = f.Teil<QListWidget>("ListBox1");
    ASSERT_TRUE(liste->isVisible() && f.Teil<QLabel>("RoutingTabelle")->isVisible());
    QStringList zeilen;
    for (const std::string& z : RoutingAnzeige(f.E().Netz(), k))
        zeilen << QString::fromStdString(z);
    ASSERT_GT(zeilen.size(), 2);
    for (int i = 0; i < zeilen.size(); ++i)
        EXPECT_EQ(liste->item(i)->text(), zeilen[i]);
    EXPECT_EQ(liste->count(), zeilen.size());
    // Scrolled fully, the lines end as in a box wide enough for them: nothing is elided.
    QApplication::processEvents();
    const int ende = liste->horizontalScrollBar()->maximum();
    ASSERT_GT(ende, 0);
    liste->horizontalScrollBar()->setValue(ende);
    const QRect sichtbar(0, 0, liste->viewport()->width(), 14 * liste->count());
    const QImage gezeigt = liste->viewport()->grab(sichtbar).toImage();
    const QSize box = liste->size();
    liste->resize(box.width() + 2 * ende, box.height());
    QApplication::processEvents();
    EXPECT_EQ(gezeigt, liste->viewport()->grab(sichtbar.translated(ende, 0)).toImage());
    liste->resize(box);
    f.Dialoge.MenueWahl = {"Routingtabelle ausblenden"};
    QTest::mouseClick(f.Anzeige(), Qt::RightButton, {}, p);
    EXPECT_TRUE(liste->isHidden());
    EXPECT_EQ(liste->count(), 0);
}

// A stand-in terminal first on PATH writes down the argv it was started with.
TEST(Diagnose, TraceWoerterKommenWoertlichImGestartetenTerminalAn) {
    QTemporaryDir ordner;
    const QString protokoll = ordner.filePath("argv");
    {
        QFile skript(ordner.filePath("x-terminal-emulator"));
        ASSERT_TRUE(skript.open(QIODevice::WriteOnly));
        // NUL-separated, and renamed into place only when complete.
        skript.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$0.teil\" && mv \"$0.teil\" \"" +
                     protokoll.toLocal8Bit() + "\"\n");
        skript.close();
        skript.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray pfad = qgetenv("PATH");
    qputenv("PATH", ordner.path().toLocal8Bit() + ':' + pfad);
    TBilder bilder = TestBilder();
    TSkriptDialoge dialoge;
    TQtStarter starter;
    TForm1 form(bilder, dialoge, starter);
    form.findChild<QLineEdit*>("Edit1")->setText("; rm -rf x $(touch y) | z");
    QTest::mouseClick(form.findChild<QPushButton*>("Tracert"), Qt::LeftButton);
    const QDeadlineTimer frist(20000);
    while (!QFile::exists(protokoll) && !frist.hasExpired())
        QTest::qWait(20);
    qputenv("PATH", pfad);
    QFile datei(protokoll);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << "the stand-in terminal was not started";
    QList<QByteArray> argv = datei.readAll().split('\0');
    argv.removeLast(); // after the last separator
    ASSERT_EQ(argv.size(), 13);
    EXPECT_EQ(argv.mid(0, 3), (QList<QByteArray>{"-e", "/bin/sh", "-c"}));
    EXPECT_TRUE(argv[3].contains("traceroute \"$@\""));
    EXPECT_EQ(argv.mid(4),
              (QList<QByteArray>{"sh", ";", "rm", "-rf", "x", "$(touch", "y)", "|", "z"}));
}

} // namespace
} // namespace verbundo::test

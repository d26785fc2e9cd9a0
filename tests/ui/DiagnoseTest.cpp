// The diagnostics beside the canvas: the test's box, the routing display, and the consoles,
// one of them started for real.

#include "Fenster.h"
#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "ui/Starter.h"

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

// The trace button, started for real: a stand-in terminal first on PATH runs what it is
// given, and a stand-in traceroute writes down the words it got. No shell may parse them.
TEST(Diagnose, TraceWoerterKommenWoertlichBeimProgrammAn) {
    // Beside the test program: a temporary folder may not allow programs to run.
    QTemporaryDir ordner(QCoreApplication::applicationDirPath() + "/stellvertreter-XXXXXX");
    ASSERT_TRUE(ordner.isValid());
    const QString protokoll = ordner.filePath("argv"), falle = ordner.filePath("falle");
    const auto skript = [&](const char* name, const QByteArray& text) {
        QFile f(ordner.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("#!/bin/sh\n" + text) > 0);
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    skript("x-terminal-emulator", "shift\nexec \"$@\"\n"); // drops its -e
    // NUL-separated, and renamed into place only when complete.
    skript("traceroute", "printf '%s\\0' \"$@\" > \"$0.teil\" && mv \"$0.teil\" \"" +
                             protokoll.toLocal8Bit() + "\"\n");
    const TUmgebung pfad("PATH", ordner.path().toLocal8Bit() + ':' + qgetenv("PATH"));
    const TUmgebung shell("SHELL", "/bin/true"); // the console's shell afterwards ends at once
    TBilder bilder = TestBilder();
    TSkriptDialoge dialoge;
    TQtStarter starter;
    TForm1 form(bilder, dialoge, starter);
    const QString eingabe =
        " 10.0.0.1 ; >" + falle + " && $(>" + falle + ") `>" + falle + "` |x 'a b' \"c\" $HOME * ";
    form.findChild<QLineEdit*>("Edit1")->setText(eingabe);
    QTest::mouseClick(form.findChild<QPushButton*>("Tracert"), Qt::LeftButton);
    QTest::qWaitFor([&] { return QFile::exists(protokoll); }, 20000);
    QFile datei(protokoll);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << "the stand-ins were not started";
    QList<QByteArray> argv = datei.readAll().split('\0');
    argv.removeLast(); // after the last separator
    QList<QByteArray> woerter;
    for (const QString& w : eingabe.split(' ', Qt::SkipEmptyParts))
        woerter << w.toLocal8Bit();
    EXPECT_EQ(argv, woerter);
    EXPECT_FALSE(QFile::exists(falle));
}

} // namespace
} // namespace verbundo::test

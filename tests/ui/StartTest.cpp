// Start-up: the six pictures must all be there before any window is shown; the installation
// test checks that the data folder stands in for the working folder.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

const QStringList Dateien = {"computer.bmp", "mailserver.bmp", "switch.bmp",
                             "drucker.bmp",  "router.bmp",     "dokument.bmp"};

// The program's own pictures, copied into a folder, without the ones named.
void KopiereBilder(const QString& ziel, const QStringList& ohne = {}) {
    for (const QString& d : Dateien)
        if (!ohne.contains(d))
            QFile::copy(VERBUNDO_SOURCE_DIR "/assets/" + d, ziel + "/" + d);
}

std::string Meldung(const char* datei) {
    return std::string("Die Bilddatei „") + datei + "“ fehlt oder ist keine gültige Bitmap.";
}

#ifdef VERBUNDO_PROGRAMM
TEST(Start, ProgrammEndetOhneFensterWennEinBildFehlt) {
    if (QFile::exists(QStringLiteral(VERBUNDO_DATADIR "/router.bmp")))
        GTEST_SKIP() << "installed pictures in " VERBUNDO_DATADIR " would stand in";
    QTemporaryDir ordner;
    KopiereBilder(ordner.path(), {"router.bmp"});
    QProcess programm;
    programm.setWorkingDirectory(ordner.path());
    programm.start(QStringLiteral(VERBUNDO_PROGRAMM), {});
    // A shown window would run its event loop until closed; this start must end by itself.
    const bool beendet = programm.waitForFinished(20000);
    if (!beendet)
        programm.kill();
    ASSERT_TRUE(beendet);
    EXPECT_EQ(programm.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(programm.readAllStandardError())
                    .contains(QString::fromStdString(Meldung("router.bmp"))));
}
#endif

} // namespace
} // namespace verbundo::test

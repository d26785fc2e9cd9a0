// Start-up: the six pictures must all be there before any window is shown.

#include "model/Fehler.h"
#include "ui/Bilder.h"

#include <QFile>
#include <QImage>
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

std::string LadeFehler(const QStringList& ordner) {
    try {
        TBilder::Lade(ordner);
    } catch (const EFehler& e) {
        return e.what();
    }
    return {};
}

std::string Meldung(const char* datei) {
    return std::string("Die Bilddatei „") + datei + "“ fehlt oder ist keine gültige Bitmap.";
}

TEST(Start, BilderAusDemErstenOrdnerDerSieHatSonstNamentlicheMeldung) {
    QTemporaryDir arbeit, daten;
    KopiereBilder(arbeit.path(), {"router.bmp", "dokument.bmp"});
    KopiereBilder(daten.path());
    QFile kaputt(arbeit.filePath("dokument.bmp")); // not a bitmap: the data folder's is taken
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly) && kaputt.write("kein Bild") > 0);
    kaputt.close();
    QImage eigen(40, 40, QImage::Format_RGB32); // our own icon in the working folder wins
    eigen.fill(QColor(1, 2, 3));
    ASSERT_TRUE(eigen.save(arbeit.filePath("computer.bmp"), "BMP"));
    const TBilder b = TBilder::Lade({arbeit.path(), daten.path()});
    EXPECT_EQ(b.Bild(TBild::Computer).pixel(0, 0) & 0xffffffu, 0x010203u);
    EXPECT_EQ(b.Bild(TBild::Dokument).size(), QSize(16, 16));

    // The first missing picture in start-up order is named; too small or not BMP counts too.
    QTemporaryDir o;
    KopiereBilder(o.path(), {"mailserver.bmp", "dokument.bmp"});
    EXPECT_EQ(LadeFehler({o.path()}), Meldung("mailserver.bmp"));
    KopiereBilder(o.path(), {"dokument.bmp"});
    EXPECT_EQ(LadeFehler({o.path()}), Meldung("dokument.bmp"));
    ASSERT_TRUE(eigen.copy(0, 0, 15, 15).save(o.filePath("dokument.bmp"), "BMP"));
    EXPECT_EQ(LadeFehler({o.path()}), Meldung("dokument.bmp"));
    QFile::remove(o.filePath("switch.bmp"));
    ASSERT_TRUE(eigen.save(o.filePath("switch.bmp"), "PNG"));
    EXPECT_EQ(LadeFehler({o.path()}), Meldung("switch.bmp"));
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

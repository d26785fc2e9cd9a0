// Start-up: the six pictures must all be there before any window is shown.

#include "model/Fehler.h"
#include "ui/Bilder.h"

#include <QDir>
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
    const QDir quelle(QStringLiteral(VERBUNDO_SOURCE_DIR "/assets"));
    for (const QString& d : Dateien) {
        if (!ohne.contains(d)) {
            ASSERT_TRUE(QFile::copy(quelle.filePath(d), QDir(ziel).filePath(d))) << d.toStdString();
        }
    }
}

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

std::string LadeFehler(const QStringList& ordner) {
    try {
        TBilder::Lade(ordner);
    } catch (const EFehler& e) {
        return e.what();
    }
    return {};
}

TEST(FensterStart, BilderKommenAusDemErstenOrdnerDerSieHat) {
    QTemporaryDir arbeit, daten;
    KopiereBilder(arbeit.path(), {"router.bmp", "dokument.bmp"});
    KopiereBilder(daten.path());
    // Not a bitmap here, so the data folder's copy is taken.
    Schreibe(QDir(arbeit.path()).filePath("dokument.bmp"), "kein Bild");
    // A computer icon of our own in the working folder wins over the installed one.
    QImage eigen(40, 40, QImage::Format_RGB32);
    eigen.fill(QColor(1, 2, 3));
    ASSERT_TRUE(eigen.save(QDir(arbeit.path()).filePath("computer.bmp"), "BMP"));

    const TBilder b = TBilder::Lade({arbeit.path(), daten.path()});
    EXPECT_EQ(b.Bild(TBild::Computer).pixel(0, 0) & 0xffffffu, 0x010203u);
    EXPECT_EQ(b.Bild(TBild::Router).size(), QSize(32, 32));
    EXPECT_EQ(b.Bild(TBild::Dokument).size(), QSize(16, 16));
    for (TBild bild : {TBild::Computer, TBild::Mailserver, TBild::Switch, TBild::Drucker,
                       TBild::Router, TBild::Dokument})
        EXPECT_EQ(b.Bild(bild).format(), QImage::Format_RGB32);
}

TEST(FensterStart, FehlendesOderFalschesBildWirdBeimNamenGenannt) {
    QTemporaryDir ordner;
    KopiereBilder(ordner.path(), {"mailserver.bmp", "dokument.bmp"});
    // The first missing picture in start-up order is named.
    EXPECT_EQ(LadeFehler({ordner.path()}),
              "Die Bilddatei „mailserver.bmp“ fehlt oder ist keine gültige Bitmap.");
    KopiereBilder(ordner.path(),
                  {"computer.bmp", "switch.bmp", "drucker.bmp", "router.bmp", "dokument.bmp"});
    EXPECT_EQ(LadeFehler({ordner.path()}),
              "Die Bilddatei „dokument.bmp“ fehlt oder ist keine gültige Bitmap.");

    // Too small to show, or no bitmap at all.
    QImage klein(15, 15, QImage::Format_RGB32);
    klein.fill(Qt::red);
    ASSERT_TRUE(klein.save(QDir(ordner.path()).filePath("dokument.bmp"), "BMP"));
    EXPECT_EQ(LadeFehler({ordner.path()}),
              "Die Bilddatei „dokument.bmp“ fehlt oder ist keine gültige Bitmap.");
    QImage png(32, 32, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(QDir(ordner.path()).filePath("switch.bmp"), "PNG"));
    EXPECT_EQ(LadeFehler({ordner.path()}),
              "Die Bilddatei „switch.bmp“ fehlt oder ist keine gültige Bitmap.");
}

#ifdef VERBUNDO_PROGRAMM
TEST(FensterStart, ProgrammEndetOhneFensterWennEinBildFehlt) {
    if (QFile::exists(QStringLiteral(VERBUNDO_DATADIR "/router.bmp")))
        GTEST_SKIP() << "installed pictures in " VERBUNDO_DATADIR " would stand in";
    QTemporaryDir ordner;
    KopiereBilder(ordner.path(), {"router.bmp"});

    QProcess programm;
    programm.setWorkingDirectory(ordner.path());
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    programm.setProcessEnvironment(umgebung);
    programm.start(QStringLiteral(VERBUNDO_PROGRAMM), {});
    ASSERT_TRUE(programm.waitForStarted(10000));
    // A shown window would run its event loop until closed; this start must end by itself.
    const bool beendet = programm.waitForFinished(20000);
    if (!beendet)
        programm.kill();
    ASSERT_TRUE(beendet);
    EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programm.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(programm.readAllStandardError())
                    .contains("Die Bilddatei „router.bmp“ fehlt oder ist keine gültige Bitmap."));
}
#endif

} // namespace
} // namespace verbundo::test

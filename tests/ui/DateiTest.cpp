// Saving through QSaveFile into real folders: a full disk or a missing folder leaves the old
// file as it was.

#include "Fenster.h"
#include "files/NetzDatei.h"
#include "ui/Ablage.h"
#include "ui/Export.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verbundo::test {
namespace {

// A full disk, made real: the process may not write files beyond a few bytes.
struct TDateigroesse {
    rlimit Alt{};
    void (*AltSignal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    bool Gesetzt = false;
    explicit TDateigroesse(rlim_t grenze) {
        getrlimit(RLIMIT_FSIZE, &Alt);
        rlimit neu = Alt;
        neu.rlim_cur = grenze;
        Gesetzt = setrlimit(RLIMIT_FSIZE, &neu) == 0;
    }
    ~TDateigroesse() {
        setrlimit(RLIMIT_FSIZE, &Alt);
        std::signal(SIGXFSZ, AltSignal);
    }
};

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

TEST(Datei, SpeichernErsetztDieDateiNurGanz) {
    QTemporaryDir ordner;
    TFenster f;
    auto speichere = [&](const QString& name) {
        f.Dialoge.SpeichernAntworten = {ordner.filePath(name)};
        f.Teil<QToolButton>("ToolButton6")->click();
    };
    f.Dialoge.OeffnenAntworten = {VERBUNDO_TESTDATA "/beispiel.nz"};
    f.Teil<QToolButton>("ToolButton5")->click();
    const QByteArray beispiel = Inhalt(VERBUNDO_TESTDATA "/beispiel.nz");
    const QByteArray alt = "Comp.,    1,    1,1.1.1.1\r\n";
    {
        QFile netz(ordner.filePath("netz.nz"));
        ASSERT_TRUE(netz.open(QIODevice::WriteOnly));
        netz.write(alt);
    }
    {
        TDateigroesse grenze(64);
        ASSERT_TRUE(grenze.Gesetzt);
        speichere("netz.nz");
    }
    speichere("fehlt/neu.nz");
    EXPECT_EQ(Inhalt(ordner.filePath("netz.nz")), alt);
    // No half-written temporary file is left beside it.
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{"netz.nz"});
    EXPECT_EQ(f.Dialoge.Fehlermeldungen,
              (std::vector<QString>{"Stream write error",
                                    "Cannot create file " + QDir::toNativeSeparators(
                                                                ordner.filePath("fehlt/neu.nz"))}));
    // Without the limit the same save succeeds; the proposal stays the file last opened.
    speichere("netz.nz");
    EXPECT_EQ(Inhalt(ordner.filePath("netz.nz")), beispiel);
    EXPECT_EQ(f.Dialoge.SpeichernVorschlaege.back(), VERBUNDO_TESTDATA "/beispiel.nz");
    EXPECT_EQ(f.Dialoge.Fehlermeldungen.size(), 2u);
}

bool IstFifo(const QString& pfad) {
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// A target that is not a regular file, reached directly or through a link, is refused and stays
// what it was: renaming onto it would have put a plain file in place of a FIFO or a device.
TEST(Datei, NurRegulaereDateienWerdenErsetzt) {
    QTemporaryDir ordner;
    const QString rohr = ordner.filePath("rohr"), datei = ordner.filePath("datei.nz");
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    QFile::link(rohr, ordner.filePath("netz.nz"));
    QFile::link(rohr, ordner.filePath("bild\x1b[2J.png"));
    QDir(ordner.path()).mkdir("ordner.nz");
    TSichereAblage ablage;
    for (const char* name : {"netz.nz", "bild\x1b[2J.png", "rohr", "ordner.nz"}) {
        const QString pfad = ordner.filePath(name);
        try {
            ablage.Schreibe(pfad.toStdString(), "Comp.,    1,    1,1.1.1.1\r\n");
            ADD_FAILURE() << name << " written";
        } catch (const EFehler& e) {
            EXPECT_EQ(e.what(), "Cannot create file " + Sichtbar(pfad.toStdString()));
        }
    }
    EXPECT_TRUE(IstFifo(rohr));
    EXPECT_TRUE(QFileInfo(ordner.filePath("netz.nz")).isSymLink());
    // A link to a regular file still saves into that file and stays a link.
    QFile::link(datei, ordner.filePath("verweis.nz"));
    ablage.Schreibe(ordner.filePath("datei.nz").toStdString(), "alt");
    ablage.Schreibe(ordner.filePath("verweis.nz").toStdString(), "neu");
    EXPECT_EQ(Inhalt(datei), "neu");
    EXPECT_TRUE(QFileInfo(ordner.filePath("verweis.nz")).isSymLink());
}

// A device far off the surface stays out of the picture, as it does in the window: the picture
// is never larger than the surface, and a PNG that cannot be made replaces no file.
TEST(Datei, BildFernerGeraeteBleibtBeschraenkt) {
    QTemporaryDir ordner;
    TFenster f;
    const QString alt = ordner.filePath("alt.png");
    const auto exportiere = [&] {
        QFile bild(alt);
        ASSERT_TRUE(bild.open(QIODevice::WriteOnly));
        bild.write("altes Bild");
        bild.close();
        f.Dialoge.SpeichernAntworten = {alt};
        f.Teil<QToolButton>("BExport")->click();
    };
    TNetz& netz = f.E().NetzZumAendern();
    netz.Neu<TComputer>(-9999, -9999);
    netz.Neu<TComputer>(500, 400);
    exportiere();
    EXPECT_EQ(f.Dialoge.Fehlermeldungen, std::vector<QString>{});
    const QSize g = Bildgroesse(netz, f.Bilder);
    EXPECT_LT(g.width(), 600);
    EXPECT_EQ(QImage::fromData(Inhalt(alt)).size(), g * 2);

    netz.Neu<TComputer>(0, 0);
    netz.Neu<TComputer>(3000, 3000);
    netz.Neu<TComputer>(99999, 99999);
    EXPECT_EQ(Bildgroesse(netz, f.Bilder), QSize(3040, 3040));
#ifndef __SANITIZE_ADDRESS__
    // No room for the picture's 150 MB of pixels.
    rlimit vorher{};
    getrlimit(RLIMIT_AS, &vorher);
    rlimit knapp = vorher;
    knapp.rlim_cur = 3ull << 30;
    QFile status("/proc/self/status");
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmSize:"))
            knapp.rlim_cur = (zeile.mid(7).trimmed().split(' ')[0].toULongLong() + 65536) * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &knapp), 0);
    exportiere();
    setrlimit(RLIMIT_AS, &vorher);
    EXPECT_EQ(f.Dialoge.Fehlermeldungen, std::vector<QString>{"Cannot create file " + alt});
    EXPECT_EQ(Inhalt(alt), "altes Bild");
#endif
}

} // namespace
} // namespace verbundo::test

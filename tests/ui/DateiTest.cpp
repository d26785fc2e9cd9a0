// Saving through QSaveFile into real folders: a full disk or a missing folder leaves the old
// file as it was.

#include "Fenster.h"
#include "files/NetzDatei.h"
#include "ui/Ablage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace verbundo::test {
namespace {

// A full disk or too little memory, made real: the process may not write files beyond a few
// bytes (RLIMIT_FSIZE) or not take more address space (RLIMIT_AS).
struct TGrenze {
    int Art;
    rlimit Alt{};
    void (*AltSignal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    bool Gesetzt = false;
    TGrenze(int art, rlim_t grenze) : Art(art) {
        getrlimit(Art, &Alt);
        rlimit neu = Alt;
        neu.rlim_cur = grenze;
        Gesetzt = setrlimit(Art, &neu) == 0;
    }
    ~TGrenze() {
        setrlimit(Art, &Alt);
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
        TGrenze grenze(RLIMIT_FSIZE, 64);
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

// Only a regular file is replaced, and only by a whole picture: a FIFO behind a link would have
// had a file renamed over it, and a PNG without memory for its pixels would have been empty.
TEST(Datei, NurGanzeBilderErsetzenNurRegulaereDateien) {
    QTemporaryDir ordner;
    const QString rohr = ordner.filePath("rohr"), link = ordner.filePath("link.png"),
                  alt = ordner.filePath("alt.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    QFile::link(rohr, link);
    TSichereAblage().Schreibe(alt.toStdString(), "alt");
    TFenster f;
    f.E().NetzZumAendern().Neu<TComputer>(0, 0);
    f.E().NetzZumAendern().Neu<TComputer>(3000, 3000); // 150 MB of pixels
    f.Dialoge.SpeichernAntworten = {link, alt};
    f.Teil<QToolButton>("BExport")->click();
    EXPECT_EQ(f.Dialoge.Fehlermeldungen, std::vector<QString>{"Cannot create file " + link});
    const QFileInfo nachher(rohr);
    EXPECT_TRUE(nachher.exists() && !nachher.isFile());
#ifndef __SANITIZE_ADDRESS__ // the sanitizer needs far more address space than it uses
    QFile status("/proc/self/status");
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    const QByteArray s = status.readAll();
    const qsizetype vm = s.indexOf("VmSize:") + 7;
    const rlim_t belegt = s.mid(vm, s.indexOf("kB", vm) - vm).trimmed().toULongLong() << 10;
    {
        TGrenze knapp(RLIMIT_AS, belegt + (64 << 20));
        ASSERT_TRUE(knapp.Gesetzt);
        f.Teil<QToolButton>("BExport")->click();
    }
    EXPECT_EQ(f.Dialoge.Fehlermeldungen.back(), "Cannot create file " + alt);
    EXPECT_EQ(Inhalt(alt), "alt");
#endif
}

} // namespace
} // namespace verbundo::test

// Saving through QSaveFile into real folders: a full disk or a missing folder leaves the old
// file as it was.

#include "Fenster.h"
#include "files/NetzDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

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
        f.Dialoge.FrageAntworten = {0}; // "Ersetzen", when asked
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
    // Without the limit the same save succeeds; until then the file opened stays the current
    // one, and another file is replaced only after the question.
    speichere("netz.nz");
    EXPECT_EQ(Inhalt(ordner.filePath("netz.nz")), beispiel);
    EXPECT_EQ(f.Dialoge.SpeichernVorschlaege.back(), VERBUNDO_TESTDATA "/beispiel.nz");
    EXPECT_EQ(f.Dialoge.Fehlermeldungen.size(), 2u);
    EXPECT_EQ(f.Dialoge.Fragen.back(),
              "„netz.nz“ ist schon vorhanden. Ersetzen? | Ersetzen/Abbrechen");
    EXPECT_EQ(f->windowTitle(), "netz.nz – Verbundo");
}

} // namespace
} // namespace verbundo::test

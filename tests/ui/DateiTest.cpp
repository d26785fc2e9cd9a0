// Saving through QSaveFile into real folders: a full disk or a missing folder leaves the old
// file as it was.

#include "Fenster.h"
#include "files/NetzDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
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

// Opening a FIFO for reading waits for a writer: after three seconds one comes and goes, so a
// load that opens it fails the test instead of hanging it.
struct TWachhund {
    std::atomic<bool> Fertig{false}, Gebellt{false};
    std::thread Faden;
    explicit TWachhund(const QString& fifo)
        : Faden([this, pfad = QFile::encodeName(fifo)] {
              for (int ms = 0; !Fertig; ms += 10) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
                  if (ms >= 3000 && !Fertig) {
                      Gebellt = true;
                      const int fd = ::open(pfad.constData(), O_WRONLY | O_NONBLOCK);
                      if (fd >= 0)
                          ::close(fd);
                  }
              }
          }) {}
    ~TWachhund() {
        Fertig = true;
        Faden.join();
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

    // A FIFO is refused without opening it.
    const QString rohr = ordner.filePath("rohr");
    ASSERT_EQ(mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    TWachhund wachhund(rohr);
    f.Dialoge.OeffnenAntworten = {rohr};
    f.Teil<QToolButton>("ToolButton5")->click();
    EXPECT_FALSE(wachhund.Gebellt);
    EXPECT_EQ(f.Dialoge.Fehlermeldungen.back(), "Cannot open file " + rohr);
    EXPECT_EQ(f.E().Netz().Komponentenliste.Count(), 4);
}

} // namespace
} // namespace verbundo::test

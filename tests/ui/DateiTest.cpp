// Open, add and save through the tool bar, with scripted file dialogs.

#include "Testhilfe.h"
#include "files/NetzDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace verbundo::test {
namespace {

const char* const Beispiel = "Comp.,  100,   80,192.168.0.1\r\n"
                             "Druck,  250,   80,192.168.0.2\r\n"
                             "Swit.,  175,  200,0.0.0.0\r\n"
                             "Rout.,  175,  320,192.168.0.254,10.0.0.254\r\n"
                             "Kabel,    0,    2\r\n"
                             "Kabel,    1,    2\r\n"
                             "Kabel,    2,    3\r\n"
                             "Netz ,   50,   40,  300,  250,192.168.0.0,255.255.255.0\r\n";

struct Datei : ::testing::Test {
    QTemporaryDir Ordner;
    TFenster F;
    QString Pfad(const char* name) const { return Ordner.filePath(name); }
    QByteArray Inhalt(const char* name) const {
        QFile f(Pfad(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        return f.readAll();
    }
    void Schreibe(const char* name, const QByteArray& inhalt) const {
        QFile f(Pfad(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(inhalt), inhalt.size());
    }
    QString Native(const char* name) const { return QDir::toNativeSeparators(Pfad(name)); }
    // Three devices already drawn, the last one selected.
    void DreiGeraete() {
        F->Netz.Neu<TComputer>(10, 10);
        F->Netz.Neu<TComputer>(20, 20);
        F->AktKomponente = F->Netz.Neu<TSwitch>(30, 30);
    }
    void Klick(QToolButton* b, const char* antwort) {
        (b == F->ToolButton6 ? F.Dialoge.SpeichernAntworten
                             : F.Dialoge.OeffnenAntworten) = {Pfad(antwort)};
        b->click();
    }
};

TEST_F(Datei, SpeichernUndOeffnenGebenDasselbeNetz) {
    Schreibe("b.nz", Beispiel);
    Klick(F->ToolButton5, "b.nz");
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Verschieben);
    EXPECT_EQ(F.Dialoge.LetzterFilter.count(";;"), 1);
    EXPECT_TRUE(F.Dialoge.LetzterFilter.startsWith("Netzmodelle (*.nz);;Alle Dateien ("));
    EXPECT_EQ(QByteArray::fromStdString(NetzdateiText(F->Netz)), QByteArray(Beispiel));
    // Routing tables are computed after the load.
    auto* sw = dynamic_cast<TSwitch*>(F->Komponentenliste.GetKomponente(2));
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(sw->NaechstesKabel(*F->Komponentenliste.GetKomponente(0)), F->Kabelliste.GetKabel(0));
    Klick(F->ToolButton6, "kopie.nz");
    EXPECT_EQ(Inhalt("kopie.nz"), QByteArray(Beispiel));
    // Saving never changes the proposed name: the file last opened.
    EXPECT_EQ(F.Dialoge.SpeichernVorschlaege, std::vector<QString>{Pfad("b.nz")});
    EXPECT_EQ(F->Dateiname, Pfad("b.nz"));
    EXPECT_EQ(F.Dialoge.LetzteEndung, "nz");

    // Opening replaces everything, messages and selection included.
    F->Nachrichtenliste.Add(std::make_unique<TNachricht>(F->Komponentenliste.GetZeiger(0),
                                                         F->Komponentenliste.GetZeiger(1), "x"));
    F->AktKomponente = F->Komponentenliste.GetKomponente(0);
    F->AktKabel = F->Kabelliste.GetKabel(0);
    F->AktSubnetz = F->Subnetzliste[0].get();
    F->Modus = 3;
    F->SetWerkzeug(TWerkzeug::Router);
    Klick(F->ToolButton5, "kopie.nz");
    EXPECT_EQ(F->Dateiname, Pfad("kopie.nz"));
    EXPECT_EQ(F->Komponentenliste.Count(), 4);
    EXPECT_EQ(F->Kabelliste.Count(), 3);
    EXPECT_EQ(F->Subnetzliste.size(), 1u);
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);
    EXPECT_EQ(F->AktKomponente, nullptr);
    EXPECT_EQ(F->AktKabel, nullptr);
    EXPECT_EQ(F->AktSubnetz, nullptr);
    EXPECT_EQ(F->Modus, 0);
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Verschieben);
    F->ToolButton6->click(); // cancelled
    EXPECT_EQ(F.Dialoge.SpeichernVorschlaege.back(), Pfad("kopie.nz"));

    // An empty file empties the window.
    Schreibe("leer.nz", "");
    Klick(F->ToolButton5, "leer.nz");
    EXPECT_EQ(F->Komponentenliste.Count(), 0);
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
}

TEST_F(Datei, HinzufuegenZaehltKabelHinterDenVorhandenenGeraeten) {
    Schreibe("b.nz", Beispiel);
    Schreibe("leer.nz", "");
    DreiGeraete();
    TKomponente* ausgewaehlt = F->AktKomponente;
    Klick(F->ToolButton10, "leer.nz");
    EXPECT_EQ(F->Komponentenliste.Count(), 3);
    Klick(F->ToolButton10, "b.nz");
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
    ASSERT_EQ(F->Komponentenliste.Count(), 7);
    ASSERT_EQ(F->Kabelliste.Count(), 3);
    const std::pair<int, int> enden[] = {{3, 5}, {4, 5}, {5, 6}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(F->Kabelliste.GetKabel(i)->GetA(),
                  F->Komponentenliste.GetKomponente(enden[i].first));
        EXPECT_EQ(F->Kabelliste.GetKabel(i)->GetB(),
                  F->Komponentenliste.GetKomponente(enden[i].second));
    }
    EXPECT_EQ(F->AktKomponente, ausgewaehlt);
    EXPECT_EQ(F->Dateiname, Pfad("b.nz"));
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Verschieben);
}

TEST_F(Datei, AbbrechenUndFehlgeschlagenesLadenAendernNichts) {
    DreiGeraete();
    TKomponente* ausgewaehlt = F->AktKomponente;
    F->ToolButton5->click();
    F->ToolButton10->click();
    F->ToolButton6->click();
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
    EXPECT_TRUE(QDir(Ordner.path()).isEmpty());

    Schreibe("buchstabe.nz", "Comp.,  100,   80,192.168.0.1\r\nDruck,  250,   80,192.168.x.2\r\n");
    Schreibe("index.nz", QByteArray(Beispiel) + "Kabel,    7,    0\r\n");
    QDir(Ordner.path()).mkdir("ordner");
    for (const char* d : {"fehlt.nz", "ordner", "buchstabe.nz"})
        Klick(F->ToolButton5, d);
    Klick(F->ToolButton10, "index.nz");
    EXPECT_EQ(F.Dialoge.Fehlermeldungen,
              std::vector<QString>({"Cannot open file " + Native("fehlt.nz"),
                                    "Cannot open file " + Native("ordner"),
                                    "'x' is not a valid integer value",
                                    "List index out of bounds (10)"})); // base 3 + index 7
    EXPECT_EQ(F->Komponentenliste.Count(), 3);
    EXPECT_EQ(F->Kabelliste.Count(), 0);
    EXPECT_EQ(F->AktKomponente, ausgewaehlt);
    EXPECT_EQ(F->Dateiname, "Unbenannt.nz");
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Computer);
}

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

TEST_F(Datei, SpeicherfehlerLassenAlteDateiUnberuehrt) {
    Schreibe("b.nz", Beispiel);
    Klick(F->ToolButton5, "b.nz");
    const QByteArray alt = "Comp.,    1,    1,1.1.1.1\r\n";
    Schreibe("netz.nz", alt);
    {
        TDateigroesse grenze(64);
        ASSERT_TRUE(grenze.Gesetzt);
        Klick(F->ToolButton6, "netz.nz");
    }
    Klick(F->ToolButton6, "fehlt/neu.nz");
    EXPECT_FALSE(QFile::exists(Pfad("fehlt")));
    EXPECT_EQ(Inhalt("netz.nz"), alt);
    // No half-written temporary file is left beside it.
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), (QStringList{"b.nz", "netz.nz"}));
    // A position the five-character field cannot hold is refused before the file is touched.
    F->Netz.Neu<TComputer>(100000, 5);
    Klick(F->ToolButton6, "netz.nz");
    EXPECT_EQ(Inhalt("netz.nz"), alt);
    EXPECT_EQ(
        F.Dialoge.Fehlermeldungen,
        std::vector<QString>({"Stream write error", "Cannot create file " + Native("fehlt/neu.nz"),
                              "Stream write error"}));
    // Without the limit the same save succeeds.
    F->Netz.EntferneKomponente(F->Komponentenliste.GetKomponente(4));
    Klick(F->ToolButton6, "netz.nz");
    EXPECT_EQ(Inhalt("netz.nz"), QByteArray(Beispiel));
    EXPECT_EQ(F.Dialoge.Fehlermeldungen.size(), 3u);
}

} // namespace
} // namespace verbundo::test

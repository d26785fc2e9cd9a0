// Open, add and save through the tool bar, with scripted file dialogs.

#include "Testhilfe.h"
#include "files/NetzDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

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

void Baue(TNetz& n) {
    auto* c = n.Neu<TComputer>(100, 80);
    auto* d = n.Neu<TDrucker>(250, 80);
    auto* s = n.Neu<TSwitch>(175, 200);
    auto* r = n.Neu<TRouter>(175, 320);
    c->SetIPText("192.168.0.1");
    d->SetIPText("192.168.0.2");
    r->SetIPText("192.168.0.254");
    r->SetIP2Text("10.0.0.254");
    n.Verbinde(c, s);
    n.Verbinde(d, s);
    n.Verbinde(s, r);
    TSubnet* sub = n.NeuesSubnetz({50, 40, 300, 250});
    sub->SetNetzIDText("192.168.0.0");
    sub->SetMaskText("255.255.255.0");
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << pfad.toStdString();
    return f.readAll();
}

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(inhalt), inhalt.size());
}

std::string Native(const QString& pfad) {
    return QDir::toNativeSeparators(pfad).toStdString();
}

struct Datei : ::testing::Test {
    QTemporaryDir Ordner;
    TFenster F;
    QString Pfad(const char* name) const { return Ordner.filePath(QString::fromUtf8(name)); }
    std::vector<std::string> Fehler() const {
        std::vector<std::string> v;
        for (const QString& t : F.Dialoge.Fehlermeldungen)
            v.push_back(t.toStdString());
        return v;
    }
    // Three devices already drawn, one of them selected.
    void DreiGeraete() {
        F->Netz.Neu<TComputer>(10, 10);
        F->Netz.Neu<TComputer>(20, 20);
        F->AktKomponente = F->Netz.Neu<TSwitch>(30, 30);
    }
};

TEST_F(Datei, SpeichernUndOeffnenGebenDasselbeNetz) {
    Baue(F->Netz);
    F.Dialoge.SpeichernAntworten = {Pfad("beispiel.nz"), Pfad("anders.nz")};
    F->ToolButton6->click();
    EXPECT_EQ(Inhalt(Pfad("beispiel.nz")), QByteArray(Beispiel));
    // Saving never changes the proposed name.
    F->ToolButton6->click();
    ASSERT_EQ(F.Dialoge.SpeichernVorschlaege.size(), 2u);
    EXPECT_EQ(F.Dialoge.SpeichernVorschlaege[0], "Unbenannt.nz");
    EXPECT_EQ(F.Dialoge.SpeichernVorschlaege[1], "Unbenannt.nz");
    EXPECT_EQ(F->Dateiname, "Unbenannt.nz");
    EXPECT_EQ(F.Dialoge.LetzteEndung, "nz");
    EXPECT_TRUE(F.Dialoge.LetzterFilter.startsWith("Netzmodelle (*.nz);;Alle Dateien ("));
    EXPECT_EQ(F.Dialoge.LetzterFilter.count(";;"), 1);

    // Opening replaces everything, messages and selection included.
    F->Nachrichtenliste.Add(std::make_unique<TNachricht>(F->Komponentenliste.GetZeiger(0),
                                                         F->Komponentenliste.GetZeiger(1), "x"));
    F->AktKomponente = F->Komponentenliste.GetKomponente(0);
    F->AktKabel = F->Kabelliste.GetKabel(0);
    F->AktSubnetz = F->Subnetzliste[0].get();
    F->Modus = 3;
    F.Dialoge.OeffnenAntworten = {Pfad("anders.nz")};
    F->ToolButton5->click();
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
    EXPECT_EQ(F.Dialoge.LetzterFilter.count(";;"), 1);
    EXPECT_EQ(F->Dateiname, Pfad("anders.nz"));
    EXPECT_EQ(F->Komponentenliste.Count(), 4);
    EXPECT_EQ(F->Kabelliste.Count(), 3);
    EXPECT_EQ(F->Subnetzliste.size(), 1u);
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);
    EXPECT_EQ(F->AktKomponente, nullptr);
    EXPECT_EQ(F->AktKabel, nullptr);
    EXPECT_EQ(F->AktSubnetz, nullptr);
    EXPECT_EQ(F->Modus, 0);
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Verschieben);
    EXPECT_EQ(QByteArray::fromStdString(NetzdateiText(F->Netz)), QByteArray(Beispiel));
    // Routing tables are computed after the load.
    auto* sw = dynamic_cast<TSwitch*>(F->Komponentenliste.GetKomponente(2));
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(sw->NaechstesKabel(*F->Komponentenliste.GetKomponente(0)), F->Kabelliste.GetKabel(0));

    // The next save proposes the file last opened.
    F.Dialoge.SpeichernAntworten.clear();
    F->ToolButton6->click();
    EXPECT_EQ(F.Dialoge.SpeichernVorschlaege.back(), Pfad("anders.nz"));
}

TEST_F(Datei, HinzufuegenZaehltKabelHinterDenVorhandenenGeraeten) {
    Schreibe(Pfad("b.nz"), Beispiel);
    DreiGeraete();
    TKomponente* ausgewaehlt = F->AktKomponente;
    F.Dialoge.OeffnenAntworten = {Pfad("b.nz")};
    F->ToolButton10->click();
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

TEST_F(Datei, LeereDateiLeertBeimOeffnenUndFuegtNichtsHinzu) {
    Schreibe(Pfad("leer.nz"), "");
    DreiGeraete();
    F.Dialoge.OeffnenAntworten = {Pfad("leer.nz")};
    F->ToolButton10->click();
    EXPECT_EQ(F->Komponentenliste.Count(), 3);
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Verschieben);

    F->SetWerkzeug(TWerkzeug::Router);
    F.Dialoge.OeffnenAntworten = {Pfad("leer.nz")};
    F->ToolButton5->click();
    EXPECT_EQ(F->Komponentenliste.Count(), 0);
    EXPECT_EQ(F->AktKomponente, nullptr);
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Verschieben);
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
}

TEST_F(Datei, AbbrechenAendertNichts) {
    DreiGeraete();
    F->ToolButton5->click();
    F->ToolButton10->click();
    F->ToolButton6->click();
    EXPECT_EQ(F->Komponentenliste.Count(), 3);
    EXPECT_EQ(F->Dateiname, "Unbenannt.nz");
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Computer);
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
    EXPECT_TRUE(QDir(Ordner.path()).isEmpty());
}

TEST_F(Datei, FehlgeschlagenesLadenVerliertNichts) {
    DreiGeraete();
    TKomponente* ausgewaehlt = F->AktKomponente;
    Schreibe(Pfad("buchstabe.nz"), "Comp.,  100,   80,192.168.0.1\r\n"
                                   "Druck,  250,   80,192.168.x.2\r\n");
    Schreibe(Pfad("index.nz"), QByteArray(Beispiel) + "Kabel,    7,    0\r\n");
    QDir(Ordner.path()).mkdir("ordner");

    F.Dialoge.OeffnenAntworten = {Pfad("fehlt.nz"), Pfad("ordner"), Pfad("buchstabe.nz"),
                                  Pfad("index.nz")};
    F->ToolButton5->click();
    F->ToolButton5->click();
    F->ToolButton5->click();
    F->ToolButton10->click();
    const std::vector<std::string> erwartet = {"Cannot open file " + Native(Pfad("fehlt.nz")),
                                               "Cannot open file " + Native(Pfad("ordner")),
                                               "'x' is not a valid integer value",
                                               // Base 3 + index 7.
                                               "List index out of bounds (10)"};
    EXPECT_EQ(Fehler(), erwartet);

    EXPECT_EQ(F->Komponentenliste.Count(), 3);
    EXPECT_EQ(F->Kabelliste.Count(), 0);
    EXPECT_EQ(F->AktKomponente, ausgewaehlt);
    EXPECT_EQ(F->Dateiname, "Unbenannt.nz");
    EXPECT_EQ(F->Werkzeug(), TWerkzeug::Computer);
}

TEST_F(Datei, ZielOrdnerFehltOderZahlZuBreit) {
    Baue(F->Netz);
    Schreibe(Pfad("alt.nz"), "ALT\r\n");
    F.Dialoge.SpeichernAntworten = {Pfad("fehlt/neu.nz")};
    F->ToolButton6->click();
    // A position the five-character field cannot hold is refused before the file is touched.
    F->Netz.Neu<TComputer>(100000, 5);
    F.Dialoge.SpeichernAntworten = {Pfad("alt.nz")};
    F->ToolButton6->click();
    const std::vector<std::string> erwartet = {"Cannot create file " + Native(Pfad("fehlt/neu.nz")),
                                               "Stream write error"};
    EXPECT_EQ(Fehler(), erwartet);
    EXPECT_EQ(Inhalt(Pfad("alt.nz")), QByteArray("ALT\r\n"));
    EXPECT_FALSE(QFile::exists(Pfad("fehlt")));
}

// A full disk, made real: the process may not write files beyond a few bytes.
class TDateigroesse {
public:
    explicit TDateigroesse(rlim_t grenze) {
        AltSignal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &Alt);
        rlimit neu = Alt;
        neu.rlim_cur = grenze;
        Gesetzt = setrlimit(RLIMIT_FSIZE, &neu) == 0;
    }
    ~TDateigroesse() {
        setrlimit(RLIMIT_FSIZE, &Alt);
        std::signal(SIGXFSZ, AltSignal);
    }
    bool Gesetzt = false;

private:
    rlimit Alt{};
    void (*AltSignal)(int) = nullptr;
};

TEST_F(Datei, VollePlatteLaesstAlteDateiUnberuehrt) {
    Baue(F->Netz);
    const QByteArray alt = "Comp.,    1,    1,1.1.1.1\r\n";
    Schreibe(Pfad("netz.nz"), alt);
    F.Dialoge.SpeichernAntworten = {Pfad("netz.nz")};
    {
        TDateigroesse grenze(64);
        ASSERT_TRUE(grenze.Gesetzt);
        F->ToolButton6->click();
    }
    const std::vector<std::string> erwartet = {"Stream write error"};
    EXPECT_EQ(Fehler(), erwartet);
    EXPECT_EQ(Inhalt(Pfad("netz.nz")), alt);
    // No half-written temporary file is left beside it.
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{"netz.nz"});

    // Without the limit the same save succeeds.
    F.Dialoge.SpeichernAntworten = {Pfad("netz.nz")};
    F->ToolButton6->click();
    EXPECT_EQ(Inhalt(Pfad("netz.nz")), QByteArray(Beispiel));
    EXPECT_EQ(F.Dialoge.Fehlermeldungen.size(), 1u);
}

} // namespace
} // namespace verbundo::test

// A task's lines: every kind of check and every byte of text read back, nothing in them that
// a records-only reader could take for a record, and each bad line named at its field.

#include "files/AufgabeDatei.h"
#include "diag/Aufgabe.h"
#include "files/Einstellungen.h"
#include "files/Sicherung.h"
#include "model/Fehler.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <sstream>

namespace verbundo {
namespace {

TNetz Lies(const std::string& text) {
    std::istringstream ein(text);
    TNetz netz;
    LeseNetzdatei(ein, netz);
    return netz;
}

TEST(Aufgabenzeilen, JedePruefartUndJedesZeichenKommenZurueck) {
    TNetz netz;
    auto* c = netz.Neu<TComputer>(100, 100);
    netz.Neu<TSwitch>(200, 100);
    auto* d = netz.Neu<TDrucker>(300, 100);
    auto* r = netz.Neu<TRouter>(400, 100);
    auto a = std::make_shared<TAufgabe>();
    for (int z = 1; z < 127; ++z)
        if (z == '\n' || z == '\t' || z >= 0x20)
            a->Text += static_cast<char>(z);
    a->Text += "ÄÖÜß – €\U0001F600";
    const auto& l = netz.Komponentenliste;
    a->Vorgegeben = {l.GetZeiger(0), l.GetZeiger(2), l.GetZeiger(3)};
    const auto C = l.GetZeiger(0), D = l.GetZeiger(2), R = l.GetZeiger(3);
    a->Pruefpunkte = {
        {TPruefart::Fehlerfrei, 0, {}, {}, {}, 0, TArt::Router, 1},
        {TPruefart::Fehlerfrei, 3, {}, {}, LeseNetzangabe("10.1.0.0/16"), 0, TArt::Router, 1},
        {TPruefart::Erreicht, 2, C, D, {}, 0, TArt::Router, 1},
        {TPruefart::Adresse, 1, D, {}, LeseNetzangabe("10.0.0.7"), 0, TArt::Router, 1},
        {TPruefart::Adresse,
         100,
         R,
         {},
         LeseNetzangabe("10.2.0.0/255.255.0.0"),
         2,
         TArt::Router,
         1},
        {TPruefart::Verbunden, 1, R, C, {}, 0, TArt::Router, 1},
        {TPruefart::Anzahl, 1, {}, {}, {}, 0, TArt::Switch, 9999},
    };
    for (const auto& p : a->Pruefpunkte)
        PruefeAufbau(*a, p);
    netz.Aufgabe = a;
    const std::string text = NetzdateiText(netz);
    const std::string aufgabe = text.substr(text.find('#'));
    // No tag letter anywhere, no "#" but at a line's start: the 6-character steps of a
    // records-only reader find nothing, wherever they begin.
    EXPECT_EQ(aufgabe.find_first_of("CDKNRS"), std::string::npos) << aufgabe;
    for (std::size_t p = aufgabe.find('#', 1); p != std::string::npos; p = aufgabe.find('#', p + 1))
        EXPECT_EQ(aufgabe[p - 1], '\n') << aufgabe.substr(p - 10, 20);

    const TNetz zurueck = Lies(text);
    ASSERT_TRUE(zurueck.Aufgabe);
    EXPECT_EQ(zurueck.Aufgabe->Text, a->Text);
    ASSERT_EQ(zurueck.Aufgabe->Pruefpunkte.size(), a->Pruefpunkte.size());
    for (std::size_t i = 0; i < a->Pruefpunkte.size(); ++i) {
        const TPruefpunkt& p = zurueck.Aufgabe->Pruefpunkte[i];
        EXPECT_EQ(Pruefpunkttext(*zurueck.Aufgabe, p), Pruefpunkttext(*a, a->Pruefpunkte[i]));
        EXPECT_EQ(p.Punkte, a->Pruefpunkte[i].Punkte);
    }
    EXPECT_EQ(NetzdateiText(zurueck), text);
    // Unsaved work kept for a crash keeps its task.
    const TSicherung sicherung = LiesSicherung(SicherungsText(netz, "aufgabe.nz"));
    ASSERT_TRUE(sicherung.Netz.Aufgabe);
    EXPECT_EQ(NetzdateiText(sicherung.Netz), text);

    TNetz schlicht;
    std::istringstream ein(text);
    LeseOhneEinstellungen(ein, schlicht);
    EXPECT_FALSE(schlicht.Aufgabe);
    EXPECT_EQ(NetzdateiText(schlicht), text.substr(0, text.find('#')));

    // A given device that is no longer listed has no index to write.
    netz.EntferneKomponente(r);
    EXPECT_THROW(NetzdateiText(netz), EFehler);
    (void)c;
    (void)d;
}

TEST(Aufgabenzeilen, FalscheZeilenNennenIhrFeld) {
    const std::string geraete = "Comp.,  100,  100,10.0.0.1\r\n"
                                "Druck,  300,  100,10.0.0.2\r\n"
                                "Swit.,  500,  100,0.0.0.0\r\n"
                                "Rout.,  700,  100,10.0.0.3,10.0.1.3\r\n";
    const std::string vorgabe = "#vorg,    0,    1,    3\r\n";
    const struct {
        std::string Zeilen; // after the devices and the given-devices line
        long long Spalte;
        std::string Text;
    } faelle[] = {
        {"#pkt ,  101,fehlerfrei", 7, "Punkte müssen eine ganze Zahl von 0 bis 100 sein."},
        {"#pkt ,   -1,fehlerfrei", 7, "'   -1' ist keine Zahl."},
        {"#pkt ,    1,erreichbar,    0,    1", 13, "'erreichbar' ist keine bekannte Angabe."},
        {"#pkt ,    1,verbunden,    0,    7", 29,
         "Der Prüfpunkt nennt Gerät 7, die Datei hat 4 Geräte."},
        {"#pkt ,    1,verbunden,    0,    2", 29,
         "Der Prüfpunkt nennt Gerät 2, das nicht vorgegeben ist."},
        {"#pkt ,    1,verbunden,    0,    0", 13, "Ein Gerät ist nicht mit sich selbst verbunden."},
        {"#pkt ,    1,erreicht,    1,    0", 13,
         "Der Prüfpunkt braucht einen Computer, nicht Drucker B."},
        {"#pkt ,    1,adresse,    0,10.0.0.1/8", 27,
         "Die Netz-ID 10.0.0.1 hat Bits außerhalb der Maske 255.0.0.0."},
        {"#pkt ,    1,adresse,    0,10.0.0.0/255.0.255.0", 27,
         "Die Maske 255.0.255.0 ist keine ununterbrochene Folge von Einsen von links."},
        {"#pkt ,    1,adresse,    0,10.0.0.256", 27,
         "'10.0.0.256' ist keine Adresse (zum Beispiel 192.168.1.10, 192.168.1.0/24 oder "
         "192.168.1.0/255.255.255.0)."},
        {"#pkt ,    1,adresse,    0,0.0.0.0", 27, "0.0.0.0 steht für „keine Adresse“."},
        {"#pkt ,    1,adresse,    0,10.0.0.1,    2", 13,
         "Nur ein Router hat eine erste und eine zweite Adresse."},
        {"#pkt ,    1,adresse,    3,10.0.0.0/8,    3", 13,
         "Welche Adresse eines Routers: 1 (die erste) oder 2 (die zweite)."},
        {"#pkt ,    1,verbunden,    0", 28, "Der Aufgabenzeile fehlt ein Feld."},
        {"#pkt ,    1,anzahl,hub,    1", 20, "'hub' ist keine bekannte Angabe."},
        {"#pkt ,    1,anzahl," + std::string(120, 'x'), 20,
         "'" + std::string(100, 'x') + "…' ist keine bekannte Angabe."},
        {"#pkt ,    1,verbunden,    0,    1,    3", 35, "Die Aufgabenzeile hat ein Feld zu viel."},
        {"#pkt ,    1,anzahl,router,    1,    2", 33, "Die Aufgabenzeile hat ein Feld zu viel."},
        {"#aufgx", 6, "Nach #aufg fehlt das Komma."},
        {"#pkt ,    1,anzahl,router,    0", 13,
         "Die Anzahl muss eine ganze Zahl von 1 bis 9999 sein."},
        {"#pkt ,    1,fehlerfrei,10.0.0.0/8,    1", 35, "Die Aufgabenzeile hat ein Feld zu viel."},
        {"#pkt x,    1,fehlerfrei", 6, "Nach #pkt  fehlt das Komma."},
        {"#aufg,Sonne", 7, "Im Aufgabentext muss 'S' als %53 stehen."},
        {"#aufg,100% sicher", 10,
         "Nach % im Aufgabentext müssen zwei Hex-Ziffern (0-9, a-f) stehen."},
        {"#aufg,%4E", 7, "Nach % im Aufgabentext müssen zwei Hex-Ziffern (0-9, a-f) stehen."},
        {"#aufg,ok%ff", 7, "Der Aufgabentext ist kein gültiges UTF-8."},
        {"#aufg,%c3(", 7, "Der Aufgabentext ist kein gültiges UTF-8."},
        {"#aufg,%e0%80%80", 7, "Der Aufgabentext ist kein gültiges UTF-8."},
        {"#aufg,ok%0d", 7, "Der Aufgabentext enthält ein Steuerzeichen."},
        {"#aufg,a\r\n#aufg,b", 1, "Die Datei enthält zwei Aufgabentexte."},
        {"#vorg,    1", 1, "Die vorgegebenen Geräte stehen in zwei Zeilen."},
    };
    for (const auto& f : faelle) {
        // The first of the case's lines is line 6; an error in a second line names line 7.
        const long long zeile = f.Zeilen.find('\n') == std::string::npos ? 6 : 7;
        std::istringstream ein(geraete + vorgabe + f.Zeilen + "\r\n");
        TNetz netz;
        try {
            LeseNetzdatei(ein, netz);
            ADD_FAILURE() << f.Zeilen << ": read without an error";
        } catch (const ELesefehler& e) {
            EXPECT_EQ(e.what(), f.Text) << f.Zeilen;
            EXPECT_EQ(e.Stelle.Zeile, zeile) << f.Zeilen;
            EXPECT_EQ(e.Stelle.Spalte, f.Spalte) << f.Zeilen;
        }
        EXPECT_EQ(netz.Komponentenliste.Count(), 0) << "half loaded: " << f.Zeilen;
    }
    // Given devices: in range, each once.
    for (const auto& [zeile, text] :
         {std::pair<std::string, std::string>{"#vorg,    0,    4", "Vorgegeben ist Gerät 4, die "
                                                                   "Datei hat 4 Geräte."},
          {"#vorg,    1,    1", "Gerät 1 ist zweimal vorgegeben."}}) {
        std::istringstream ein(geraete + zeile);
        TNetz netz;
        EXPECT_THROW(
            try { LeseNetzdatei(ein, netz); } catch (const ELesefehler& e) {
                EXPECT_EQ(e.what(), text);
                EXPECT_EQ(e.Stelle.Spalte, 13);
                throw;
            },
            ELesefehler);
    }
}

// The bounds: 10 000 characters of text, 100 checks, 500 given devices.
TEST(Aufgabenzeilen, GrenzenGeltenBisAufsZeichen) {
    const auto text = [](std::size_t n) { return "#aufg," + std::string(n, 'a') + "\r\n"; };
    EXPECT_EQ(Lies(text(aufgabe::MaxZeichen)).Aufgabe->Text.size(), aufgabe::MaxZeichen);
    EXPECT_THROW(Lies(text(aufgabe::MaxZeichen + 1)), ELesefehler);
    // Four bytes a character: the longest text still fits the line.
    std::string vier;
    for (std::size_t i = 0; i < aufgabe::MaxZeichen; ++i)
        vier += "\U0001F600";
    EXPECT_EQ(Lies("#aufg," + vier + "\r\n").Aufgabe->Text, vier);

    std::string geraete, vorgabe = "#vorg";
    for (std::size_t i = 0; i <= aufgabe::MaxVorgegeben; ++i) {
        geraete += "Swit.,  100,  100,0.0.0.0\r\n";
        char feld[16];
        std::snprintf(feld, sizeof feld, ",%5zu", i);
        vorgabe += feld;
    }
    const std::string pruef = "#pkt ,    1,fehlerfrei\r\n";
    std::string hundert;
    for (std::size_t i = 0; i < aufgabe::MaxPruefpunkte; ++i)
        hundert += pruef;
    EXPECT_EQ(Lies(hundert).Aufgabe->Pruefpunkte.size(), aufgabe::MaxPruefpunkte);
    EXPECT_THROW(Lies(hundert + pruef), ELesefehler);
    EXPECT_THROW(Lies(geraete + vorgabe + "\r\n"), ELesefehler);
    vorgabe.erase(vorgabe.rfind(','));
    EXPECT_EQ(Lies(geraete + vorgabe + "\r\n").Aufgabe->Vorgegeben.size(), aufgabe::MaxVorgegeben);
}

} // namespace
} // namespace verbundo

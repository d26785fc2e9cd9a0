// A task's lines: every kind of check and every byte of text read back, nothing in them that
// a records-only reader could take for a record, and the limits to the character.

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

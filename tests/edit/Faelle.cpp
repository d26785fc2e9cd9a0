// Every file in tests/faelle/ is one case: a transcript of editor commands ("> " lines) and
// what they printed. The case runs the commands on a fresh editor with scripted answers and
// must print exactly the same transcript again. VERBUNDO_FAELLE_NEU=1 writes the new
// transcripts back (then read the changes before committing them).
//
// The same cases run against the page's WebAssembly build under node (web/, make check-web)
// and must print the same bytes there. What a browser cannot do is not run there: the commands
// cli (runs verbundo-cli), fifo and konsole (the console buttons, not on the page), and any
// command written "> nativ <command>" (real files of the machine: devices, FIFOs). Their
// recorded output is carried over unchanged, and the run counts them.

#include "Abbild.h"
#include "FallAufgabe.h"
#include "diag/Befunde.h"
#include "diag/Konsole.h"
#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "edit/Ansicht.h"
#include "edit/Ausschnitt.h"
#include "edit/Editor.h"
#include "edit/Sammelleinwand.h"
#include "edit/Sicherungsplan.h"
#include "edit/Zeichenstand.h"
#include "files/Einstellungen.h"
#include "files/NetzDatei.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace verbundo::test {
namespace {

const char* const Werkzeugnamen[] = {"Verschieben", "Computer", "Drucker", "Switch",
                                     "Router",      "Kabel",    "Subnetz"};
const char* const Menuenamen[MenuepunktAnzahl] = {
    "Loeschen", "Ip",      "Ip2",      "NetzID",   "Subnetmask", "Routing", "Hub",
    "Switch",   "Switch6", "Switch24", "Mailstop", "Mailstart",  "Senden"};

// A command the runner itself cannot carry out: the case is broken, whatever it printed.
struct EKaputt : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <std::size_t N> int Nummer(const char* const (&namen)[N], const std::string& name) {
    const auto* it = std::find(std::begin(namen), std::end(namen), name);
    if (it == std::end(namen))
        throw EKaputt("unbekannter Name: " + name);
    return static_cast<int>(it - std::begin(namen));
}

template <class... T> std::string Worte(const T&... teile) {
    std::ostringstream s;
    ((s << ' ' << teile), ...);
    return s.str();
}

std::string Liste(const std::vector<int>& zahlen) {
    std::string s;
    for (int z : zahlen)
        s += Worte(z);
    return s.empty() ? " -" : s;
}

// Writes down every drawing call as one line; text widths are 5 pixels per character.
class TAufzeichner : public TLeinwand {
public:
    explicit TAufzeichner(std::function<void(const std::string&)> aus) : Aus(std::move(aus)) {}
    void SetStiftFarbe(TFarbe f) override { Aus("StiftFarbe" + Worte(+f.r, +f.g, +f.b)); }
    void SetStiftBreite(int b) override { Aus("StiftBreite" + Worte(b)); }
    void SetStiftStil(TStrich s) override {
        Aus(s == TStrich::Gepunktet ? "Stift gepunktet" : "Stift durchgezogen");
    }
    void SetPinselFarbe(TFarbe f) override { Aus("PinselFarbe" + Worte(+f.r, +f.g, +f.b)); }
    void SetPinselStil(TPinsel s) override {
        Aus(s == TPinsel::Leer ? "Pinsel leer" : "Pinsel voll");
    }
    void SetSchrift(const std::string& n, int p) override { Aus("Schrift" + Worte(n, p)); }
    void FuelleRechteck(int l, int o, int r, int u) override { Aus("Fuelle" + Worte(l, o, r, u)); }
    void Rechteck(int l, int o, int r, int u) override { Aus("Rechteck" + Worte(l, o, r, u)); }
    void Linie(int a, int b, int c, int d) override { Aus("Linie" + Worte(a, b, c, d)); }
    void TextAus(int x, int y, const std::string& t) override { Aus("Text" + Worte(x, y, t)); }
    int TextBreite(const std::string& t) override { return static_cast<int>(t.size()) * 5; }
    void KopiereBild(TBild bild, int x, int y, int b, int h) override {
        const char* namen[] = {"Computer", "Mailserver", "Switch", "Drucker", "Router", "Dokument"};
        Aus("Bild" + Worte(namen[static_cast<int>(bild)], x, y, b, h));
    }

private:
    std::function<void(const std::string&)> Aus;
};

// One line per mark with every setting it is drawn with: two pictures that look alike give
// the same lines, however their settings were made.
class TMarkenschreiber : public TLeinwand {
public:
    void SetStiftFarbe(TFarbe f) override { Stift = Worte(+f.r, +f.g, +f.b); }
    void SetStiftBreite(int b) override { Breite = b; }
    void SetStiftStil(TStrich s) override { Punkte = s == TStrich::Gepunktet; }
    void SetPinselFarbe(TFarbe f) override { Pinsel = Worte(+f.r, +f.g, +f.b); }
    void SetPinselStil(TPinsel s) override { Leer = s == TPinsel::Leer; }
    void SetSchrift(const std::string& n, int p) override { Schrift = Worte(n, p); }
    void FuelleRechteck(int l, int o, int r, int u) override { Marke("fuelle", Worte(l, o, r, u)); }
    void Rechteck(int l, int o, int r, int u) override { Marke("rechteck", Worte(l, o, r, u)); }
    void Linie(int a, int b, int c, int d) override { Marke("linie", Worte(a, b, c, d)); }
    void TextAus(int x, int y, const std::string& t) override { Marke("text", Worte(x, y, t)); }
    int TextBreite(const std::string& t) override { return static_cast<int>(t.size()) * 5; }
    void KopiereBild(TBild b, int x, int y, int w, int h) override {
        Marke("bild", Worte(static_cast<int>(b), x, y, w, h));
    }
    std::vector<std::string> Zeilen;

private:
    void Marke(const char* was, const std::string& wo) {
        Zeilen.push_back(was + wo + " |" + Stift + Worte(Breite, Punkte) + " |" + Pinsel +
                         Worte(Leer) + " |" + Schrift);
    }
    std::string Stift = " 0 0 0", Pinsel = " 255 255 255", Schrift = " MS Sans Serif 8";
    int Breite = 1;
    bool Punkte = false, Leer = false;
};

// Replays a collected picture as the page does (web/src/zeichnen.ts), by the codes' numbers:
// they are the page's contract.
void Spiele(const TSammelleinwand& s, TLeinwand& c) {
    const auto& z = s.Befehle();
    const auto farbe = [](std::int32_t rgb) {
        return TFarbe{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
    };
    const auto& t = s.Texte();
    for (std::size_t i = 0; i < z.size();) {
        const std::int32_t* a = &z[i + 1];
        const int code = z[i];
        if (code == 1)
            c.SetStiftFarbe(farbe(a[0]));
        else if (code == 2)
            c.SetStiftBreite(a[0]);
        else if (code == 3)
            c.SetStiftStil(a[0] == 1 ? TStrich::Gepunktet : TStrich::Durchgezogen);
        else if (code == 4)
            c.SetPinselFarbe(farbe(a[0]));
        else if (code == 5)
            c.SetPinselStil(a[0] == 1 ? TPinsel::Leer : TPinsel::Voll);
        else if (code == 6)
            c.SetSchrift(t.at(a[0]), a[1]);
        else if (code == 7)
            c.FuelleRechteck(a[0], a[1], a[2], a[3]);
        else if (code == 8)
            c.Rechteck(a[0], a[1], a[2], a[3]);
        else if (code == 9)
            c.Linie(a[0], a[1], a[2], a[3]);
        else if (code == 10)
            c.TextAus(a[0], a[1], t.at(a[2]));
        else if (code == 11)
            c.KopiereBild(TBild(a[0]), a[1], a[2], a[3], a[4]);
        else
            throw EKaputt("unbekannter Code " + std::to_string(code));
        i += std::size_t{1} + (code <= 5 ? 1 : code == 6 ? 2 : code == 10 ? 3 : code == 11 ? 5 : 4);
    }
}

// Every listed object of a network as one line, keyed by the object: what a command changed
// shows as the lines that differ. Two texts per object: one to compare, naming other objects
// by identity (a device that only moved up the list when another went has not changed), and
// one to show, naming them by list position. The snapshot keeps the objects alive, so no
// address is reused between two snapshots.
class TStandbild {
public:
    explicit TStandbild(const TNetz& n) {
        std::map<const void*, int> nummer;
        for (int i = 0; i < n.Komponentenliste.Count(); ++i)
            nummer[n.Komponentenliste.GetKomponente(i)] = i;
        for (int i = 0; i < n.Kabelliste.Count(); ++i)
            nummer[n.Kabelliste.GetKabel(i)] = i;
        const auto geraet = [&](const void* k) {
            const auto it = nummer.find(k);
            return std::pair{Zeiger(k),
                             it == nummer.end() ? std::string(" weg") : Worte(it->second)};
        };
        const auto& kabel = geraet;
        for (const auto& k : n.Komponentenliste) {
            TZeile z{k, {}, "gerät" + geraet(k.get()).second + ":"};
            Teil(z, Worte(k->GetTyp(), k->GetX(), k->GetY(), k->GetIPText()));
            if (const auto* r = Als<TRouter>(k.get()))
                Teil(z, Worte(r->GetIP2Text()));
            Teil(z, k->Ports().empty() ? " ports -" : " ports");
            for (const TKabel* p : k->Ports())
                Teil(z, kabel(p));
            Teil(z, " /" + Worte(k->GetMaxPorts()));
            const auto* sw = Als<TSwitch>(k.get());
            const auto* c = Als<TComputer>(k.get());
            Teil(z, std::string(sw && sw->Hub ? " hub" : "") +
                        (c && c->IsMailserver() ? " mailserver" : ""));
            Zeilen.push_back(std::move(z));
        }
        for (const auto& k : n.Kabelliste) {
            TZeile z{k, {}, "kabel" + kabel(k.get()).second + ":"};
            Teil(z, geraet(k->GetA()));
            Teil(z, " -");
            Teil(z, geraet(k->GetB()));
            Zeilen.push_back(std::move(z));
        }
        int nr = 0;
        for (const auto& t : n.Subnetzliste) {
            const TRect r = t->GetRect();
            TZeile z{t, {}, "subnetz" + Worte(nr++) + ":"};
            Teil(z, Worte(r.Left, r.Top, r.Right, r.Bottom, t->GetNetzIDText(), t->GetMaskText()));
            Zeilen.push_back(std::move(z));
        }
        for (const auto& k : n.Komponentenliste)
            if (const auto* sw = Als<TSwitch>(k.get())) {
                // Keyed by the table, which lives as long as its switch.
                TZeile z{std::shared_ptr<const void>(k, &sw->Routingtabelle),
                         {},
                         "tabelle" + geraet(k.get()).second + ":"};
                for (int i = 0; i < sw->Routingtabelle.Count(); ++i) {
                    const TRoute& r = sw->Routingtabelle.GetRoute(i);
                    auto [vergleich, zeigen] = kabel(r.Kabel.lock().get());
                    Teil(z, std::pair{Worte(IPToStr(r.Ziel)) + ">" + vergleich,
                                      Worte(IPToStr(r.Ziel)) + ">" + zeigen.substr(1)});
                }
                Zeilen.push_back(std::move(z));
            }
        if (n.Aufgabe) {
            // One key for every task the network carries: a change shows as "~".
            static const auto aufgabe = std::make_shared<int>();
            auto [vergleich, zeigen] = Aufgabenzeile(n);
            Zeilen.push_back({aufgabe, vergleich, zeigen});
        }
        Nachrichten = n.Nachrichtenliste.Count();
    }

    // The lines that differ from vorher: "- " gone, "~ " changed, "+ " new.
    std::vector<std::string> Seit(const TStandbild& vorher) const {
        std::vector<std::string> aus;
        // The task's line is the network's, whichever network that is.
        const bool allesWeg =
            std::none_of(vorher.Zeilen.begin(), vorher.Zeilen.end(), [&](const TZeile& alt) {
                return !alt.Zeigen.starts_with("aufgabe:") && Finde(alt.Objekt);
            });
        // A network replaced as a whole is one line, not one per object.
        if (allesWeg && !vorher.Zeilen.empty())
            aus.push_back("- alles (" + std::to_string(vorher.Zeilen.size()) + " Zeilen)");
        for (const TZeile& alt : vorher.Zeilen)
            if (!allesWeg && !Finde(alt.Objekt))
                aus.push_back("- " + alt.Zeigen);
        for (const TZeile& z : Zeilen)
            if (const TZeile* alt = vorher.Finde(z.Objekt); !alt)
                aus.push_back("+ " + z.Zeigen);
            else if (alt->Vergleich != z.Vergleich)
                aus.push_back("~ " + z.Zeigen);
        if (Nachrichten != vorher.Nachrichten)
            aus.push_back("~ unterwegs" + Worte(Nachrichten));
        return aus;
    }

private:
    struct TZeile {
        std::shared_ptr<const void> Objekt;
        std::string Vergleich, Zeigen;
    };
    static std::string Zeiger(const void* p) {
        std::ostringstream s;
        s << ' ' << p;
        return s.str();
    }
    static void Teil(TZeile& z, const std::string& beides) {
        z.Vergleich += beides;
        z.Zeigen += beides;
    }
    static void Teil(TZeile& z, const std::pair<std::string, std::string>& teil) {
        z.Vergleich += teil.first;
        z.Zeigen += teil.second;
    }
    const TZeile* Finde(const std::shared_ptr<const void>& objekt) const {
        if (Index.empty())
            for (std::size_t i = 0; i < Zeilen.size(); ++i)
                Index[Zeilen[i].Objekt.get()] = i;
        const auto it = Index.find(objekt.get());
        return it == Index.end() ? nullptr : &Zeilen[it->second];
    }

    std::vector<TZeile> Zeilen;
    mutable std::map<const void*, std::size_t> Index;
    int Nachrichten = 0;
};

// One case: the editor with scripted answers, writing down everything it shows.
class TFall : public TFragen, public TDateiablage {
public:
    explicit TFall(const std::string& temp)
        : Daten(std::string(VERBUNDO_TESTDATA) + "/"), Temp(temp + "/") {}

    void Information(const std::string& text) override {
        Schreib("information: " + Sichtbar(text));
        if (!ImHinweis.empty())
            Fuehre(std::exchange(ImHinweis, {}), "  ");
    }
    void Fehler(const std::string& text) override { Schreib("fehler: " + Sichtbar(text)); }
    std::string Eingabe(const std::string& titel, const std::string& frage,
                        const std::string& vorgabe) override {
        Schreib("frage: " + titel + " | " + frage + " | " + Sichtbar(vorgabe));
        if (!Antworten.empty())
            return Naechste(vorgabe);
        return Antwort ? *std::exchange(Antwort, std::nullopt) : vorgabe;
    }
    int Auswahl(const std::string& titel, const std::string& frage,
                const std::vector<std::string>& optionen) override {
        std::string alle;
        for (const std::string& o : optionen)
            alle += (alle.empty() ? "" : " / ") + o;
        Schreib("auswahl: " + titel + " | " + frage + " | " + alle);
        const auto it = std::find(optionen.begin(), optionen.end(), Naechste("-"));
        return it == optionen.end() ? -1 : static_cast<int>(it - optionen.begin());
    }
    std::string OeffnenWahl() override { return std::exchange(Datei, {}); }
    std::string SpeichernWahl(const std::string& vorschlag) override {
        Schreib("speichern unter? " + Sichtbar(vorschlag));
        return std::exchange(Ziel, {});
    }
    TAntwort Speicherfrage(const std::string& text) override {
        Schreib("speicherfrage: " + text);
        return std::exchange(Speicherantwort, TAntwort::Abbrechen);
    }
    int Frage(const std::string& text, const std::vector<std::string>& knoepfe) override {
        std::string zeile = "box: " + Sichtbar(text) + " |";
        for (const std::string& k : knoepfe)
            zeile += " [" + k + "]";
        Schreib(zeile);
        // Unless answered beforehand, the box is closed: the last button.
        const int k = std::exchange(Knopf, -1);
        return k < 0 ? static_cast<int>(knoepfe.size()) - 1 : k;
    }
    void Schreibe(const std::string& pfad, const std::string& inhalt) override {
        if (AblageVoll)
            throw EFehler("Stream write error");
        Schreib("geschrieben: " + Sichtbar(pfad) + "," + Worte(inhalt.size(), "Bytes"));
        // Never beside the tests: a name elsewhere lands in the case's folder.
        std::ofstream(pfad.starts_with(Temp) ? pfad : Temp + fs::path(pfad).filename().string(),
                      std::ios::binary)
            << inhalt;
    }

    // Runs the case's commands and returns its transcript made anew.
    std::string Lauf(const std::string& inhalt) {
        std::istringstream ein(inhalt);
        bool uebernehmen = false; // the recorded output of a command not run here
        for (std::string z; std::getline(ein, z);) {
            // Output of the last command is made anew; comments stay.
            const bool kommentar = z == "#" || z.rfind("# ", 0) == 0;
            if (kommentar)
                Aus += z + '\n';
            if (z.rfind("> ", 0) != 0) {
                if (uebernehmen && !kommentar)
                    Aus += z + '\n';
                uebernehmen = uebernehmen && !kommentar;
                continue;
            }
            Aus += z + '\n';
            std::string befehl = z.substr(2);
            const std::string wort = befehl.substr(0, befehl.find(' '));
            const bool nativ =
                wort == "nativ" || wort == "cli" || wort == "fifo" || wort == "konsole";
            if (befehl.starts_with("nativ "))
                befehl.erase(0, 6);
#ifdef __EMSCRIPTEN__
            uebernehmen = nativ;
            Uebernommen += nativ;
            if (nativ)
                continue;
#else
            (void)nativ;
#endif
            if (z.rfind("> datei ", 0) == 0) {
                // Its lines up to "> ende" are a file's contents, written with CR LF.
                std::ofstream datei(Temp + z.substr(8), std::ios::binary);
                while (std::getline(ein, z) && z != "> ende") {
                    datei << z << "\r\n";
                    Aus += z + '\n';
                }
                Aus += "> ende\n";
                continue;
            }
            try {
                Fuehre(befehl, "");
            } catch (const std::exception& e) {
                // Not an answer of the editor's: the case is broken and nothing it printed may
                // become its expectation.
                Kaputt = z + ": " + e.what();
                break;
            }
        }
        return Aus;
    }
    // Why the case could not be run; empty when it ran.
    std::string Kaputt;
    int Uebernommen = 0; // commands not run in this build

private:
    void Schreib(const std::string& zeile) {
        Aus += Einzug + zeile + '\n';
    }
    // Machine paths shown as <daten>/ and <tmp>/, CR and LF as \r and \n.
    std::string Sichtbar(std::string text) const {
        for (const auto& [alt, neu] : {std::pair<std::string, std::string>{"\r", "\\r"},
                                       {"\n", "\\n"},
                                       {Daten, "<daten>/"},
                                       {Temp, "<tmp>/"}})
            for (std::size_t p; (p = text.find(alt)) != std::string::npos;)
                text.replace(p, alt.size(), neu);
        return text;
    }
    // A file a command names: from the case's own folder, else from the test data. A name
    // beginning with "fehlt" stands for a file that is meant to be missing; any other missing
    // name is a typing error in the case.
    std::string Pfad(const std::string& wort) const {
        if (wort == "-")
            return "";
        if (wort.starts_with('/'))
            return wort;
        if (fs::exists(Temp + wort))
            return Temp + wort;
        if (!fs::exists(Daten + wort) && !wort.starts_with("fehlt"))
            throw EKaputt("keine Datei " + wort);
        return Daten + wort;
    }
    // Where the save dialog's answer puts a file: a name goes into the case's folder.
    std::string Speicherziel(const std::string& name) const {
        return name.empty() || name == "-" ? "" : name.starts_with('/') ? name : Temp + name;
    }
    std::string Geraet(const TKomponente* k) const {
        const int i = E.Netz().Komponentenliste.IndexVon(k);
        return i < 0 ? "weg" : std::to_string(i);
    }
    std::string Zustand(const TReaktion& r) const {
        std::string s = "modus " + std::to_string(static_cast<int>(E.Modus())) + " |";
        if (TKomponente* k = E.AktKomponente())
            s += " gerät " + Geraet(k);
        if (TKabel* k = E.AktKabel())
            s += Worte("kabel", E.Netz().Kabelliste.IndexVon(k));
        if (TSubnet* n = E.AktSubnetz())
            s += Worte("subnetz", E.Netz().Subnetzliste.IndexVon(n));
        if (!E.AktKomponente() && !E.AktKabel() && !E.AktSubnetz())
            s += " -";
        if (!r.Neuzeichnen)
            s += " | ohne zeichnen";
        if (r.Kontextmenue) {
            s += " | menü:";
            for (int i = 0; i < MenuepunktAnzahl; ++i)
                if (E.Sichtbar(static_cast<TMenuepunkt>(i)))
                    s += Worte(Menuenamen[i]);
        }
        return s;
    }
    void Takte(int n) {
        for (int i = 0; i < n; ++i) {
            // A tick inside a notice's box is no tick of its own.
            const std::string nummer = Einzug.empty() ? std::to_string(++Takt) : "im hinweis";
            E.Takt();
            std::vector<int> aktiv;
            for (const auto& k : E.Netz().Kabelliste)
                if (k->IsAktiv())
                    aktiv.push_back(E.Netz().Kabelliste.IndexVon(k.get()));
            Schreib("takt " + nummer + ": aktiv" + Liste(aktiv) + " | unterwegs" +
                    Worte(E.Netz().Nachrichtenliste.Count()));
        }
    }
    void Zeige(const std::string& was) {
        const TNetz& n = E.Netz();
        for (const auto& k : n.Komponentenliste) {
            if (was == "details") {
                std::vector<int> ports;
                for (const TKabel* kabel : k->Ports())
                    ports.push_back(n.Kabelliste.IndexVon(kabel));
                const auto* sw = Als<TSwitch>(k.get());
                const auto* c = Als<TComputer>(k.get());
                Schreib("gerät " + Geraet(k.get()) + ": ports" + Liste(ports) + " /" +
                        Worte(k->GetMaxPorts()) + (sw && sw->Hub ? " hub" : "") +
                        (c && c->IsMailserver() ? " mailserver" : ""));
            } else if (const auto* sw = Als<TSwitch>(k.get())) {
                Schreib("tabelle von gerät " + Geraet(sw) + ":");
                for (int i = 0; i < sw->Routingtabelle.Count(); ++i) {
                    const TRoute& r = sw->Routingtabelle.GetRoute(i);
                    Schreib(" " + Worte(IPToStr(r.Ziel), "->",
                                        n.Kabelliste.IndexVon(r.Kabel.lock().get())));
                }
            }
        }
    }
    // Runs verbundo-cli in the test-data folder, so file names appear as given: its output,
    // its status, and the first line of what it wrote to standard error.
    void Befehlszeile(const std::string& worte) {
#ifdef __EMSCRIPTEN__
        throw EKaputt("kein verbundo-cli im Browser: " + worte);
#endif
        const std::string fehler = Temp + "cli-fehler";
        FILE* aus = popen(("cd " VERBUNDO_TESTDATA " && " VERBUNDO_CLI " " + worte + " 2>" +
                           fehler + "; echo \"status $?\"")
                              .c_str(),
                          "r");
        char puffer[4096];
        std::string text;
        for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, aus)) > 0;)
            text.append(puffer, n);
        pclose(aus);
        std::istringstream zeilen(text);
        for (std::string z; std::getline(zeilen, z);)
            Schreib(Sichtbar(z));
        std::ifstream f(fehler);
        std::string erste, z;
        int weitere = 0;
        if (std::getline(f, erste)) {
            while (std::getline(f, z))
                ++weitere;
            Schreib("fehlerausgabe: " + erste +
                    (weitere ? " (+" + std::to_string(weitere) + ")" : ""));
        }
    }
    void Markiert() {
        const TBildzustand z = E.Bildzustand();
        std::vector<int> geraete;
        for (const TKomponente* k : z.Markiert)
            geraete.push_back(E.Netz().Komponentenliste.IndexVon(k));
        Schreib(Zustand({true, false}) + " | markiert" + Liste(geraete) + " | subnetz " +
                std::to_string(E.Netz().Subnetzliste.IndexVon(z.MarkiertesSubnetz)));
    }
    // Runs one command and writes down what it changed in the network; a tick writes down its
    // own account.
    void Fuehre(const std::string& zeile, const std::string& einzug) {
        const std::string altEinzug = std::exchange(Einzug, einzug);
        const TStandbild vorher(E.Netz());
        Befehl(zeile);
        if (!zeile.starts_with("takt"))
            for (const std::string& z : TStandbild(E.Netz()).Seit(vorher))
                Schreib(z);
        Einzug = altEinzug;
    }
    void Befehl(const std::string& zeile) {
        std::istringstream w(zeile);
        std::string befehl, wort;
        w >> befehl;
        const auto zahl = [&] {
            int z = 0;
            if (!(w >> z))
                throw EKaputt("Zahl fehlt in: " + zeile);
            return z;
        };
        const auto rest = [&] {
            std::string r;
            std::getline(w >> std::ws, r);
            return r;
        };
        const auto taste = [&] {
            const std::string t = rest();
            return t == "rechts" ? TTaste::Rechts : t == "mitte" ? TTaste::Mitte : TTaste::Links;
        };
        if (befehl == "werkzeug") {
            E.SetWerkzeug(static_cast<TWerkzeug>(Nummer(Werkzeugnamen, rest())));
        } else if (befehl == "druecke" || befehl == "lasse" || befehl == "klick") {
            const int x = zahl(), y = zahl();
            const TTaste t = taste();
            TReaktion r;
            if (befehl != "lasse")
                r = E.Druecke(t, x, y);
            if (befehl != "druecke")
                r = E.Lasse(t, x, y);
            Schreib(Zustand(r));
        } else if (befehl == "bewege") {
            const int x = zahl(), y = zahl();
            Schreib(Zustand(E.Bewege(x, y)));
        } else if (befehl == "ziehe") {
            const int x1 = zahl(), y1 = zahl(), x2 = zahl(), y2 = zahl();
            const TTaste t = taste();
            E.Druecke(t, x1, y1);
            E.Bewege((x1 + x2) / 2, (y1 + y2) / 2);
            E.Bewege(x2, y2);
            Schreib(Zustand(E.Lasse(t, x2, y2)));
        } else if (befehl == "menue") {
            w >> wort;
            const auto p = static_cast<TMenuepunkt>(Nummer(Menuenamen, wort));
            if (const std::string antwort = rest(); !antwort.empty())
                Antwort = antwort == "\"\"" ? "" : antwort;
            Schreib(Zustand(E.Fuehre(p)));
            Antwort.reset();
        } else if (befehl == "eingaben") {
            // Answers to the next questions, in order, separated by " | "; "-" cancels a
            // choice, "\n" and "\r" are line feed and carriage return.
            Antworten.clear();
            std::string r = rest();
            for (const auto& [alt, neu] : {std::pair{"\\n", "\n"}, {"\\r", "\r"}})
                for (std::size_t p; (p = r.find(alt)) != std::string::npos;)
                    r.replace(p, 2, neu);
            for (std::size_t p; (p = r.find(" | ")) != std::string::npos; r.erase(0, p + 3))
                Antworten.push_back(r.substr(0, p));
            Antworten.push_back(r);
        } else if (befehl == "aufgabe") {
            AufgabeBefehl(E, w, [this](const std::string& z) { Schreib(z); });
        } else if (befehl == "waehle") {
            E.Waehle(E.Netz().Komponentenliste.GetKomponente(zahl()));
        } else if (befehl == "takt") {
            const std::string n = rest();
            Takte(n.empty() ? 1 : std::stoi(n));
        } else if (befehl == "im-hinweis") {
            ImHinweis = rest();
        } else if (befehl == "lade" || befehl == "oeffne") {
            w >> wort;
            const bool hinzu = rest() == "hinzu";
            const std::string pfad = Pfad(wort);
            if (befehl == "lade") {
                E.Lade(pfad, hinzu);
            } else {
                Datei = pfad;
                E.Oeffnen(hinzu);
            }
            Schreib("datei " + Sichtbar(E.Dateiname()) + " | werkzeug " +
                    Werkzeugnamen[static_cast<int>(E.Werkzeug())] + " | " + Zustand({true, false}));
        } else if (befehl == "speichere") {
            Ziel = Speicherziel(rest());
            E.Speichern();
        } else if (befehl == "duenn") {
            // A file of the given start and then NUL bytes up to that many MiB, taking no room
            // on the disk.
            w >> wort;
            const auto groesse = std::uintmax_t(zahl()) << 20;
            std::ofstream(Temp + wort) << rest();
            fs::resize_file(Temp + wort, groesse);
        } else if (befehl == "fifo") {
            // Whoever opens it for reading waits for a writer: one comes after three seconds,
            // so a load that opens it ends up with an empty file instead of hanging.
            const std::string pfad = Temp + rest();
#ifdef __EMSCRIPTEN__
            throw EKaputt("kein FIFO im Browser");
#endif
            mkfifo(pfad.c_str(), 0600);
            std::thread([pfad] {
                std::this_thread::sleep_for(std::chrono::seconds(3));
                if (const int fd = ::open(pfad.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0)
                    ::close(fd);
            }).detach();
        } else if (befehl == "ablage-voll") {
            AblageVoll = !AblageVoll; // a second time: room again
        } else if (befehl == "netz") {
            try {
                std::istringstream text(NetzdateiText(E.Netz()));
                for (std::string z; std::getline(text, z);)
                    Schreib(z.substr(0, z.size() - 1));
            } catch (const EFehler& e) {
                Schreib("fehler: " + std::string(e.what()));
            }
        } else if (befehl == "details" || befehl == "routen") {
            Zeige(befehl);
        } else if (befehl == "anzeige") {
            for (const std::string& z : RoutingAnzeige(E.Netz(), E.AktKomponente()))
                Schreib(z);
        } else if (befehl == "pruefe") {
            Schreib(Pruefbericht(ZaehleKonfigurationsfehler(E.Netz())));
        } else if (befehl == "ansicht") {
            // zoom, scroll position, a view point: the labels (German and English separator),
            // the scroll maxima and the surface point shown there.
            // "ansicht neu x y": the view a page starts with.
            TAnsicht a;
            if (zeile.starts_with("ansicht neu ")) {
                w >> wort;
            } else {
                a.Zoom = zahl();
                a.SX = zahl();
                a.SY = zahl();
            }
            const int x = zahl(), y = zahl();
            Schreib(ZoomText(a.Zoom, ',') + " | max" + Worte(a.MaxX(), a.MaxY()) + " | punkt" +
                    Worte(a.PufferX(x), a.PufferY(y)));
        } else if (befehl == "tempo") {
            const int i = zahl();
            Schreib(GeschwindigkeitText(i, ',') + " | " + GeschwindigkeitText(i, '.'));
        } else if (befehl == "adresse") {
            // The text as it stands after "adresse ": its value, "nein" for a wrong number of
            // fields (the value then stays 0), or the conversion error.
            TAdresse wert = 7;
            rest();
            try {
                const bool vier =
                    StrToIP(zeile.substr(std::min(zeile.size(), std::size_t{8})), wert);
                Schreib(vier ? IPToStr(wert) : wert == 0 ? "nein" : "nein, aber " + IPToStr(wert));
            } catch (const EFehler& e) {
                Schreib(std::string(e.what()) + (wert == 0 ? "" : ", Wert geändert"));
            }
        } else if (befehl == "konsole") {
            w >> wort;
            // The typed text as it stands after "konsole tracert ".
            const std::string text = zeile.substr(std::min(zeile.size(), 9 + wort.size()));
            rest();
            const TKonsolenBefehl k = wort == "ipconfig" ? IpConfigBefehl()
                                      : wort == "route"  ? RouteBefehl()
                                                         : TracertBefehl(text);
            Schreib("windows: [" + k.WindowsParameter + "]");
            for (const auto& kandidat : k.Kandidaten) {
                std::string s = kandidat.Programm;
                for (const std::string& a : kandidat.Argumente)
                    s += " [" + a + "]";
                Schreib(s);
            }
        } else if (befehl == "cli") {
            const std::string worte = rest();
            std::istringstream einzeln(worte);
            for (std::string a; einzeln >> a;)
                if (a.ends_with(".nz"))
                    Pfad(a);
            Befehlszeile(worte);
        } else if (befehl == "bild") {
            TAufzeichner a([this](const std::string& z) { Schreib(z); });
            E.Zeichne(a);
        } else if (befehl == "punkte") {
            const auto z = E.Bildzustand();
            Schreib("start" + Worte(z.Startpunkt.x, z.Startpunkt.y) + " | ende" +
                    Worte(z.Endpunkt.x, z.Endpunkt.y));
        } else if (befehl == "rad") {
            // zoom, scroll position, wheel notches at a view point: the view after it.
            TAnsicht a;
            a.Zoom = zahl();
            a.SX = zahl();
            a.SY = zahl();
            const int rasten = zahl(), x = zahl(), y = zahl();
            a = a.Gezoomt(RadZoom(a.Zoom, rasten), x, y);
            Schreib("zoom" +
                    Worte(a.Zoom, "| pos", a.SX, a.SY, "| punkt", a.PufferX(x), a.PufferY(y)));
        } else if (befehl == "sammle") {
            // The picture collected into one array and replayed must show every mark the
            // editor draws, with the same settings; texts are measured once.
            TMarkenschreiber direkt, gespielt;
            // After the picture, labels in one face at two sizes and on a clear brush.
            const auto zeichne = [&](TLeinwand& c) {
                E.Zeichne(c);
                c.SetSchrift("Arial", 8);
                c.TextAus(0, 0, "a");
                c.SetSchrift("Arial", 10);
                c.SetPinselStil(TPinsel::Leer);
                c.TextAus(0, 0, "a");
            };
            zeichne(direkt);
            Sammler.Beginne();
            Gemessen = 0;
            zeichne(Sammler);
            Spiele(Sammler, gespielt);
            const auto [a, b] = std::mismatch(direkt.Zeilen.begin(), direkt.Zeilen.end(),
                                              gespielt.Zeilen.begin(), gespielt.Zeilen.end());
            Schreib(Worte(Sammler.Befehle().size(), "Zahlen,", Sammler.Texte().size(), "Texte,",
                          Gemessen, "gemessen,", direkt.Zeilen.size(), "Marken") +
                    (a == direkt.Zeilen.end() && b == gespielt.Zeilen.end()
                         ? ", gleich"
                         : ", anders: " + (a == direkt.Zeilen.end() ? "-" : *a) + " / " +
                               (b == gespielt.Zeilen.end() ? "-" : *b)));
        } else if (befehl == "neuzeichnen") {
            // What a tick of either front end decides: draw anew or keep the picture.
            const bool veraltet = Zeichenstand.Veraltet(E);
            if (veraltet)
                Zeichenstand.Gezeichnet(E);
            Schreib(veraltet ? "neu gezeichnet" : "bleibt");
        } else if (befehl == "sicherung") {
            // After a change or when the planned time has come, at the given millisecond.
            w >> wort;
            const long long jetzt = zahl();
            if (wort == "faellig") {
                Schreib(Sicherungsplan.Faellig(E.Ungespeichert(), jetzt) ? "schreiben"
                                                                         : "nicht schreiben");
            } else {
                const auto e = Sicherungsplan.Geaendert(E.Ungespeichert(), jetzt);
                using T = TSicherungsplan::TTun;
                Schreib(e.Tun == T::Planen      ? "planen in" + Worte(e.In)
                        : e.Tun == T::Entfernen ? "entfernen"
                                                : "nichts");
            }
        } else if (befehl == "rolle" || befehl == "mit") {
            // zoom, scroll position and a shift in view pixels (rolle) or a surface point to
            // bring into view (mit): the scroll position after it.
            TAnsicht a;
            a.Zoom = zahl();
            a.SX = zahl();
            a.SY = zahl();
            const int x = zahl(), y = zahl();
            a = befehl == "rolle" ? a.Gerollt(x, y) : a.Mit({x, y});
            Schreib("pos" + Worte(a.SX, a.SY));
        } else if (befehl == "rasten") {
            // A wheel's turns in angle units: the notches each gives.
            std::string s = "rasten";
            for (int winkel; w >> winkel;)
                s += Worte(Rastung.Rasten(winkel));
            Schreib(s);
        } else if (befehl == "eingabefrage") {
            const auto p = static_cast<TMenuepunkt>(Nummer(Menuenamen, rest()));
            const auto f = E.Eingabefrage(p);
            Schreib(f ? f->Titel + " | " + f->Frage + " | " + f->Vorgabe : "keine Frage");
        } else if (befehl == "abbrechen") {
            Schreib(Zustand(E.Abbrechen()));
        } else if (befehl == "ausschnitt") {
            // What a picture of the network shows, texts 5 pixels a character.
            TAufzeichner mass([](const std::string&) {});
            const TRect r = Bildausschnitt(E.Netz(), mass);
            Schreib("ausschnitt" + Worte(r.Left, r.Top, r.Right, r.Bottom));
        } else if (befehl == "rundreise") {
            // The command, then undo and redo: each must give back the network exactly.
            const std::string vorher = Abbild(E.Netz());
            Befehl(rest());
            const std::string nachher = Abbild(E.Netz());
            const bool zurueck =
                vorher != nachher && E.Rueckgaengig() && Abbild(E.Netz()) == vorher;
            const bool vor = zurueck && E.Wiederholen() && Abbild(E.Netz()) == nachher;
            Schreib(vorher == nachher ? "unverändert | " + E.Titel()
                                      : std::string(vor ? "zurück und vor gleich" : "FALSCH") +
                                            " | " + E.Titel());
        } else if (befehl == "zurueck" || befehl == "vor" || befehl == "titel") {
            if (befehl != "titel")
                Schreib(befehl == "zurueck" ? (E.Rueckgaengig() ? "zurück" : "nichts zurück")
                                            : (E.Wiederholen() ? "vor" : "nichts vor"));
            Schreib(E.Titel() + " | zurück" + Worte(E.KannRueckgaengig()) + " | vor" +
                    Worte(E.KannWiederholen()));
        } else if (befehl == "antwort") {
            // The answer to the next question, and the file its save dialog chooses.
            const char* const antworten[] = {"speichern", "verwerfen", "abbrechen"};
            w >> wort;
            Speicherantwort = static_cast<TAntwort>(Nummer(antworten, wort));
            Ziel = Speicherziel(rest());
        } else if (befehl == "knopf") {
            // The button the next question box is answered with, counted from 0.
            Knopf = zahl();
        } else if (befehl == "beenden") {
            Schreib(E.DarfVerwerfen() ? "beendet" : "bleibt offen");
        } else if (befehl == "lies") {
            // The file with the given lines after it ("\r\n" as typed), read on its own: where
            // it breaks, and whether anything of it was kept.
            w >> wort;
            std::ifstream datei(Pfad(wort), std::ios::binary);
            std::string text(std::istreambuf_iterator<char>(datei), {}), zeilen = rest();
            for (std::size_t p; (p = zeilen.find("\\r\\n")) != std::string::npos;)
                zeilen.replace(p, 4, "\r\n");
            std::istringstream ein(text + zeilen + "\r\n");
            TNetz netz;
            try {
                LeseNetzdatei(ein, netz);
                Schreib("gelesen");
            } catch (const ELesefehler& e) {
                Schreib("Zeile" + Worte(e.Stelle.Zeile) + ", Spalte" + Worte(e.Stelle.Spalte) +
                        ": " + Sichtbar(e.what()) +
                        (netz.Komponentenliste.Count() ? " | halb geladen" : ""));
            }
        } else if (befehl == "schlicht") {
            // The file as a reader that knows only the records reads it.
            std::ifstream datei(Pfad(rest()), std::ios::binary);
            E.NetzZumAendern().Leeren();
            LeseOhneEinstellungen(datei, E.NetzZumAendern());
        } else if (befehl == "befunde") {
            const TErklaerung& e = E.Pruefe();
            Schreib(Pruefbericht(e.Anzahl));
            for (const std::string& z : Befundzeilen(e))
                Schreib("  " + z);
        } else if (befehl == "zeige-befund") {
            const auto punkt = E.ZeigeBefund(static_cast<std::size_t>(zahl()));
            Schreib(punkt ? "zeige" + Worte(punkt->x, punkt->y) : "nichts zu zeigen");
            Markiert();
        } else if (befehl == "protokoll") {
            for (const std::string& z : E.Protokoll().Zeilen(Gelesen))
                Schreib(z);
            Gelesen = E.Protokoll().Geschrieben();
        } else {
            throw EKaputt("unbekannter Befehl: " + zeile);
        }
        if (w >> wort)
            throw EKaputt("überzähliges Wort: " + wort);
    }

    const std::string Daten, Temp;
    TEditor E{*this, *this};
    std::string Aus, Einzug;
    std::optional<std::string> Antwort; // for the next input dialog; none: cancelled
    std::deque<std::string> Antworten;  // for the next questions, before Antwort
    std::string Naechste(const std::string& sonst) {
        if (Antworten.empty())
            return sonst;
        std::string a = Antworten.front();
        Antworten.pop_front();
        return a == "\"\"" ? "" : a;
    }
    std::string Datei;     // for the next open dialog; empty: cancelled
    std::string Ziel;      // for the next save dialog; empty: cancelled
    std::string ImHinweis; // a command run while the next information box is open
    bool AblageVoll = false;
    TAntwort Speicherantwort = TAntwort::Abbrechen;
    int Knopf = -1; // for the next question box; -1: closed
    int Takt = 0;
    unsigned long long Gelesen = 0; // log events already shown
    TSammelleinwand Sammler{[this](const std::string&, int, const std::string& t) {
        ++Gemessen;
        return static_cast<int>(t.size()) * 5;
    }};
    int Gemessen = 0;
    TZeichenstand Zeichenstand;
    TSicherungsplan Sicherungsplan;
    TRastung Rastung;
};

class Faelle : public testing::TestWithParam<std::string> {};

TEST_P(Faelle, DruckenWasSieErwarten) {
    const fs::path datei = fs::path(VERBUNDO_SOURCE_DIR) / "tests/faelle" / (GetParam() + ".txt");
    std::ifstream ein(datei, std::ios::binary);
    const std::string erwartet{std::istreambuf_iterator<char>(ein), {}};
    const fs::path temp = fs::temp_directory_path() /
                          ("verbundo-fall-" + GetParam() + "-" + std::to_string(getpid()) + "-" +
                           std::to_string(std::random_device{}()));
    fs::create_directories(temp);
    TFall fall(temp.string());
    const std::string ist = fall.Lauf(erwartet);
    fs::remove_all(temp);
    ASSERT_EQ(fall.Kaputt, "") << GetParam() << ": the case itself is broken";
    if (fall.Uebernommen > 0)
        std::cout << GetParam() << ": " << fall.Uebernommen
                  << " commands not run in this build, their output carried over\n";
    if (ist != erwartet && std::getenv("VERBUNDO_FAELLE_NEU"))
        std::ofstream(datei, std::ios::binary) << ist;
    // The first line that differs, rather than two whole transcripts.
    std::istringstream a(erwartet), b(ist);
    for (int zeile = 1; a || b; ++zeile) {
        std::string za, zb;
        std::getline(a, za);
        std::getline(b, zb);
        ASSERT_EQ(zb, za) << GetParam() << ", line " << zeile;
    }
}

std::vector<std::string> AlleFaelle() {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(fs::path(VERBUNDO_SOURCE_DIR) / "tests/faelle"))
        if (e.path().extension() == ".txt")
            namen.push_back(e.path().stem().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

INSTANTIATE_TEST_SUITE_P(, Faelle, testing::ValuesIn(AlleFaelle()), [](const auto& info) {
    std::string n = info.param;
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
});

} // namespace
} // namespace verbundo::test

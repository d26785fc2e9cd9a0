// Every file in tests/faelle/ is one case: a transcript of editor commands ("> " lines) and
// what they printed. The case runs the commands on a fresh editor with scripted answers and
// must print exactly the same transcript again. VERBUNDO_FAELLE_NEU=1 writes the new
// transcripts back (then read the changes before committing them).

#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "edit/Editor.h"
#include "files/NetzDatei.h"
#include "model/Aufzeichner.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <utility>

namespace fs = std::filesystem;

namespace verbundo::test {

namespace {

const char* const Werkzeugnamen[] = {"Verschieben", "Computer", "Drucker", "Switch",
                                     "Router",      "Kabel",    "Subnetz"};
const char* const Menuenamen[MenuepunktAnzahl] = {
    "Loeschen", "Ip",      "Ip2",      "NetzID",   "Subnetmask", "Routing", "Hub",
    "Switch",   "Switch6", "Switch24", "Mailstop", "Mailstart",  "Senden"};

template <std::size_t N> int Nummer(const char* const (&namen)[N], const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
        if (name == namen[i])
            return static_cast<int>(i);
    throw std::runtime_error("unbekannter Name: " + name);
}

std::string Liste(const std::vector<int>& zahlen) {
    std::string s;
    for (int z : zahlen)
        s += ' ' + std::to_string(z);
    return s.empty() ? " -" : s;
}

// One case: the editor with scripted answers, writing down everything it shows.
class TFall : public TFragen, public TDateiablage {
public:
    explicit TFall(const std::string& temp);
    // Runs the case's commands and returns its transcript made anew.
    std::string Lauf(const std::string& inhalt);

    void Information(const std::string& text) override;
    void Fehler(const std::string& text) override;
    std::string Eingabe(const std::string& titel, const std::string& frage,
                        const std::string& vorgabe) override;
    std::string OeffnenWahl() override;
    std::string SpeichernWahl(const std::string& vorschlag) override;
    void Schreibe(const std::string& pfad, const std::string& inhalt) override;

private:
    void Fuehre(const std::string& zeile, const std::string& einzug);
    void Schreib(const std::string& zeile) { Aus += Einzug + zeile + '\n'; }
    // Machine paths shown as <daten>/ and <tmp>/, a CR as \r.
    std::string Sichtbar(std::string text) const;
    std::string Geraet(const TKomponente* k) const;
    std::string Zustand(const TReaktion& r) const;
    void Takte(int n);
    void ZeigeNetz();
    void ZeigeDetails();
    void ZeigeRouten();
    void Befehlszeile(const std::string& worte);

    const std::string Daten, Temp;
    TEditor E;
    std::string Aus, Einzug;
    std::optional<std::string> Antwort; // for the next input dialog; none: cancelled
    std::string Datei;                  // for the next file dialog; empty: cancelled
    std::string ImHinweis;              // a command run while the next information box is open
    bool AblageVoll = false;
    int Takt = 0;
};

} // namespace

std::string TFall::Sichtbar(std::string text) const {
    for (const auto& [zeichen, name] : {std::pair{'\r', "\\r"}, std::pair{'\n', "\\n"}})
        for (std::size_t p; (p = text.find(zeichen)) != std::string::npos;)
            text.replace(p, 1, name);
    for (const auto& [ordner, name] : {std::pair{Daten, "<daten>/"}, std::pair{Temp, "<tmp>/"}})
        for (std::size_t p; !ordner.empty() && (p = text.find(ordner)) != std::string::npos;)
            text.replace(p, ordner.size(), name);
    return text;
}

void TFall::Information(const std::string& text) {
    Schreib("information: " + Sichtbar(text));
    if (!ImHinweis.empty()) {
        const std::string befehl = std::exchange(ImHinweis, {});
        Fuehre(befehl, "  ");
    }
}

void TFall::Fehler(const std::string& text) {
    Schreib("fehler: " + Sichtbar(text));
}

std::string TFall::Eingabe(const std::string& titel, const std::string& frage,
                           const std::string& vorgabe) {
    Schreib("frage: " + titel + " | " + frage + " | " + vorgabe);
    if (!Antwort)
        return vorgabe;
    return *std::exchange(Antwort, std::nullopt);
}

std::string TFall::OeffnenWahl() {
    return std::exchange(Datei, {});
}

std::string TFall::SpeichernWahl(const std::string& vorschlag) {
    Schreib("speichern unter? " + Sichtbar(vorschlag));
    return std::exchange(Datei, {});
}

void TFall::Schreibe(const std::string& pfad, const std::string& inhalt) {
    if (AblageVoll)
        throw EFehler("Stream write error");
    Schreib("geschrieben: " + Sichtbar(pfad) + ", " + std::to_string(inhalt.size()) + " Bytes");
}

std::string TFall::Geraet(const TKomponente* k) const {
    const int i = E.Netz().Komponentenliste.IndexVon(k);
    return i < 0 ? "weg" : std::to_string(i);
}

std::string TFall::Zustand(const TReaktion& r) const {
    std::string s = "modus " + std::to_string(E.Modus()) + " |";
    if (TKomponente* k = E.AktKomponente())
        s += " gerät " + Geraet(k);
    if (TKabel* k = E.AktKabel())
        s += " kabel " + std::to_string(E.Netz().Kabelliste.IndexVon(k));
    if (TSubnet* n = E.AktSubnetz())
        s += " subnetz " + std::to_string(E.Netz().Subnetzliste.IndexVon(n));
    if (!E.AktKomponente() && !E.AktKabel() && !E.AktSubnetz())
        s += " -";
    if (!r.Neuzeichnen)
        s += " | ohne zeichnen";
    if (r.Kontextmenue) {
        s += " | menü:";
        for (int i = 0; i < MenuepunktAnzahl; ++i)
            if (E.Sichtbar(static_cast<TMenuepunkt>(i)))
                s += std::string(" ") + Menuenamen[i];
    }
    return s;
}

void TFall::Takte(int n) {
    for (int i = 0; i < n; ++i) {
        // A tick inside a notice's box is no tick of its own.
        const std::string nummer = Einzug.empty() ? std::to_string(++Takt) : "im hinweis";
        E.Takt();
        std::vector<int> aktiv;
        int nr = 0;
        for (const auto& k : E.Netz().Kabelliste) {
            if (k->IsAktiv())
                aktiv.push_back(nr);
            ++nr;
        }
        Schreib("takt " + nummer + ": aktiv" + Liste(aktiv) + " | unterwegs " +
                std::to_string(E.Netz().Nachrichtenliste.Count()));
    }
}

void TFall::ZeigeNetz() {
    try {
        std::istringstream text(NetzdateiText(E.Netz()));
        for (std::string zeile; std::getline(text, zeile);)
            Schreib(zeile.substr(0, zeile.size() - 1));
    } catch (const EFehler& e) {
        Schreib("fehler: " + std::string(e.what()));
    }
}

void TFall::ZeigeDetails() {
    const TNetz& n = E.Netz();
    for (const auto& k : n.Komponentenliste) {
        std::vector<int> ports;
        for (const TKabel* kabel : k->Ports())
            ports.push_back(n.Kabelliste.IndexVon(kabel));
        std::string s = "gerät " + Geraet(k.get()) + ": ports" + Liste(ports) + " / " +
                        std::to_string(k->GetMaxPorts());
        if (const auto* sw = Als<TSwitch>(k.get()); sw && sw->Hub)
            s += " hub";
        if (const auto* c = Als<TComputer>(k.get()); c && c->IsMailserver())
            s += " mailserver";
        Schreib(s);
    }
}

void TFall::ZeigeRouten() {
    const TNetz& n = E.Netz();
    for (const auto& k : n.Komponentenliste) {
        const auto* sw = Als<TSwitch>(k.get());
        if (!sw)
            continue;
        Schreib("tabelle von gerät " + Geraet(sw) + ":");
        for (int i = 0; i < sw->Routingtabelle.Count(); ++i) {
            const TRoute& r = sw->Routingtabelle.GetRoute(i);
            Schreib("  " + IPToStr(r.Ziel) + " -> " +
                    std::to_string(n.Kabelliste.IndexVon(r.Kabel.lock().get())));
        }
    }
}

// Runs verbundo-cli in the test-data folder, so file names appear as given: its output, then
// its status, then the first line of what it wrote to standard error.
void TFall::Befehlszeile(const std::string& worte) {
    std::vector<std::string> argv{VERBUNDO_CLI};
    std::istringstream w(worte);
    for (std::string wort; w >> wort;)
        argv.push_back(wort);
    std::vector<char*> roh;
    for (auto& a : argv)
        roh.push_back(a.data());
    roh.push_back(nullptr);
    const std::string aus = Temp + "cli-aus", fehler = Temp + "cli-fehler";
    posix_spawn_file_actions_t f;
    posix_spawn_file_actions_init(&f);
    posix_spawn_file_actions_addopen(&f, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&f, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&f, VERBUNDO_TESTDATA);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, roh[0], &f, nullptr, roh.data(), environ) == 0 &&
        waitpid(pid, &status, 0) == pid)
        status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    posix_spawn_file_actions_destroy(&f);
    std::ifstream a(aus, std::ios::binary), e(fehler, std::ios::binary);
    for (std::string z; std::getline(a, z);)
        Schreib(Sichtbar(z));
    Schreib("status " + std::to_string(status));
    int weitere = -1;
    std::string erste;
    for (std::string z; std::getline(e, z); ++weitere)
        if (weitere < 0)
            erste = z;
    if (weitere >= 0)
        Schreib("fehlerausgabe: " + erste + (weitere ? " (+" + std::to_string(weitere) + ")" : ""));
}

void TFall::Fuehre(const std::string& zeile, const std::string& einzug) {
    const std::string altEinzug = std::exchange(Einzug, einzug);
    std::istringstream w(zeile);
    std::string befehl;
    w >> befehl;
    const auto zahl = [&] {
        int z = 0;
        if (!(w >> z))
            throw std::runtime_error("Zahl fehlt in: " + zeile);
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
        const auto p = static_cast<TMenuepunkt>(Nummer(Menuenamen, [&] {
            std::string n;
            w >> n;
            return n;
        }()));
        std::string antwort = rest();
        if (!antwort.empty())
            Antwort = antwort == "\"\"" ? "" : antwort;
        Schreib(Zustand(E.Fuehre(p)));
        Antwort.reset();
    } else if (befehl == "waehle") {
        E.Waehle(E.Netz().Komponentenliste.GetKomponente(zahl()));
    } else if (befehl == "takt") {
        const std::string n = rest();
        Takte(n.empty() ? 1 : std::stoi(n));
    } else if (befehl == "im-hinweis") {
        ImHinweis = rest();
    } else if (befehl == "lade" || befehl == "oeffne") {
        std::string name;
        w >> name;
        const bool hinzu = rest() == "hinzu";
        const std::string pfad = name == "-"               ? ""
                                 : fs::exists(Temp + name) ? Temp + name
                                                           : Daten + name;
        if (befehl == "lade") {
            E.Lade(pfad, hinzu);
        } else {
            Datei = pfad;
            E.Oeffnen(hinzu);
        }
        Schreib("datei " + Sichtbar(E.Dateiname()) + " | werkzeug " +
                Werkzeugnamen[static_cast<int>(E.Werkzeug())] + " | " + Zustand({true, false}));
    } else if (befehl == "speichere") {
        const std::string name = rest();
        Datei = name == "-" ? "" : name;
        E.Speichern();
    } else if (befehl == "ablage-voll") {
        AblageVoll = true;
    } else if (befehl == "netz") {
        ZeigeNetz();
    } else if (befehl == "details") {
        ZeigeDetails();
    } else if (befehl == "routen") {
        ZeigeRouten();
    } else if (befehl == "anzeige") {
        for (const std::string& z : RoutingAnzeige(E.Netz(), E.AktKomponente()))
            Schreib(z);
    } else if (befehl == "pruefe") {
        Schreib(Pruefbericht(ZaehleKonfigurationsfehler(E.Netz())));
    } else if (befehl == "cli") {
        Befehlszeile(rest());
    } else if (befehl == "bild") {
        TAufzeichner a;
        E.Zeichne(a);
        for (const std::string& z : a.Aufrufe)
            Schreib(z);
    } else if (befehl == "punkte") {
        const auto z = E.Bildzustand();
        Schreib("start " + std::to_string(z.Startpunkt.x) + " " + std::to_string(z.Startpunkt.y) +
                " | ende " + std::to_string(z.Endpunkt.x) + " " + std::to_string(z.Endpunkt.y));
    } else {
        throw std::runtime_error("unbekannter Befehl: " + zeile);
    }
    Einzug = altEinzug;
}

std::string TFall::Lauf(const std::string& inhalt) {
    std::istringstream ein(inhalt);
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(ein, z);)
        zeilen.push_back(z);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (z.rfind("> ", 0) != 0) {
            // Output of the last command: made anew. Comments stay.
            if (z == "#" || z.rfind("# ", 0) == 0)
                Aus += z + '\n';
            continue;
        }
        Aus += z + '\n';
        const std::string befehl = z.substr(2);
        if (befehl.rfind("datei ", 0) == 0) {
            // Its lines up to "> ende" are a file's contents, written with CR LF.
            std::ofstream datei(Temp + befehl.substr(6), std::ios::binary);
            for (++i; i < zeilen.size() && zeilen[i] != "> ende"; ++i) {
                datei << zeilen[i] << "\r\n";
                Aus += zeilen[i] + '\n';
            }
            Aus += "> ende\n";
            continue;
        }
        try {
            Fuehre(befehl, "");
        } catch (const std::exception& e) {
            // A broken case, not an answer of the editor's: it cannot match.
            Aus += "!! " + std::string(e.what()) + '\n';
        }
    }
    return Aus;
}

TFall::TFall(const std::string& temp)
    : Daten(std::string(VERBUNDO_TESTDATA) + "/"), Temp(temp + "/"), E(*this, *this) {}

namespace {

class Faelle : public testing::TestWithParam<std::string> {};

TEST_P(Faelle, DruckenWasSieErwarten) {
    const fs::path datei = fs::path(VERBUNDO_SOURCE_DIR) / "tests/faelle" / GetParam();
    std::ifstream ein(datei, std::ios::binary);
    const std::string erwartet{std::istreambuf_iterator<char>(ein), {}};
    const fs::path temp = fs::temp_directory_path() / ("verbundo-fall-" + GetParam());
    fs::create_directories(temp);
    std::string ist;
    {
        TFall fall(temp.string());
        ist = fall.Lauf(erwartet);
    }
    fs::remove_all(temp);
    if (ist != erwartet && std::getenv("VERBUNDO_FAELLE_NEU"))
        std::ofstream(datei, std::ios::binary) << ist;
    // The first line that differs, rather than two whole transcripts.
    std::istringstream a(erwartet), b(ist);
    std::string za, zb;
    for (int zeile = 1; a || b; ++zeile) {
        za.clear();
        zb.clear();
        std::getline(a, za);
        std::getline(b, zb);
        ASSERT_EQ(zb, za) << GetParam() << ", line " << zeile;
    }
}

std::vector<std::string> AlleFaelle() {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(fs::path(VERBUNDO_SOURCE_DIR) / "tests/faelle"))
        if (e.path().extension() == ".txt")
            namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

INSTANTIATE_TEST_SUITE_P(, Faelle, testing::ValuesIn(AlleFaelle()), [](const auto& info) {
    std::string n = info.param.substr(0, info.param.size() - 4);
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
});

} // namespace

} // namespace verbundo::test

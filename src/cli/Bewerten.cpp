// bewerten: a class's files graded against the teacher's task.

#include "Befehle.h"

#include "../diag/Aufgabe.h"
#include "../files/NetzDatei.h"
#include "../model/Fehler.h"
#include "../sim/Netz.h"

#include <optional>
#include <ostream>

namespace verbundo::cli {

namespace {

// A spreadsheet field: quoted when it holds the separator or a quote.
std::string Feld(const std::string& text) {
    if (text.find_first_of(";\"") == std::string::npos)
        return text;
    std::string aus = "\"";
    for (const char c : text)
        aus += c == '"' ? std::string("\"\"") : std::string(1, c);
    return aus + '"';
}

// One learner's file: its result, or why there is none.
struct TAbgabe {
    std::optional<TBewertung> Bewertung;
    std::string Text;   // the error, or that it is no work on this task
    std::string Stelle; // where the reader stopped, for --erklaeren
    bool Lesbar = true;
};

TAbgabe Lies(const TAufgabe& aufgabe, const std::string& datei) {
    TAbgabe a;
    // Whatever goes wrong with one file (out of memory included), the others are graded.
    try {
        TNetz netz = LadeNetzdatei(datei);
        if (const auto geraete = Zuordnung(aufgabe, netz))
            a.Bewertung = Bewerte(aufgabe, netz, *geraete);
        else
            a.Text = "keine Bearbeitung dieser Aufgabe";
        return a;
    } catch (const ELesefehler& e) {
        a.Text = Fehlertext(e);
        a.Stelle = "Zeile " + std::to_string(e.Stelle.Zeile) + ", Spalte " +
                   std::to_string(e.Stelle.Spalte);
    } catch (const std::exception& e) {
        a.Text = Fehlertext(e);
    } catch (...) {
        a.Text = Fehlertext();
    }
    a.Lesbar = false;
    return a;
}

} // namespace

int Bewerten(const TAufruf& aufruf, std::ostream& aus) {
    const TNetz lehrer = LadeNetzdatei(aufruf.Worte[0]);
    if (!lehrer.Aufgabe)
        throw EFehler("Die Datei enthält keine Aufgabe.");
    const TAufgabe& aufgabe = *lehrer.Aufgabe;
    const int moeglich = aufgabe.Moeglich();
    const std::size_t spalten = aufgabe.Pruefpunkte.size();
    if (aufruf.Csv) {
        aus << "Datei";
        for (const TPruefpunkt& p : aufgabe.Pruefpunkte)
            aus << ';' << Feld(Pruefpunkttext(aufgabe, p));
        aus << ";Punkte;von\n";
    }
    int status = 0;
    for (std::size_t i = 1; i < aufruf.Worte.size(); ++i) {
        const std::string name = Sichtbar(aufruf.Worte[i]);
        const TAbgabe a = Lies(aufgabe, aufruf.Worte[i]);
        if (!a.Lesbar)
            status = 2;
        else if (status == 0 && (!a.Bewertung || a.Bewertung->Punkte < moeglich))
            status = 1;
        if (aufruf.Csv) {
            aus << Feld(name);
            if (a.Bewertung) {
                for (const TPruefung& p : a.Bewertung->Pruefungen)
                    aus << (p.Erfuellt ? ";1" : ";0");
                aus << ';' << a.Bewertung->Punkte;
            } else {
                // The text stands where the first check's mark would; without checks, in the
                // points column.
                aus << ';' << Feld(Sichtbar(a.Text)) << std::string(spalten, ';');
            }
            aus << ';' << moeglich << '\n';
            continue;
        }
        if (!a.Bewertung) {
            aus << name << ": " << Sichtbar(a.Text) << '\n';
            if (aufruf.Erklaeren && !a.Stelle.empty())
                aus << "  " << a.Stelle << '\n';
            continue;
        }
        aus << name << ": " << a.Bewertung->Punkte << '/' << moeglich << '\n';
        if (!aufruf.Erklaeren)
            continue;
        for (std::size_t p = 0; p < spalten; ++p) {
            const TPruefung& e = a.Bewertung->Pruefungen[p];
            const std::string text = Pruefpunkttext(aufgabe, aufgabe.Pruefpunkte[p]);
            aus << (e.Erfuellt ? "  ja: " + text : "  nein: " + text + " \u2013 " + e.Grund)
                << '\n';
        }
    }
    return status;
}

} // namespace verbundo::cli

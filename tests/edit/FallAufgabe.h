#pragma once

// The case runner's commands for a network's task, and the task as one line of a snapshot.

#include "diag/Aufgabe.h"
#include "edit/Editor.h"
#include "model/Fehler.h"

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <utility>

namespace verbundo::test {

inline std::string Einzeilig(std::string t);

// What a snapshot compares (everything) and shows (the gist) of the task.
inline std::pair<std::string, std::string> Aufgabenzeile(const TNetz& n) {
    const TAufgabe& a = *n.Aufgabe;
    std::string zeigen = "aufgabe: vorgegeben";
    for (const auto& k : a.Vorgegeben)
        zeigen += ' ' + std::to_string(n.Komponentenliste.IndexVon(k.get()));
    zeigen += " | " + std::to_string(a.Pruefpunkte.size()) + " prüfpunkte, " +
              Punktetext(a.Moeglich()) + " | text " + Einzeilig(Sichtbar(a.Text, 30));
    std::string alles = zeigen + '\0' + a.Text;
    for (const TPruefpunkt& p : a.Pruefpunkte)
        alles += '\0' + Pruefpunkttext(a, p) + std::to_string(p.Punkte);
    return {alles, zeigen};
}

inline std::string Einzeilig(std::string t) {
    for (std::size_t p; (p = t.find('\n')) != std::string::npos;)
        t.replace(p, 1, "\\n");
    return t;
}

// "aufgabe <what> ...": text, vorgabe, neu <kind>, punkte <nr>, entferne <nr>, abbrechen,
// pruefe, ansicht, zeige <nr>. Answers to the questions come from the runner's queue.
inline void AufgabeBefehl(TEditor& e, std::istringstream& w,
                          const std::function<void(const std::string&)>& schreib) {
    static const char* const arten[PruefartAnzahl] = {"fehlerfrei", "erreicht", "adresse",
                                                      "verbunden", "anzahl"};
    std::string was, wort;
    w >> was;
    TAufgabenEditor& a = e.Aufgaben();
    const auto nummer = [&] {
        std::size_t n = 0;
        if (!(w >> n))
            throw std::runtime_error("Nummer fehlt");
        return n;
    };
    const auto ansicht = [&] {
        const TAufgabenansicht v = a.Ansicht();
        if (!v.Vorhanden)
            schreib("keine aufgabe");
        else
            schreib("aufgabe: " + Einzeilig(v.Text));
        for (const TPruefzeile& z : v.Zeilen)
            schreib(std::string(z.Erfuellt < 0 ? "  [ ] "
                                : z.Erfuellt   ? "  [x] "
                                               : "  [-] ") +
                    z.Text + (z.Grund.empty() ? "" : " \u2013 " + z.Grund));
        if (!v.Punkte.empty())
            schreib("punkte: " + v.Punkte);
        if (!v.Hinweis.empty())
            schreib("hinweis: " + v.Hinweis);
    };
    // Each change says so when it changed nothing.
    const auto geaendert = [&](bool ja) {
        if (!ja)
            schreib("unverändert");
    };
    if (was == "text") {
        geaendert(a.FrageText());
    } else if (was == "vorgabe") {
        geaendert(a.SchalteVorgabe());
    } else if (was == "neu") {
        w >> wort;
        const auto* it = std::find(std::begin(arten), std::end(arten), wort);
        if (it == std::end(arten))
            throw std::runtime_error("unbekannte Art: " + wort);
        a.Neu(static_cast<TPruefart>(it - std::begin(arten)));
        ansicht();
    } else if (was == "punkte") {
        geaendert(a.FragePunkte(nummer()));
    } else if (was == "entferne") {
        geaendert(a.Entferne(nummer()));
    } else if (was == "abbrechen") {
        a.BrichAb();
    } else if (was == "pruefe") {
        a.Pruefe();
        ansicht();
    } else if (was == "ansicht") {
        ansicht();
    } else if (was == "zeige") {
        const auto punkt = a.Zeige(nummer());
        std::string markiert;
        for (const TKomponente* k : e.Bildzustand().Markiert)
            markiert += ' ' + std::to_string(e.Netz().Komponentenliste.IndexVon(k));
        schreib(punkt ? "zeige " + std::to_string(punkt->x) + " " + std::to_string(punkt->y) +
                            " | markiert" + markiert
                      : "nichts zu zeigen");
    } else {
        throw std::runtime_error("unbekannter Aufgabenbefehl: " + was);
    }
}

} // namespace verbundo::test

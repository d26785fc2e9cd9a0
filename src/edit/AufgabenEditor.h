#pragma once

#include "../diag/Aufgabe.h"
#include "../model/Subnetz.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace verbundo {

class TEditor;

// One line of the checklist as a panel shows it.
struct TPruefzeile {
    std::string Text;  // the check with its points: "Computer A hat die Adresse … (1 Punkt)"
    int Erfuellt = -1; // -1 not checked since the last change, 0 not met, 1 met
    std::string Grund; // why not met
};

// Everything a task panel shows, from the core, so that every front end shows the same.
struct TAufgabenansicht {
    bool Vorhanden = false; // the network carries a task
    std::string Text;
    std::vector<TPruefzeile> Zeilen;
    std::string Punkte;  // "7 von 10 Punkten" after "Aufgabe prüfen", else "10 Punkte möglich"
    std::string Hinweis; // what to click while a new check's devices are picked
};

// The task in the editor. Every change of it (text, checks, points, given devices) is one step
// of the history; a given device cannot be deleted; a new check's devices are picked on the
// canvas, its other values asked for. Errors and refusals go to the editor's boxes.
class TAufgabenEditor {
public:
    explicit TAufgabenEditor(TEditor& editor) : E(editor) {}

    const TAufgabe* Aufgabe() const;
    TAufgabenansicht Ansicht() const;

    // Each returns whether the task changed. An empty task is no task.
    bool SetzeText(const std::string& text);
    bool FrageText();
    // The selected device becomes given, or no longer given unless a check names it.
    bool SchalteVorgabe();
    bool Entferne(std::size_t nr);
    bool FragePunkte(std::size_t nr);

    // A new check of that kind: the devices it needs are picked with the next presses on the
    // canvas (Hinweis says which), then its values are asked for, then it is added with its
    // devices given, as one step. Without devices to pick it is asked for at once.
    void Neu(TPruefart art);
    bool Waehlt() const { return Bau.has_value(); }
    void BrichAb();
    // A press while picking; the editor hands every press to it then, whatever lies under it.
    void Nimm(int x, int y);
    // Whether deleting k is refused (with an information box): it is given.
    bool Schuetzt(const TKomponente* k);

    // "Aufgabe prüfen": the checks on the network as it would be saved. The result holds in
    // Ansicht while the network stays as it is.
    const TBewertung& Pruefe();
    // Selects the check's first device and marks its devices on the canvas; the point to show.
    std::optional<TPunkt> Zeige(std::size_t nr);

private:
    std::string Hinweistext() const;
    // One step of the history under the editor's guard; false when it failed.
    bool Setze(std::shared_ptr<TAufgabe> neu);
    std::shared_ptr<TAufgabe> Kopie() const;
    void Vervollstaendige();
    bool Gueltig() const;

    TEditor& E;
    std::optional<TPruefart> Bau; // the check whose devices are being picked
    std::vector<std::weak_ptr<TKomponente>> Gewaehlt;
    TBewertung Bewertung;
    std::shared_ptr<const TAufgabe> Bewertet; // the task and network state it belongs to
    unsigned long long BewertetBei = 0;
};

} // namespace verbundo

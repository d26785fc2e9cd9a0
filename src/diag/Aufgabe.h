#pragma once

#include "../model/Adresse.h"
#include "../model/Komponente.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace verbundo {

class TNetz;

// What a check asks of the learner's network.
enum class TPruefart { Fehlerfrei, Erreicht, Adresse, Verbunden, Anzahl };
inline constexpr int PruefartAnzahl = 5;

// A net ID with its mask. A mask of all ones stands for one exact address; mask 0 for no net
// at all (the whole network).
struct TNetzangabe {
    TAdresse NetzID = 0, Maske = 0;
    bool Genau() const { return Maske == 0xffffffffu; }
    bool Enthaelt(TAdresse a) const { return (a & Maske) == NetzID; }
    friend bool operator==(const TNetzangabe&, const TNetzangabe&) = default;
};

// One check of a task, worth whole points. The devices it names are given devices of the
// task's start network.
struct TPruefpunkt {
    TPruefart Art = TPruefart::Fehlerfrei;
    int Punkte = 1;
    // Erreicht: a message from A to B's address arrives at B. Adresse: A's address. Verbunden:
    // A and B are joined by cables, through switches and hubs only.
    std::shared_ptr<TKomponente> A, B;
    // Fehlerfrei: only the findings within this net (mask 0: all). Adresse: the address or net.
    TNetzangabe Netz;
    int Welche = 0; // Adresse at a router: 0 either address, 1 its first, 2 its second
    // Anzahl: at least this many devices of this kind.
    TArt Geraeteart = TArt::Router;
    int Anzahl = 1;
};

// The task a network carries: a text for the learner, the checks, and the devices of the
// start network that checks may name and the learner cannot delete. A value: every change
// makes a new one, so the editor's history keeps old ones by sharing them.
struct TAufgabe {
    std::string Text;
    std::vector<TPruefpunkt> Pruefpunkte;
    std::vector<std::shared_ptr<TKomponente>> Vorgegeben; // in device-list order

    bool Leer() const { return Text.empty() && Pruefpunkte.empty() && Vorgegeben.empty(); }
    int Moeglich() const;
    // The position among the given devices, -1 for another device.
    int Stelle(const TKomponente* k) const;
};

// Bounds that keep a task a classroom task and a file that claims more a readable error.
namespace aufgabe {
inline constexpr std::size_t MaxZeichen = 10000; // characters of the text
inline constexpr int MaxPunkte = 100;            // per check
inline constexpr std::size_t MaxPruefpunkte = 100;
inline constexpr std::size_t MaxVorgegeben = 500;
inline constexpr int MaxAnzahl = 9999;
} // namespace aufgabe

// "Computer A", "Router C": the kind and the given device's letter (A to Z, then AA, AB …).
std::string Geraetename(const TAufgabe& aufgabe, const TKomponente* k);
std::string Kennbuchstaben(int stelle);
std::string Artname(TArt art);
// The kind's name for that many devices: "1 Switch", "2 Switches", "2 Router".
std::string Artname(TArt art, long long anzahl);
// What the check asks, in one line: "Nachricht von Computer A erreicht Drucker B".
std::string Pruefpunkttext(const TAufgabe& aufgabe, const TPruefpunkt& p);
// "1 Punkt", "3 Punkte"; "7 von 10 Punkten".
std::string Punktetext(int punkte);
std::string Ergebnistext(int erreicht, int moeglich);

// "192.168.1.10" (exact), "192.168.1.0/24" or "192.168.1.0/255.255.255.0"; fields 0 to 255.
// Raises EFehler with a German text for anything else, for 0.0.0.0, for a mask that is no
// unbroken run of ones from the left, and for a net ID with bits outside its mask.
TNetzangabe LeseNetzangabe(const std::string& text);
// "192.168.1.10" or "192.168.1.0/24"; mask 0 gives an empty text.
std::string Netzangabetext(const TNetzangabe& n);

// Raises EFehler with a German text when the check cannot stand in the task: a device that is
// missing, not given or of a kind the check cannot use, points or numbers out of bounds.
void PruefeAufbau(const TAufgabe& aufgabe, const TPruefpunkt& p);

struct TPruefung {
    bool Erfuellt = false;
    std::string Grund; // why not, in German; empty when met
};

struct TBewertung {
    std::vector<TPruefung> Pruefungen; // one per check, in the task's order
    int Punkte = 0, Moeglich = 0;
};

// The devices of netz that stand for the task's given devices, in the task's order: those
// that netz's own task marks as given, when they match in number and kinds. None when netz is
// no work on this task: it carries no task, a given device is missing, or neither its task's
// text nor its checks are those of aufgabe (a file of another task). Checks stored in netz
// only tell the task apart; they are never evaluated.
std::optional<std::vector<TKomponente*>> Zuordnung(const TAufgabe& aufgabe, const TNetz& netz);

// Evaluates every check of aufgabe on netz, geraete[i] standing for aufgabe.Vorgegeben[i].
// Expects netz as opening its file gives it (routing tables computed): a message for
// "erreicht" runs in netz itself, through the real tick with a silent notifier, until none is
// in flight or MaxTakte ticks have passed; afterwards no cable is marked active.
TBewertung Bewerte(const TAufgabe& aufgabe, TNetz& netz, const std::vector<TKomponente*>& geraete);

// A message crosses at most 8 cables and is delivered the tick after: far more than enough.
inline constexpr int MaxTakte = 20;

} // namespace verbundo

#pragma once

#include "../files/Sicherung.h"
#include "../sim/Netz.h"
#include "../sim/Protokoll.h"
#include "AufgabenEditor.h"
#include "Bild.h"
#include "Fragen.h"
#include "Markierung.h"
#include "Verlauf.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace verbundo {

// The tools of the tool bar; exactly one is chosen.
enum class TWerkzeug { Verschieben, Computer, Drucker, Switch, Router, Netzwerkkabel, Subnetz };
enum class TTaste { Links, Rechts, Mitte };

// The commands of the canvas's context menu, in menu order.
enum class TMenuepunkt {
    Loeschen,
    Ip,
    Ip2,
    NetzID,
    Subnetmask,
    Routing,
    Hub,
    Switch,
    Switch6,
    Switch24,
    Mailstop,
    Mailstart,
    Senden,
};
inline constexpr int MenuepunktAnzahl = 13;

// What the window has to do after a gesture or a command.
struct TReaktion {
    bool Neuzeichnen = false;
    bool Kontextmenue = false; // a right release: open the menu (when over the view)
};

// The editor: the network with its selection, tool, gesture state and file name, and every
// editing rule. The window turns its events into calls of this and shows what it reports;
// nothing here knows a widget. Positions are surface coordinates.
class TEditor {
public:
    TEditor(TFragen& fragen, TDateiablage& ablage);
    ~TEditor();
    TEditor(const TEditor&) = delete;
    TEditor& operator=(const TEditor&) = delete;

    const TNetz& Netz() const { return NetzWert; }
    // For building networks directly (tests, the command line); the editor's state stays.
    TNetz& NetzZumAendern() { return NetzWert; }
    // What befell every message, the newest events.
    const TProtokollSpeicher& Protokoll() const { return ProtokollWert; }
    const std::string& Dateiname() const { return DateinameWert; }
    TWerkzeug Werkzeug() const { return WerkzeugWert; }
    void SetWerkzeug(TWerkzeug w) { WerkzeugWert = w; }
    TModus Modus() const { return ModusWert; }
    TPunkt Startpunkt() const { return Start; }
    TPunkt Endpunkt() const { return Ende; }

    // The selection. A deleted object is never returned: it is held weakly and checked.
    TKomponente* AktKomponente() const;
    TKabel* AktKabel() const;
    TSubnet* AktSubnetz() const;
    // Selects one listed object (none clears); the others are cleared.
    void Waehle(TKomponente* k);
    void Waehle(TSubnet* s);

    // The mouse on the view. A press while a gesture is running is ignored; every release
    // ends the gesture.
    TReaktion Druecke(TTaste taste, int x, int y);
    TReaktion Bewege(int x, int y);
    TReaktion Lasse(TTaste taste, int x, int y);
    // Escape while a button is held: the network goes back to how it was at the press (a
    // moved device or subnet returns, a cable or subnet being drawn is dropped), the gesture
    // ends and its release does nothing. Nothing held, nothing happens.
    TReaktion Abbrechen();

    bool Sichtbar(TMenuepunkt p) const;
    // What the command asks in its input dialog on the current selection (none: it asks
    // nothing). A front end whose dialogs cannot wait inside a command asks first and then
    // runs the command with the answer ready.
    std::optional<TEingabefrage> Eingabefrage(TMenuepunkt p) const;
    // Runs a command on the selection. An error ends it and is shown in the error box.
    TReaktion Fuehre(TMenuepunkt p);

    // Open (replacing the network) or add a file the learner chooses; save.
    void Oeffnen(bool hinzufuegen);
    // Returns whether the file was written. The file saved is the current file from then on.
    bool Speichern();
    // Before something is written to pfad: whether it may go there. A name taken by something
    // other than the current file is asked about ("Ersetzen" / "Abbrechen").
    bool DarfErsetzen(const std::string& pfad);
    // Reads the file into a network of its own; only when that worked it replaces (or is
    // appended to) the current one. On an error everything stays as it was and the error box
    // shows the text. Returns whether it was loaded. Only opening changes the current file.
    bool Lade(const std::string& pfad, bool hinzufuegen);

    // The configuration test with its findings (the first thousand explained).
    const TErklaerung& Pruefe();
    // Selects the finding's first device (else its subnet) and marks all its objects until
    // the next edit or test; returns the point to bring into view. None when something was
    // edited since the test.
    std::optional<TPunkt> ZeigeBefund(std::size_t nr);

    // One simulation step; delivery notices are information boxes.
    void Takt();

    // The picture as it is now (with the selection and the gesture in progress).
    TBildzustand Bildzustand() const;
    void Zeichne(TLeinwand& c) const;

    // Counts every change the picture could show apart from the messages' travel: network,
    // selection, gesture. Equal counts mean nothing was edited in between.
    unsigned long long Stand() const { return StandWert; }

    // Undo and redo of the learner's steps; refused while a gesture or a step is running.
    bool Rueckgaengig();
    bool Wiederholen();
    bool KannRueckgaengig() const {
        return ModusWert == TModus::Leerlauf && Verlauf.KannRueckgaengig();
    }
    bool KannWiederholen() const {
        return ModusWert == TModus::Leerlauf && Verlauf.KannWiederholen();
    }
    // Changes since the last open or save that undo has not taken back.
    bool Ungespeichert() const { return Verlauf.Ungespeichert(); }
    // The window's caption: the file's name, marked while there are unsaved changes.
    std::string Titel() const;
    // Before the network is thrown away: asks whether unsaved changes are to be saved, and
    // saves them when so answered. False: the network must stay (cancelled, or not saved).
    bool DarfVerwerfen();
    // The question DarfVerwerfen asks: "Änderungen an „<Datei>“ speichern?".
    std::string Speicherfragetext() const;
    // Runs after every new step, undo, redo, save, open and restore.
    void SetBeiAenderung(std::function<void()> f) { BeiAenderung = std::move(f); }
    // The network with its file, for the recovery copy; and back, as unsaved work, in place of
    // the network (its messages go). Reading the copy is where it can fail: see TSicherung.
    std::string Sicherungstext() const;
    void Wiederherstellen(TSicherung sicherung);
    // Reads the copy's text and takes it back; an error is shown in the error box and changes
    // nothing. Returns whether it was taken back.
    bool Wiederherstellen(const std::string& text);

    // Runs a step and shows its error, of whatever kind, in the error box instead of letting
    // it out; returns false then. A template: wrapping the step in a function object could
    // itself run out of memory outside the guard.
    template <class F> bool Sicher(F&& schritt) {
        try {
            schritt();
            return true;
        } catch (...) {
            ZeigeFehler(std::current_exception());
            return false;
        }
    }
    // One user action as one step of the history, all under that guard: beginne records what
    // it may change, tat runs it, and the step ends whether tat failed or not. A step the
    // history cannot record gives up the history (see TVerlauf::Aufgeben). Returns whether
    // everything worked.
    template <class B, class T> bool Schritt(B&& beginne, T&& tat) {
        return Sicher([&] {
            beginne();
            try {
                tat();
            } catch (...) {
                // The step ends with what the action changed before it failed; the action's
                // error is the one shown.
                BeendeNachFehler();
                throw;
            }
            Beende();
        });
    }

    // The task the network carries: its changes, "Aufgabe prüfen", what a panel shows.
    TAufgabenEditor& Aufgaben() { return AufgabenWert; }
    const TAufgabenEditor& Aufgaben() const { return AufgabenWert; }

private:
    friend class TAufgabenEditor;

    class TNachrichtMelder;

    void Veraendert() { ++StandWert; }
    void Melde() {
        if (BeiAenderung)
            BeiAenderung();
    }
    // A step of the history begins with what it may change, and ends.
    void Beginne(unsigned umfang, const std::vector<std::shared_ptr<TKomponente>>& geraete = {},
                 const std::vector<std::shared_ptr<TSubnet>>& subnetze = {});
    void Beende();
    void BeendeNachFehler() noexcept;
    void ZeigeFehler(std::exception_ptr fehler) noexcept;
    // The device and the other ends of its cables.
    std::vector<std::shared_ptr<TKomponente>> MitNachbarn(TKomponente* k) const;
    void BeginneBefehl(TMenuepunkt p);
    void LeereAuswahl();
    // pfad is the current file, opened or saved.
    void SetzeDatei(const std::string& pfad);
    bool IstAktuelleDatei(const std::string& pfad) const;
    void BerechneRouting();
    TKomponente* Platziere(int x, int y);
    void DrueckeAufGeraet(TTaste taste);
    void DrueckeAufSubnetz(int x, int y);
    void LasseKabel(int x, int y);
    void Grenzmeldung();
    TReaktion Loeschen();
    void FrageAdresse(TMenuepunkt p);
    void SendeNachricht();
    void AufSechsPorts();

    TFragen& Fragen;
    TDateiablage& Ablage;
    std::unique_ptr<TMelder> Melder;
    TProtokollSpeicher ProtokollWert;
    TNetz NetzWert;
    std::string DateinameWert = "Unbenannt.nz";
    bool HatDatei = false; // the name is a file's, opened or saved, not the default
    TWerkzeug WerkzeugWert = TWerkzeug::Computer;
    TModus ModusWert = TModus::Leerlauf;
    std::weak_ptr<TKomponente> KomponenteWahl;
    std::weak_ptr<TKabel> KabelWahl;
    std::weak_ptr<TSubnet> SubnetzWahl;
    TPunkt Start, Ende;
    unsigned long long StandWert = 0;
    // For Abbrechen: a button is held, the held gesture was cancelled, and where the pressed
    // device or subnet stood.
    bool Gedrueckt = false, Abgebrochen = false;
    TPunkt GeraetVorher;
    TRect SubnetzVorher;
    TVerlauf Verlauf;
    bool ZugOffen = false; // a drag's step runs from the press to the release
    std::function<void()> BeiAenderung;
    TMarkierung Markierung;
    TAufgabenEditor AufgabenWert{*this};
};

} // namespace verbundo

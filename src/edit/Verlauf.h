#pragma once

#include "../sim/Netz.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <unordered_set>
#include <vector>

namespace verbundo {

// The parts of the network a step may change besides the fields of single objects.
enum TUmfang : unsigned {
    UGeraete = 1,  // the device list
    UKabel = 2,    // the cable list
    USubnetze = 4, // the subnet list
    UTabellen = 8, // the routing table of every listed switch and router
    UAufgabe = 16, // the task (a value: kept by sharing it)
};

// Part of the network as it stood at one moment: the lists named by the scope (the very
// objects, in order), the fields and port order of chosen devices, the fields of chosen
// subnets, and the routing tables (shared, never copied). Setze puts exactly these back.
class TAufnahme {
public:
    TAufnahme() = default;
    TAufnahme(const TNetz& netz, unsigned umfang,
              const std::vector<std::shared_ptr<TKomponente>>& geraete,
              const std::vector<std::shared_ptr<TSubnet>>& subnetze);

    // The same parts as they stand now.
    TAufnahme Jetzt(const TNetz& netz) const;
    // Objects that leave a list are marked removed, those that come back unmarked.
    void Setze(TNetz& netz) const;
    // Adds what spaeter holds and this does not: a step begun inside another one becomes
    // part of it.
    void Ergaenze(const TAufnahme& spaeter);
    // Whether nothing differs.
    bool operator==(const TAufnahme& b) const;
    // Adds to bytes what only this keeps alive, roughly: its records, and the tables and
    // removed objects not counted yet (gezaehlt holds those, and what the network itself holds).
    void Zaehle(std::size_t& bytes, std::unordered_set<const void*>& gezaehlt) const;

    struct TGeraet {
        std::shared_ptr<TKomponente> K;
        int X = 0, Y = 0, MaxPorts = 0;
        TAdresse IP = 0, IP2 = 0;
        bool Hub = false, Mailserver = false;
        std::vector<std::shared_ptr<TKabel>> Ports;
        bool operator==(const TGeraet&) const = default;
    };
    struct TNetzteil {
        std::shared_ptr<TSubnet> S;
        TRect Rect;
        TAdresse NetzID = 0, Mask = 0;
        bool operator==(const TNetzteil&) const = default;
    };
    struct TTabelle {
        std::shared_ptr<TKomponente> K;
        TRoutingList::TStand Stand;
        bool operator==(const TTabelle&) const = default;
    };

private:
    unsigned Umfang = 0;
    std::vector<std::shared_ptr<TKomponente>> Geraeteliste;
    std::vector<std::shared_ptr<TKabel>> Kabelliste;
    std::vector<std::shared_ptr<TSubnet>> Subnetzliste;
    std::vector<TGeraet> Geraete;
    std::vector<TNetzteil> Subnetze;
    std::vector<TTabelle> Tabellen;
    std::shared_ptr<const TAufgabe> Aufgabe;
};

// Undo and redo: one step per user action, each the parts it changed as they stood before
// and, once undone, as they stood after. States carry numbers, so the unsaved mark is a
// comparison with the number of the state last saved or opened.
class TVerlauf {
public:
    // The oldest steps go beyond this many, or beyond this many bytes kept for them alone
    // (the newest step always stays).
    static constexpr std::size_t Tiefe = 200;
    static constexpr std::size_t Budget = std::size_t{256} << 20;
    explicit TVerlauf(std::size_t budget = Budget) : BudgetWert(budget) {}

    // A user action begins; vorher holds what it may change. Calls nest: an action begun
    // while another one runs becomes part of the outer one.
    void Beginne(TAufnahme vorher);
    // The action has ended; it becomes a step when it changed something, and then clears the
    // redo steps. Returns whether a step was made.
    bool Beende(const TNetz& netz);
    bool Laeuft() const { return !Offen.empty(); }
    // After a change that could not be recorded: no step is left to undo or redo across it,
    // and the network counts as unsaved.
    void Aufgeben() noexcept;
    // The bytes the steps keep beyond the network itself, roughly.
    std::size_t Speicher(const TNetz& netz) const;
    std::size_t Schritte() const { return Zurueck.size(); }

    bool KannRueckgaengig() const { return !Zurueck.empty() && !Laeuft(); }
    bool KannWiederholen() const { return !Vor.empty() && !Laeuft(); }
    bool Rueckgaengig(TNetz& netz);
    bool Wiederholen(TNetz& netz);

    // A new history for a network as it was opened (saved) or restored (unsaved).
    void Neu(bool gespeichert);
    void Gespeichert() { GespeichertBei = Aktuell; }
    bool Ungespeichert() const { return Aktuell != GespeichertBei; }
    // The number of the network's state: equal numbers, equal networks (undo and redo come
    // back to the numbers they left).
    unsigned long long Zustand() const { return Aktuell; }

private:
    struct TSchritt {
        TAufnahme Teile; // before the step while it can be undone, after it once undone
        unsigned long long Vorher, Nachher;
    };

    std::size_t BudgetWert;
    std::vector<TAufnahme> Offen;
    std::deque<TSchritt> Zurueck, Vor;
    unsigned long long Aktuell = 0, Zaehler = 0, GespeichertBei = 0;
};

} // namespace verbundo

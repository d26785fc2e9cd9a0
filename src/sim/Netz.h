#pragma once

#include "../model/Kabel.h"
#include "../model/Komponente.h"
#include "../model/Subnetz.h"
#include "Nachricht.h"
#include "Routing.h"

namespace verbundo {

struct TAufgabe;

// The whole drawn network as one value: what the window holds, what the reader fills and what
// the tests and the command-line tool build.
class TNetz {
public:
    TNetz() = default;
    ~TNetz();
    TNetz(const TNetz&) = delete;
    TNetz& operator=(const TNetz&) = delete;
    TNetz(TNetz&&) = default;
    TNetz& operator=(TNetz&&) = default;

    // Ownership. Devices are shared: this list, the two ends of every cable and the messages
    // that name them each hold a shared_ptr, so a device taken off the canvas lives on while a
    // message still stands on it or is headed for it; it is then marked removed. Cables are
    // owned by the cable list; routes and messages hold weak_ptrs, so a destroyed cable is
    // never reached, and a device's port list holds plain pointers that the cable removes in
    // its destructor. Subnets are owned by their list, messages by theirs. Destruction order:
    // messages, cables (which unplug themselves), devices, subnets.
    TKompList Komponentenliste;
    TKabelList Kabelliste;
    TSubnetList Subnetzliste;
    TNachrichtenList Nachrichtenliste;
    // The task the network carries, if any; it names devices of this network (diag/Aufgabe.h).
    std::shared_ptr<const TAufgabe> Aufgabe;

    // Appends a device and returns it.
    template <class T> T* Neu(int x, int y) {
        auto k = std::make_shared<T>(x, y);
        T* roh = k.get();
        Komponentenliste.Add(std::move(k));
        return roh;
    }
    TKomponente* Neu(TArt art, int x, int y);
    // Makes a cable from a to b (both in this network) and appends it.
    TKabel* Verbinde(TKomponente* a, TKomponente* b);
    TSubnet* NeuesSubnetz(TRect rect);

    // Removes the device and destroys its cables; messages that still name it keep it alive,
    // and are dropped at the next tick if they stand on it.
    void EntferneKomponente(TKomponente* k);
    void EntferneKabel(TKabel* k);
    void EntferneSubnetz(TSubnet* s);

    void BerechneRouting() { BerechneAlleRoutingtabellen(Komponentenliste, Kabelliste); }

    // Discards messages, cables, devices and subnets, in that order, and the task.
    void Leeren();
    // Moves everything of other behind what is here; other's cables keep their ends. All or
    // nothing: out of memory leaves both as they were. The task stays as it is here.
    void Anhaengen(TNetz&& other);
    // Exchanges devices, cables, subnets and the task (not the messages) with other.
    void Tausche(TNetz& other) noexcept;

    // The list lengths, to go back to after Anhaengen.
    struct TStand {
        int Geraete, Kabel, Subnetze;
    };
    TStand Stand() const {
        return {Komponentenliste.Count(), Kabelliste.Count(), Subnetzliste.Count()};
    }
    // Drops what was appended since stand: cables (unplugging them), devices, subnets.
    void ZurueckAuf(const TStand& stand) noexcept;
};

} // namespace verbundo

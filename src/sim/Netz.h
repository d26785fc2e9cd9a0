#pragma once

#include "../model/Kabel.h"
#include "../model/Komponente.h"
#include "../model/Subnetz.h"
#include "Nachricht.h"
#include "Routing.h"

namespace verbundo {

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

    TKompList Komponentenliste;
    TKabelList Kabelliste;
    TSubnetList Subnetzliste;
    TNachrichtenList Nachrichtenliste;

    // Appends a device and returns it.
    template <class T> T* Neu(int x, int y) {
        auto k = std::make_shared<T>(x, y);
        T* roh = k.get();
        Komponentenliste.Add(std::move(k));
        return roh;
    }
    // Makes a cable from a to b (both in this network) and appends it.
    TKabel* Verbinde(TKomponente* a, TKomponente* b);
    TSubnet* NeuesSubnetz(TRect rect);

    // Removes the device and its cables; messages that still name it keep it alive, and are
    // dropped at the next tick if they stand on it.
    void EntferneKomponente(TKomponente* k);
    void EntferneKabel(TKabel* k);
    void EntferneSubnetz(TSubnet* s);

    void BerechneRouting() { BerechneAlleRoutingtabellen(Komponentenliste, Kabelliste); }

    // Discards messages, cables, devices and subnets, in that order.
    void Leeren();
    // Moves everything of other behind what is here; other's cables keep their ends.
    void Anhaengen(TNetz&& other);
};

} // namespace verbundo

#pragma once

#include "../model/Adresse.h"
#include "../model/Komponente.h"

#include <cstddef>
#include <string>
#include <vector>

namespace verbundo {

// What can befall a message.
enum class TEreignisArt {
    Gesendet,   // Nach: the destination
    KeinZiel,   // nothing carries the address typed
    Kabel,      // Von: where it stood, Nach: the cable's far end
    Kopie,      // a copy made at the hub Von goes to Nach
    Zugestellt, // at Von
    KeineRoute, // Von's table has no route to Nach's address
    Zurueck,    // the route at Von leads back over the cable it came by
    NichtZiel,  // Von, a printer or computer, is not its destination
    KeinKabel,  // Von has no cable
    NimmtNicht, // Von is its destination but takes no delivery (a switch or router)
    HopGrenze,  // the hop limit is reached at Von
    Geloescht,  // its device or cable was deleted
    Grenze,     // Anzahl hub copies at Von not made: too many messages in flight
};

// A device as the log names it, taken when the event happens: it may move or go later.
struct TStelle {
    TArt Art = TArt::Computer;
    bool Hub = false;
    TAdresse IP = 0, IP2 = 0;
    int X = 0, Y = 0;
};
inline TStelle StelleVon(const TKomponente* k) {
    if (!k)
        return {};
    // Read straight from the kind: this runs for every copy in a storm.
    const TArt art = k->Art();
    TStelle s{art, false, k->GetIP(), 0, k->GetX(), k->GetY()};
    if (art == TArt::Switch)
        s.Hub = static_cast<const TSwitch*>(k)->Hub;
    else if (art == TArt::Router)
        s.IP2 = static_cast<const TRouter*>(k)->GetIP2();
    return s;
}

struct TEreignis {
    long long Takt = 0;
    long long Nachricht = 0; // its number, counted from 1 per message list; copies share it
    TEreignisArt Art = TEreignisArt::Gesendet;
    TStelle Von, Nach;
    long long Anzahl = 0;
};

// The German line without the tick number; adresse: the text typed, for KeinZiel.
std::string ProtokollZeile(const TEreignis& e, const std::string& adresse = {});

// Where the message list reports every event.
class TProtokoll {
public:
    virtual ~TProtokoll() = default;
    // adresse: the text typed, for KeinZiel only.
    virtual void Schreibe(const TEreignis& e, const std::string& adresse) = 0;
    // How many of the newest events it keeps: older ones need not reach it at all.
    virtual std::size_t Behaelt() const { return static_cast<std::size_t>(-1); }
};

// Keeps the newest events; their lines are made only when read, so a storm costs little.
class TProtokollSpeicher : public TProtokoll {
public:
    static constexpr std::size_t Grenze = 10000;

    void Schreibe(const TEreignis& e, const std::string& adresse) override;
    std::size_t Behaelt() const override { return Grenze; }
    // Every event written, also those no longer kept (a storm may skip writing events that
    // would be pushed out within the same tick anyway).
    unsigned long long Geschrieben() const { return Anzahl; }
    // "Takt t: ..." for the events from number ab on (counted as Geschrieben), as far as they
    // are still kept.
    std::vector<std::string> Zeilen(unsigned long long ab = 0) const;

private:
    std::vector<TEreignis> Ring;
    std::vector<std::string> Adressen; // beside Ring, for KeinZiel only
    unsigned long long Anzahl = 0;
};

} // namespace verbundo

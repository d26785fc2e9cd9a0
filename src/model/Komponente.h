#pragma once

#include "Adresse.h"
#include "Leinwand.h"
#include "Liste.h"

#include <memory>
#include <string>
#include <vector>

namespace verbundo {

class TKabel;
class TKabelList;
class TRoutenIndex;
class TKompList;
class TNachricht;
class TKomponente;

// The four kinds of device. Kind tests follow the class tree: a computer is also a printer, a
// router is also a switch.
enum class TArt { Drucker, Computer, Switch, Router };

// What a kind is, in one place: everything that differs between kinds besides behaviour.
struct TArtDaten {
    char Kennung;    // the character a device record of a network file starts with
    const char* Typ; // the five-character type tag of the file
    TBild Bild;      // the icon (a computer running as mail server shows another)
    int Ports;       // ports at creation
    int Beschriftet; // address texts drawn under the icon
};
const TArtDaten& Daten(TArt art);
// Takes delivery of messages and has an address of its own to set.
inline bool IstDrucker(TArt a) {
    return a == TArt::Drucker || a == TArt::Computer;
}
// Holds a routing table.
inline bool IstSwitch(TArt a) {
    return a == TArt::Switch || a == TArt::Router;
}

// Where delivery notices go: the window shows a modal box, the command-line tool prints a line,
// tests record. Melde returns when the notice has been acknowledged.
class TMelder {
public:
    virtual ~TMelder() = default;
    virtual void Melde(const TKomponente& empfaenger, const std::string& text) = 0;
};

// Ownership: the device list owns devices through shared_ptr; a message in flight shares a
// device it names, so a device taken off the canvas lives on until no message names it. The
// port list holds plain pointers: a cable unplugs itself when it is destroyed.
class TKomponente : public TListenteil {
public:
    virtual ~TKomponente();
    TKomponente(const TKomponente&) = delete;
    TKomponente& operator=(const TKomponente&) = delete;

    virtual TArt Art() const = 0;
    virtual TBild GetBild() const { return Daten(Art()).Bild; }
    std::string GetTyp() const { return Daten(Art()).Typ; }
    virtual TKabel* NaechstesKabel(const TKomponente& ziel) const = 0;
    // The icon, then the address texts the kind shows, centred below it.
    void Zeichne(TLeinwand& canvas) const;
    // Whether the address text (or a router's second one) is exactly text.
    virtual bool HatAdresse(const std::string& text) const { return GetIPText() == text; }

    int GetX() const { return X; }
    int GetY() const { return Y; }
    void SetPos(int x, int y) {
        X = x;
        Y = y;
    }

    TAdresse GetIP() const { return IP; }
    std::string GetIPText() const { return IPToStr(IP); }
    void SetIPText(const std::string& text);
    void SetIP(TAdresse wert) { IP = wert; }

    TKabel* GetKabel(int index) const;
    int KabelCount() const { return static_cast<int>(Kabel.size()); }
    int GetMaxPorts() const { return MaxPorts; }
    bool HatFreienPort() const { return KabelCount() < MaxPorts; }

    // Only a cable calls these. A full device refuses silently.
    void AddKabel(TKabel* kabel);
    void RemoveKabel(TKabel* kabel);

    // The ports in plug order, for the editor's history, which puts them back as they were.
    const std::vector<TKabel*>& Ports() const { return Kabel; }
    void SetPorts(std::vector<TKabel*> ports) { Kabel = std::move(ports); }

protected:
    // Each kind starts with its ports from the kind table.
    TKomponente(int x, int y, TArt art);
    void ZeichneText(TLeinwand& canvas, const std::string& text, int dy) const;

    int X, Y;
    int MaxPorts = 0;
    std::vector<TKabel*> Kabel;
    TAdresse IP = 0;
};

// The device as the kind class T when it is of a kind T stands for, else none: the one place
// where kinds are tested.
template <class T> T* Als(TKomponente* k) {
    return k && T::IstArt(k->Art()) ? static_cast<T*>(k) : nullptr;
}
template <class T> const T* Als(const TKomponente* k) {
    return k && T::IstArt(k->Art()) ? static_cast<const T*>(k) : nullptr;
}

class TDrucker : public TKomponente {
public:
    TDrucker(int x, int y) : TDrucker(x, y, TArt::Drucker) {}
    static bool IstArt(TArt a) { return IstDrucker(a); }
    TArt Art() const override { return TArt::Drucker; }
    TKabel* NaechstesKabel(const TKomponente& ziel) const override;
    // The notice for a message delivered here, as the kind and settings decide now.
    virtual std::string Notiz() const { return "Nachricht wird gedruckt."; }
    void Empfange(const TNachricht& nachricht, TMelder* melder) const;

protected:
    TDrucker(int x, int y, TArt art) : TKomponente(x, y, art) {}
};

class TComputer : public TDrucker {
public:
    TComputer(int x, int y) : TDrucker(x, y, TArt::Computer) {}
    static bool IstArt(TArt a) { return a == TArt::Computer; }
    TArt Art() const override { return TArt::Computer; }
    TBild GetBild() const override { return Mailserver ? TBild::Mailserver : TBild::Computer; }
    std::string Notiz() const override {
        return Mailserver ? "Nachricht auf Server gespeichert." : "Nachricht angekommen.";
    }
    bool IsMailserver() const { return Mailserver; }
    void SetMailserver(bool wert) { Mailserver = wert; }

private:
    bool Mailserver = false;
};

// A route refers to its cable weakly: a table of a switch that has been taken off the canvas
// may outlive the cable, and must then find nothing instead of a destroyed cable.
struct TRoute {
    TRoute(TAdresse ziel, const std::shared_ptr<TKabel>& kabel) : Ziel(ziel), Kabel(kabel) {}
    TAdresse Ziel;
    std::weak_ptr<TKabel> Kabel;
};

// The routes are shared, copy on write: the editor's history keeps a table as it stood without
// copying it. A recomputation works on a copy made in advance (so that it cannot fail
// halfway) and goes back to the shared table when no route changed.
class TRoutingList {
public:
    using TRouten = std::shared_ptr<const std::vector<TRoute>>;
    // A table as it stood, with the index it was written with: put back, it is looked up as
    // fast as before.
    struct TStand {
        TRouten Routen;
        std::shared_ptr<const TRoutenIndex> Index;
        int Knoten = -1;
        bool operator==(const TStand&) const = default;
    };

    void Leeren() {
        Routen = std::make_shared<std::vector<TRoute>>();
        Index.reset();
    }
    void Add(TAdresse ziel, const std::shared_ptr<TKabel>& kabel) {
        Eigene().emplace_back(ziel, kabel);
        Index.reset();
    }
    // The cable of the last route for exactly this address, or none (also when that cable has
    // been deleted since). Constant time in a table that the computation of all tables
    // wrote; other tables are scanned.
    TKabel* FindeKabel(TAdresse adresse) const;
    int Count() const { return static_cast<int>(Routen->size()); }
    const TRoute& GetRoute(int index) const { return Routen->at(static_cast<std::size_t>(index)); }
    void Reserviere(std::size_t n) {
        if (Routen.use_count() > 1 && !Vorlage)
            Vorlage = Routen;
        Eigene().reserve(n);
    }
    // Rebuilding a table in place, as Leeren followed by Add in index order would: route index
    // (at most Count) becomes ziel on kabel. A route that keeps its cable is not touched
    // again, so an unchanged table costs no reference counting. Cannot fail while Count stays
    // within what was reserved.
    void Ersetze(int index, TAdresse ziel, const std::shared_ptr<TKabel>& kabel) {
        Index.reset();
        const auto i = static_cast<std::size_t>(index);
        if (i >= Routen->size()) {
            Eigene().emplace_back(ziel, kabel);
            Geaendert = true;
            return;
        }
        const TRoute& r = (*Routen)[i];
        // Same owner means the very same cable: a control block outlives every weak reference
        // to it, so no later cable can have the same one.
        if (r.Ziel != ziel || r.Kabel.owner_before(kabel) || kabel.owner_before(r.Kabel)) {
            Eigene()[i] = TRoute(ziel, kabel);
            Geaendert = true;
        }
    }
    // Drops the routes from index anzahl on.
    void Kuerze(int anzahl);
    // The table as written now is the one of knoten in index; any change drops the index. Ends
    // a recomputation: an unchanged table is the shared one again.
    void SetzeIndex(std::shared_ptr<const TRoutenIndex> index, int knoten) noexcept {
        if (Vorlage && !Geaendert)
            Routen = std::const_pointer_cast<std::vector<TRoute>>(Vorlage);
        Vorlage.reset();
        Geaendert = false;
        Index = std::move(index);
        IndexKnoten = knoten;
    }

    // The table as it stands, to be put back later with SetStand.
    TStand Stand() const { return {Routen, Index, IndexKnoten}; }
    void SetStand(TStand stand) noexcept {
        Routen = std::const_pointer_cast<std::vector<TRoute>>(std::move(stand.Routen));
        Index = std::move(stand.Index);
        IndexKnoten = stand.Knoten;
    }

private:
    // The routes for writing; a table someone else still holds is copied first.
    std::vector<TRoute>& Eigene() {
        if (Routen.use_count() > 1)
            Routen = std::make_shared<std::vector<TRoute>>(*Routen);
        return *Routen;
    }

    std::shared_ptr<std::vector<TRoute>> Routen = std::make_shared<std::vector<TRoute>>();
    TRouten Vorlage; // the shared table a recomputation started from
    bool Geaendert = false;
    std::shared_ptr<const TRoutenIndex> Index;
    int IndexKnoten = -1;
};

class TSwitch : public TKomponente {
public:
    TSwitch(int x, int y) : TSwitch(x, y, TArt::Switch) {}
    static bool IstArt(TArt a) { return IstSwitch(a); }
    TArt Art() const override { return TArt::Switch; }
    TKabel* NaechstesKabel(const TKomponente& ziel) const override;

    void SetMaxPorts(int n) { MaxPorts = n; }

    TRoutingList Routingtabelle;
    bool Hub = false;

protected:
    TSwitch(int x, int y, TArt art) : TKomponente(x, y, art) {}
};

class TRouter : public TSwitch {
public:
    TRouter(int x, int y) : TSwitch(x, y, TArt::Router) {}
    static bool IstArt(TArt a) { return a == TArt::Router; }
    TArt Art() const override { return TArt::Router; }
    bool HatAdresse(const std::string& text) const override {
        return GetIPText() == text || GetIP2Text() == text;
    }

    TAdresse GetIP2() const { return IP2; }
    std::string GetIP2Text() const { return IPToStr(IP2); }
    void SetIP2Text(const std::string& text);
    void SetIP2(TAdresse wert) { IP2 = wert; }

private:
    TAdresse IP2 = 0;
};

// A new device of that kind at (x, y).
std::shared_ptr<TKomponente> NeueKomponente(TArt art, int x, int y);

class TKompList : public TListe<TKomponente> {
public:
    TKomponente* GetKomponente(int index) const { return Get(index); }
    // The last device whose address text (or a router's second one) equals text exactly.
    TKomponente* FindeIP(const std::string& text) const;
    // The last device whose centre is less than 16 pixels away in both directions.
    TKomponente* FindeBei(int x, int y) const;
};

} // namespace verbundo

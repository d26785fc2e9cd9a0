#pragma once

#include "Adresse.h"
#include "Leinwand.h"

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
class TKomponente {
public:
    TKomponente(int x, int y);
    virtual ~TKomponente();
    TKomponente(const TKomponente&) = delete;
    TKomponente& operator=(const TKomponente&) = delete;

    virtual TBild GetBild() const = 0;
    virtual std::string GetTyp() const = 0;
    virtual TKabel* NaechstesKabel(const TKomponente& ziel) const = 0;
    virtual void Zeichne(TLeinwand& canvas) const;

    int GetX() const { return X; }
    int GetY() const { return Y; }
    void SetPos(int x, int y) {
        X = x;
        Y = y;
    }

    TAdresse GetIP() const { return IP; }
    std::string GetIPText() const { return IPToStr(IP); }
    void SetIPText(const std::string& text);

    TKabel* GetKabel(int index) const;
    int KabelCount() const { return static_cast<int>(Kabel.size()); }
    int GetMaxPorts() const { return MaxPorts; }
    bool HatFreienPort() const { return KabelCount() < MaxPorts; }

    // Only a cable calls these. A full device refuses silently.
    void AddKabel(TKabel* kabel);
    void RemoveKabel(TKabel* kabel);

    // Set when the device is taken out of its network; messages that still stand on it are
    // then dropped instead of delivered or moved on.
    bool IstEntfernt() const { return Entfernt; }
    void SetEntfernt(bool wert) { Entfernt = wert; }

    // Working fields of the routing computation: after it, what the last search left (settled,
    // distance from that switch or -1 for unreached, last cable of the path). Nothing else
    // reads them. A device outside the device list is not touched by the search.
    bool Fertig = false;
    long double Distanz = -1.0L;
    TKabel* ViaKabel = nullptr;

protected:
    void ZeichneText(TLeinwand& canvas, const std::string& text, int dy) const;

    int X, Y;
    int MaxPorts = 0;
    std::vector<TKabel*> Kabel;
    TAdresse IP = 0;
    bool Entfernt = false;
};

class TDrucker : public TKomponente {
public:
    TDrucker(int x, int y);
    TBild GetBild() const override { return TBild::Drucker; }
    std::string GetTyp() const override { return "Druck"; }
    TKabel* NaechstesKabel(const TKomponente& ziel) const override;
    void Zeichne(TLeinwand& canvas) const override;
    // The notice for a message delivered here, as the kind and settings decide now.
    virtual std::string Notiz() const { return "Nachricht wird gedruckt."; }
    void Empfange(const TNachricht& nachricht, TMelder* melder) const;
};

class TComputer : public TDrucker {
public:
    TComputer(int x, int y);
    TBild GetBild() const override { return Mailserver ? TBild::Mailserver : TBild::Computer; }
    std::string GetTyp() const override { return "Comp."; }
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

class TRoutingList {
public:
    void Leeren() {
        Routen.clear();
        Index.reset();
    }
    void Add(TAdresse ziel, const std::shared_ptr<TKabel>& kabel) {
        Routen.emplace_back(ziel, kabel);
        Index.reset();
    }
    // The cable of the last route for exactly this address, or none (also when that cable has
    // been destroyed since). Constant time in a table that the computation of all tables
    // wrote; other tables are scanned.
    TKabel* FindeKabel(TAdresse adresse) const;
    int Count() const { return static_cast<int>(Routen.size()); }
    const TRoute& GetRoute(int index) const { return Routen.at(static_cast<std::size_t>(index)); }
    void Reserviere(std::size_t n) { Routen.reserve(n); }
    // Rebuilding a table in place, as Leeren followed by Add in index order would: route index
    // (at most Count) becomes ziel on kabel. A route that keeps its cable is not touched
    // again, so an unchanged table costs no reference counting. Cannot fail while Count stays
    // within what was reserved.
    void Ersetze(int index, TAdresse ziel, const std::shared_ptr<TKabel>& kabel) {
        Index.reset();
        const auto i = static_cast<std::size_t>(index);
        if (i >= Routen.size()) {
            Routen.emplace_back(ziel, kabel);
            return;
        }
        TRoute& r = Routen[i];
        r.Ziel = ziel;
        // Same owner means the very same cable: a control block outlives every weak reference
        // to it, so no later cable can have the same one.
        if (r.Kabel.owner_before(kabel) || kabel.owner_before(r.Kabel))
            r.Kabel = kabel;
    }
    // Drops the routes from index anzahl on.
    void Kuerze(int anzahl);
    // The table as written now is the one of knoten in index; any change drops the index.
    void SetzeIndex(std::shared_ptr<const TRoutenIndex> index, int knoten) noexcept {
        Index = std::move(index);
        IndexKnoten = knoten;
    }

private:
    std::vector<TRoute> Routen;
    std::shared_ptr<const TRoutenIndex> Index;
    int IndexKnoten = -1;
};

class TSwitch : public TKomponente {
public:
    TSwitch(int x, int y);
    TBild GetBild() const override { return TBild::Switch; }
    std::string GetTyp() const override { return "Swit."; }
    TKabel* NaechstesKabel(const TKomponente& ziel) const override;

    void SetMaxPorts(int n) { MaxPorts = n; }
    // Fills the routing table by the shortest drawn cable length from this switch.
    void BerechneRouting(const TKompList& komponenten, const TKabelList& kabel);

    TRoutingList Routingtabelle;
    bool Hub = false;
};

class TRouter : public TSwitch {
public:
    TRouter(int x, int y);
    TBild GetBild() const override { return TBild::Router; }
    std::string GetTyp() const override { return "Rout."; }
    void Zeichne(TLeinwand& canvas) const override;

    TAdresse GetIP2() const { return IP2; }
    std::string GetIP2Text() const { return IPToStr(IP2); }
    void SetIP2Text(const std::string& text);

private:
    TAdresse IP2 = 0;
};

class TKompList {
public:
    using Zeiger = std::shared_ptr<TKomponente>;

    int Count() const { return static_cast<int>(Liste.size()); }
    // Raises "List index out of bounds (%d)" outside the list.
    TKomponente* GetKomponente(int index) const;
    const Zeiger& GetZeiger(int index) const;
    int IndexVon(const TKomponente* k) const;

    void Add(Zeiger k) { Liste.push_back(std::move(k)); }
    void Reserviere(int n) { Liste.reserve(static_cast<std::size_t>(n)); }
    // Drops the devices from position n on.
    void Kuerze(int n) noexcept {
        while (Count() > n)
            Liste.pop_back();
    }
    // Takes the device out of the list; returns it so that the caller decides its lifetime.
    Zeiger Remove(const TKomponente* k);
    void Clear() { Liste.clear(); }

    // The last device whose address text (or a router's second one) equals text exactly.
    TKomponente* FindeIP(const std::string& text) const;
    // The last device whose centre is less than 16 pixels away in both directions.
    TKomponente* FindeBei(int x, int y) const;

    auto begin() const { return Liste.begin(); }
    auto end() const { return Liste.end(); }

private:
    std::vector<Zeiger> Liste;
};

} // namespace verbundo

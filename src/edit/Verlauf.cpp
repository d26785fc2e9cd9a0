// Undo and redo: parts of the network taken and put back.

#include "Verlauf.h"

#include "../model/RoutenIndex.h"

#include <algorithm>
#include <unordered_set>

namespace verbundo {

namespace {

TAufnahme::TGeraet Werte(const std::shared_ptr<TKomponente>& k) {
    TAufnahme::TGeraet g;
    g.K = k;
    g.X = k->GetX();
    g.Y = k->GetY();
    g.MaxPorts = k->GetMaxPorts();
    g.IP = k->GetIP();
    if (const auto* r = Als<TRouter>(k.get()))
        g.IP2 = r->GetIP2();
    if (const auto* s = Als<TSwitch>(k.get()))
        g.Hub = s->Hub;
    if (const auto* c = Als<TComputer>(k.get()))
        g.Mailserver = c->IsMailserver();
    g.Ports.reserve(k->Ports().size());
    for (TKabel* kabel : k->Ports())
        g.Ports.push_back(kabel->shared_from_this());
    return g;
}

// Made before anything is put back, so that putting back cannot fail halfway.
std::vector<TKabel*> Ports(const TAufnahme::TGeraet& g) {
    std::vector<TKabel*> ports;
    ports.reserve(g.Ports.size());
    for (const auto& kabel : g.Ports)
        ports.push_back(kabel.get());
    return ports;
}

void Setze(const TAufnahme::TGeraet& g, std::vector<TKabel*>&& ports) noexcept {
    TKomponente& k = *g.K;
    k.SetPos(g.X, g.Y);
    k.SetIP(g.IP);
    if (auto* r = Als<TRouter>(&k))
        r->SetIP2(g.IP2);
    if (auto* s = Als<TSwitch>(&k)) {
        s->Hub = g.Hub;
        s->SetMaxPorts(g.MaxPorts);
    }
    if (auto* c = Als<TComputer>(&k))
        c->SetMailserver(g.Mailserver);
    k.SetPorts(std::move(ports));
}

TAufnahme::TNetzteil Werte(const std::shared_ptr<TSubnet>& s) {
    return {s, s->GetRect(), s->GetNetzID(), s->GetMask()};
}

// The list becomes alle (a copy made beforehand); what leaves it is marked removed, what is in
// it is not.
template <class T>
void SetzeListe(TListe<T>& liste, std::vector<std::shared_ptr<T>>&& alle) noexcept {
    for (const auto& o : liste)
        o->SetEntfernt(true);
    for (const auto& o : alle)
        o->SetEntfernt(false);
    liste.SetAlle(std::move(alle));
}

template <class T> void Zaehle(const std::vector<T>& v, std::size_t& bytes) {
    bytes += v.capacity() * sizeof(T);
}

// An object only the history holds; each once.
template <class T>
void ZaehleWeg(const std::shared_ptr<T>& o, std::size_t& bytes,
               std::unordered_set<const void*>& gezaehlt) {
    if (o && o->IstEntfernt() && gezaehlt.insert(o.get()).second)
        bytes += sizeof(TRouter);
}

template <class E, class F>
void Ergaenze(std::vector<E>& hier, const std::vector<E>& dort, F objekt) {
    for (const E& e : dort)
        if (std::none_of(hier.begin(), hier.end(),
                         [&](const E& h) { return objekt(h) == objekt(e); }))
            hier.push_back(e);
}

} // namespace

TAufnahme::TAufnahme(const TNetz& netz, unsigned umfang,
                     const std::vector<std::shared_ptr<TKomponente>>& geraete,
                     const std::vector<std::shared_ptr<TSubnet>>& subnetze)
    : Umfang(umfang) {
    if (umfang & UGeraete)
        Geraeteliste = netz.Komponentenliste.Alle();
    if (umfang & UKabel)
        Kabelliste = netz.Kabelliste.Alle();
    if (umfang & USubnetze)
        Subnetzliste = netz.Subnetzliste.Alle();
    if (umfang & UAufgabe)
        Aufgabe = netz.Aufgabe;
    if (umfang & UTabellen)
        for (const auto& k : netz.Komponentenliste)
            if (const auto* s = Als<TSwitch>(k.get()))
                Tabellen.push_back({k, s->Routingtabelle.Stand()});
    Geraete.reserve(geraete.size());
    for (const auto& k : geraete)
        if (k)
            Geraete.push_back(Werte(k));
    for (const auto& s : subnetze)
        if (s)
            Subnetze.push_back(Werte(s));
}

TAufnahme TAufnahme::Jetzt(const TNetz& netz) const {
    std::vector<std::shared_ptr<TKomponente>> geraete;
    geraete.reserve(Geraete.size());
    for (const auto& g : Geraete)
        geraete.push_back(g.K);
    std::vector<std::shared_ptr<TSubnet>> subnetze;
    for (const auto& s : Subnetze)
        subnetze.push_back(s.S);
    TAufnahme jetzt(netz, Umfang & ~UTabellen, geraete, subnetze);
    // The tables of the switches recorded before, and of those that came since.
    if (Umfang & UTabellen) {
        jetzt.Umfang |= UTabellen;
        for (const auto& t : Tabellen)
            jetzt.Tabellen.push_back({t.K, Als<TSwitch>(t.K.get())->Routingtabelle.Stand()});
        for (const auto& k : netz.Komponentenliste)
            if (const auto* s = Als<TSwitch>(k.get()))
                if (std::none_of(Tabellen.begin(), Tabellen.end(),
                                 [&](const TTabelle& t) { return t.K == k; }))
                    jetzt.Tabellen.push_back({k, s->Routingtabelle.Stand()});
    }
    return jetzt;
}

void TAufnahme::Setze(TNetz& netz) const {
    // Every copy first: once something is put back, nothing may fail.
    auto geraeteliste = Umfang & UGeraete ? Geraeteliste : decltype(Geraeteliste){};
    auto kabelliste = Umfang & UKabel ? Kabelliste : decltype(Kabelliste){};
    auto subnetzliste = Umfang & USubnetze ? Subnetzliste : decltype(Subnetzliste){};
    const auto altKabel = Umfang & UKabel ? netz.Kabelliste.Alle() : decltype(Kabelliste){};
    std::vector<std::vector<TKabel*>> ports;
    ports.reserve(Geraete.size());
    for (const auto& g : Geraete)
        ports.push_back(Ports(g));

    if (Umfang & UGeraete)
        SetzeListe(netz.Komponentenliste, std::move(geraeteliste));
    if (Umfang & UKabel) {
        SetzeListe(netz.Kabelliste, std::move(kabelliste));
        // As when deleted: a message that crossed a cable now gone is dropped at the next tick,
        // and the cable must not come back showing it.
        for (const auto& k : altKabel)
            if (k->IstEntfernt())
                k->SetAktiv(false);
    }
    if (Umfang & USubnetze)
        SetzeListe(netz.Subnetzliste, std::move(subnetzliste));
    if (Umfang & UAufgabe)
        netz.Aufgabe = Aufgabe;
    // Ports last: they name cables that only now are listed again.
    for (std::size_t i = 0; i < Geraete.size(); ++i)
        verbundo::Setze(Geraete[i], std::move(ports[i]));
    for (const auto& s : Subnetze) {
        s.S->SetRect(s.Rect);
        s.S->SetNetzID(s.NetzID);
        s.S->SetMask(s.Mask);
    }
    for (const auto& t : Tabellen)
        Als<TSwitch>(t.K.get())->Routingtabelle.SetStand(t.Stand);
}

void TAufnahme::Ergaenze(const TAufnahme& spaeter) {
    const unsigned neu = spaeter.Umfang & ~Umfang;
    if (neu & UGeraete)
        Geraeteliste = spaeter.Geraeteliste;
    if (neu & UKabel)
        Kabelliste = spaeter.Kabelliste;
    if (neu & USubnetze)
        Subnetzliste = spaeter.Subnetzliste;
    if (neu & UAufgabe)
        Aufgabe = spaeter.Aufgabe;
    Umfang |= spaeter.Umfang;
    verbundo::Ergaenze(Geraete, spaeter.Geraete, [](const TGeraet& g) { return g.K; });
    verbundo::Ergaenze(Subnetze, spaeter.Subnetze, [](const TNetzteil& s) { return s.S; });
    verbundo::Ergaenze(Tabellen, spaeter.Tabellen, [](const TTabelle& t) { return t.K; });
}

void TAufnahme::Zaehle(std::size_t& bytes, std::unordered_set<const void*>& gezaehlt) const {
    bytes += sizeof(TAufnahme);
    verbundo::Zaehle(Geraeteliste, bytes);
    verbundo::Zaehle(Kabelliste, bytes);
    verbundo::Zaehle(Subnetzliste, bytes);
    verbundo::Zaehle(Geraete, bytes);
    verbundo::Zaehle(Subnetze, bytes);
    verbundo::Zaehle(Tabellen, bytes);
    for (const auto& g : Geraete) {
        verbundo::Zaehle(g.Ports, bytes);
        ZaehleWeg(g.K, bytes, gezaehlt);
    }
    for (const auto& k : Geraeteliste)
        ZaehleWeg(k, bytes, gezaehlt);
    for (const auto& k : Kabelliste)
        ZaehleWeg(k, bytes, gezaehlt);
    for (const auto& s : Subnetzliste)
        ZaehleWeg(s, bytes, gezaehlt);
    for (const auto& t : Tabellen) {
        if (t.Stand.Routen && gezaehlt.insert(t.Stand.Routen.get()).second)
            bytes += t.Stand.Routen->capacity() * sizeof(TRoute);
        if (t.Stand.Index && gezaehlt.insert(t.Stand.Index.get()).second)
            bytes += t.Stand.Index->Speicher();
    }
}

bool TAufnahme::operator==(const TAufnahme& b) const {
    return Umfang == b.Umfang && Geraeteliste == b.Geraeteliste && Kabelliste == b.Kabelliste &&
           Subnetzliste == b.Subnetzliste && Geraete == b.Geraete && Subnetze == b.Subnetze &&
           Tabellen == b.Tabellen && Aufgabe == b.Aufgabe;
}

void TVerlauf::Beginne(TAufnahme vorher) {
    if (!Offen.empty())
        Offen.front().Ergaenze(vorher);
    Offen.push_back(std::move(vorher));
}

bool TVerlauf::Beende(const TNetz& netz) {
    if (Offen.empty())
        return false;
    if (Offen.size() > 1) {
        Offen.pop_back();
        return false;
    }
    TAufnahme vorher = std::move(Offen.front());
    Offen.clear();
    if (vorher == vorher.Jetzt(netz))
        return false;
    Vor.clear();
    const unsigned long long alt = Aktuell;
    Zurueck.push_back({std::move(vorher), alt, Zaehler + 1});
    Aktuell = ++Zaehler;
    if (Zurueck.size() > Tiefe)
        Zurueck.pop_front();
    // Dropping the oldest steps frees what only they hold.
    while (Zurueck.size() > 1 && Speicher(netz) > BudgetWert)
        Zurueck.pop_front();
    return true;
}

std::size_t TVerlauf::Speicher(const TNetz& netz) const {
    std::unordered_set<const void*> gezaehlt;
    // The tables the network uses cost the history nothing.
    for (const auto& k : netz.Komponentenliste)
        if (const auto* s = Als<TSwitch>(k.get())) {
            const auto stand = s->Routingtabelle.Stand();
            gezaehlt.insert(stand.Routen.get());
            gezaehlt.insert(stand.Index.get());
        }
    std::size_t bytes = 0;
    for (const auto* schritte : {&Zurueck, &Vor})
        for (const TSchritt& s : *schritte)
            s.Teile.Zaehle(bytes, gezaehlt);
    return bytes;
}

void TVerlauf::Aufgeben() noexcept {
    Offen.clear();
    Zurueck.clear();
    Vor.clear();
    // A state no save has seen.
    Aktuell = ++Zaehler;
}

bool TVerlauf::Rueckgaengig(TNetz& netz) {
    if (!KannRueckgaengig())
        return false;
    TSchritt s = std::move(Zurueck.back());
    Zurueck.pop_back();
    TAufnahme nachher = s.Teile.Jetzt(netz);
    s.Teile.Setze(netz);
    s.Teile = std::move(nachher);
    Aktuell = s.Vorher;
    Vor.push_back(std::move(s));
    return true;
}

bool TVerlauf::Wiederholen(TNetz& netz) {
    if (!KannWiederholen())
        return false;
    TSchritt s = std::move(Vor.back());
    Vor.pop_back();
    TAufnahme vorher = s.Teile.Jetzt(netz);
    s.Teile.Setze(netz);
    s.Teile = std::move(vorher);
    Aktuell = s.Nachher;
    Zurueck.push_back(std::move(s));
    return true;
}

void TVerlauf::Neu(bool gespeichert) {
    Offen.clear();
    Zurueck.clear();
    Vor.clear();
    Aktuell = ++Zaehler;
    // A restored network was never saved: no state has number 0.
    GespeichertBei = gespeichert ? Aktuell : 0;
}

} // namespace verbundo

#include "Netz.h"

namespace verbundo {

TNetz::~TNetz() {
    Leeren();
}

TKabel* TNetz::Verbinde(TKomponente* a, TKomponente* b) {
    auto za = Komponentenliste.GetZeiger(Komponentenliste.IndexVon(a));
    auto zb = Komponentenliste.GetZeiger(Komponentenliste.IndexVon(b));
    auto k = TKabel::Create(std::move(za), std::move(zb));
    TKabel* roh = k.get();
    Kabelliste.Add(std::move(k));
    return roh;
}

TKomponente* TNetz::Neu(TArt art, int x, int y) {
    auto k = NeueKomponente(art, x, y);
    TKomponente* roh = k.get();
    Komponentenliste.Add(std::move(k));
    return roh;
}

TSubnet* TNetz::NeuesSubnetz(TRect rect) {
    auto s = std::make_shared<TSubnet>(rect);
    TSubnet* roh = s.get();
    Subnetzliste.Add(std::move(s));
    return roh;
}

// The editor's history may keep a removed cable to bring it back: it is unplugged and shows
// no message now, not only when it dies.
void TNetz::EntferneKomponente(TKomponente* k) {
    for (const auto& kabel : Kabelliste.EntferneVon(k)) {
        kabel->SetEntfernt(true);
        kabel->SetAktiv(false);
        kabel->Abziehen();
    }
    if (auto weg = Komponentenliste.Remove(k))
        weg->SetEntfernt(true);
}

void TNetz::EntferneKabel(TKabel* k) {
    if (auto weg = Kabelliste.Remove(k)) {
        weg->SetEntfernt(true);
        weg->SetAktiv(false);
        weg->Abziehen();
    }
}

void TNetz::EntferneSubnetz(TSubnet* s) {
    if (auto weg = Subnetzliste.Remove(s))
        weg->SetEntfernt(true);
}

void TNetz::Leeren() {
    Nachrichtenliste.Clear();
    // Whoever still holds one of them must not take it for part of a network.
    for (const auto& k : Kabelliste)
        k->SetEntfernt(true);
    for (const auto& k : Komponentenliste)
        k->SetEntfernt(true);
    for (const auto& s : Subnetzliste)
        s->SetEntfernt(true);
    Kabelliste.Clear();
    Komponentenliste.Clear();
    Subnetzliste.Clear();
    Aufgabe.reset();
}

void TNetz::Anhaengen(TNetz&& other) {
    // Room first: copying the pointers in cannot fail then.
    Komponentenliste.Reserviere(Komponentenliste.Count() + other.Komponentenliste.Count());
    Kabelliste.Reserviere(Kabelliste.Count() + other.Kabelliste.Count());
    Subnetzliste.Reserviere(Subnetzliste.Count() + other.Subnetzliste.Count());
    for (const auto& k : other.Komponentenliste)
        Komponentenliste.Add(k);
    for (const auto& k : other.Kabelliste)
        Kabelliste.Add(k);
    for (const auto& s : other.Subnetzliste)
        Subnetzliste.Add(s);
    other.Subnetzliste.Clear();
    other.Kabelliste.Clear();
    other.Komponentenliste.Clear();
}

void TNetz::Tausche(TNetz& other) noexcept {
    std::swap(Komponentenliste, other.Komponentenliste);
    std::swap(Kabelliste, other.Kabelliste);
    std::swap(Subnetzliste, other.Subnetzliste);
    std::swap(Aufgabe, other.Aufgabe);
}

void TNetz::ZurueckAuf(const TStand& stand) noexcept {
    Kabelliste.Kuerze(stand.Kabel);
    Komponentenliste.Kuerze(stand.Geraete);
    Subnetzliste.Kuerze(stand.Subnetze);
}

} // namespace verbundo

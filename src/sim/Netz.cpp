#include "Netz.h"

#include <algorithm>

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

TSubnet* TNetz::NeuesSubnetz(TRect rect) {
    Subnetzliste.push_back(std::make_unique<TSubnet>(rect));
    return Subnetzliste.back().get();
}

void TNetz::EntferneKomponente(TKomponente* k) {
    Kabelliste.EntferneVon(k);
    if (auto weg = Komponentenliste.Remove(k))
        weg->SetEntfernt(true);
}

void TNetz::EntferneKabel(TKabel* k) {
    Kabelliste.Remove(k);
}

void TNetz::EntferneSubnetz(TSubnet* s) {
    std::erase_if(Subnetzliste, [&](const std::unique_ptr<TSubnet>& z) { return z.get() == s; });
}

void TNetz::Leeren() {
    Nachrichtenliste.Clear();
    Kabelliste.Clear();
    Komponentenliste.Clear();
    Subnetzliste.clear();
}

void TNetz::Anhaengen(TNetz&& other) {
    // Room first: copying the pointers in cannot fail then.
    Komponentenliste.Reserviere(Komponentenliste.Count() + other.Komponentenliste.Count());
    Kabelliste.Reserviere(Kabelliste.Count() + other.Kabelliste.Count());
    Subnetzliste.reserve(Subnetzliste.size() + other.Subnetzliste.size());
    for (const auto& k : other.Komponentenliste)
        Komponentenliste.Add(k);
    for (const auto& k : other.Kabelliste)
        Kabelliste.Add(k);
    for (auto& s : other.Subnetzliste)
        Subnetzliste.push_back(std::move(s));
    other.Subnetzliste.clear();
    other.Kabelliste.Clear();
    other.Komponentenliste.Clear();
}

void TNetz::Tausche(TNetz& other) noexcept {
    std::swap(Komponentenliste, other.Komponentenliste);
    std::swap(Kabelliste, other.Kabelliste);
    std::swap(Subnetzliste, other.Subnetzliste);
}

void TNetz::ZurueckAuf(const TStand& stand) noexcept {
    Kabelliste.Kuerze(stand.Kabel);
    Komponentenliste.Kuerze(stand.Geraete);
    while (Subnetzliste.size() > stand.Subnetze)
        Subnetzliste.pop_back();
}

} // namespace verbundo

// Settings lines: written after all records, read back by this program only.

#include "Einstellungen.h"

#include "../model/Fehler.h"
#include "../sim/Netz.h"

#include <cstdio>

namespace verbundo {

namespace {

constexpr std::string_view Hub = "#hub ";
constexpr std::string_view Ports = "#port";
constexpr std::string_view Mail = "#mail";

void Zeile(std::string& aus, std::string_view kennung, int index, int wert = -1) {
    char puffer[32];
    aus += kennung;
    std::snprintf(puffer, sizeof puffer, ",%5d", index);
    aus += puffer;
    if (wert >= 0) {
        std::snprintf(puffer, sizeof puffer, ",%5d", wert);
        aus += puffer;
    }
    aus += "\r\n";
}

EFehler Falsch(const std::string& zeile) {
    return EFehler("Ungültige Einstellungszeile: " + Sichtbar(zeile, 40));
}

// A "," and a five-character number at p.
int Feld(const std::string& zeile, std::size_t p) {
    if (zeile.size() < p + 6 || zeile[p] != ',')
        throw Falsch(zeile);
    return StrToInt(std::string_view(zeile).substr(p + 1, 5));
}

// The cables at s in cable-list order, as reading them would have plugged them.
void SteckeEin(TKomponente& s, const TNetz& netz) {
    std::vector<TKabel*> ports;
    for (const auto& kabel : netz.Kabelliste)
        for (const TKomponente* ende : {kabel->GetA(), kabel->GetB()})
            if (ende == &s && static_cast<int>(ports.size()) < s.GetMaxPorts())
                ports.push_back(kabel.get());
    s.SetPorts(std::move(ports));
}

} // namespace

bool IstEinstellung(std::string_view kennung) {
    return kennung == Hub || kennung == Ports || kennung == Mail;
}

void SchreibeEinstellungen(const TNetz& netz, std::string& aus) {
    int i = 0;
    for (const auto& k : netz.Komponentenliste) {
        if (k->Art() == TArt::Switch) {
            const auto* s = Als<TSwitch>(k.get());
            if (s->Hub)
                Zeile(aus, Hub, i);
            if (s->GetMaxPorts() != Daten(TArt::Switch).Ports)
                Zeile(aus, Ports, i, s->GetMaxPorts());
        }
        if (const auto* c = Als<TComputer>(k.get()); c && c->IsMailserver())
            Zeile(aus, Mail, i);
        ++i;
    }
}

void WendeEinstellungenAn(const std::vector<std::string>& zeilen, TNetz& netz) {
    for (const std::string& zeile : zeilen) {
        const std::string_view kennung = std::string_view(zeile).substr(0, 5);
        const int index = Feld(zeile, 5);
        const std::size_t laenge = kennung == Ports ? 17 : 11;
        if (zeile.size() != laenge)
            throw Falsch(zeile);
        TKomponente* k = netz.Komponentenliste.Get(index);
        auto* s = k->Art() == TArt::Switch ? Als<TSwitch>(k) : nullptr;
        auto* c = Als<TComputer>(k);
        if (kennung == Hub && s) {
            s->Hub = true;
        } else if (kennung == Ports && s) {
            const int ports = Feld(zeile, 11);
            if (ports != 6 && ports != 24)
                throw Falsch(zeile);
            s->SetMaxPorts(ports);
            SteckeEin(*s, netz);
        } else if (kennung == Mail && c) {
            c->SetMailserver(true);
        } else {
            throw Falsch(zeile);
        }
    }
}

} // namespace verbundo

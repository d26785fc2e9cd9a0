#include "NetzDatei.h"

#include "../model/Fehler.h"
#include "../sim/Netz.h"
#include "AufgabeDatei.h"
#include "Einstellungen.h"

#include <cstdio>
#include <ostream>
#include <unordered_map>

namespace verbundo {

namespace {

// "%5d" gives exactly five characters only in this range; the reader takes exactly five.
constexpr int FeldMin = -9999;
constexpr int FeldMax = 99999;

EFehler Schreibfehler() {
    return EFehler("Stream write error");
}

void Pruefe(long long wert) {
    if (wert < FeldMin || wert > FeldMax)
        throw Schreibfehler();
}

void Feld(std::string& aus, int wert) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%5d", wert);
    aus += puffer;
}

void Geraete(const TNetz& netz, std::string& aus) {
    for (const auto& k : netz.Komponentenliste) {
        aus += k->GetTyp();
        aus += ',';
        Feld(aus, k->GetX());
        aus += ',';
        Feld(aus, k->GetY());
        aus += ',';
        aus += k->GetIPText();
        if (const auto* r = Als<TRouter>(k.get())) {
            aus += ',';
            aus += r->GetIP2Text();
        }
        aus += "\r\n";
    }
}

// Device positions by pointer: a linear scan per cable end would make big files quadratic.
std::vector<int> KabelEnden(const TNetz& netz) {
    std::unordered_map<const TKomponente*, int> position;
    position.reserve(static_cast<std::size_t>(netz.Komponentenliste.Count()));
    int i = 0;
    for (const auto& k : netz.Komponentenliste)
        position.emplace(k.get(), i++);
    std::vector<int> enden;
    enden.reserve(2 * static_cast<std::size_t>(netz.Kabelliste.Count()));
    for (const auto& kabel : netz.Kabelliste) {
        for (const TKomponente* ende : {kabel->GetA(), kabel->GetB()}) {
            const auto it = position.find(ende);
            // An end outside the device list has no index that would read back.
            if (it == position.end())
                throw Schreibfehler();
            Pruefe(it->second);
            enden.push_back(it->second);
        }
    }
    return enden;
}

void PruefeZahlen(const TNetz& netz) {
    for (const auto& k : netz.Komponentenliste) {
        Pruefe(k->GetX());
        Pruefe(k->GetY());
    }
    for (const auto& s : netz.Subnetzliste) {
        const TRect r = s->GetRect();
        Pruefe(r.Left);
        Pruefe(r.Top);
        Pruefe(r.Right);
        Pruefe(r.Bottom);
    }
}

} // namespace

std::string NetzdateiText(const TNetz& netz) {
    PruefeZahlen(netz);
    const std::vector<int> enden = KabelEnden(netz);
    std::string aus;
    aus.reserve(40 * static_cast<std::size_t>(netz.Komponentenliste.Count()) +
                19 * static_cast<std::size_t>(netz.Kabelliste.Count()) +
                64 * static_cast<std::size_t>(netz.Subnetzliste.Count()));
    Geraete(netz, aus);
    for (std::size_t i = 0; i < enden.size(); i += 2) {
        aus += "Kabel,";
        Feld(aus, enden[i]);
        aus += ',';
        Feld(aus, enden[i + 1]);
        aus += "\r\n";
    }
    for (const auto& s : netz.Subnetzliste) {
        const TRect r = s->GetRect();
        aus += "Netz ,";
        for (int wert : {r.Left, r.Top, r.Right, r.Bottom}) {
            Feld(aus, wert);
            aus += ',';
        }
        aus += s->GetNetzIDText();
        aus += ',';
        aus += s->GetMaskText();
        aus += "\r\n";
    }
    SchreibeEinstellungen(netz, aus);
    SchreibeAufgabe(netz, aus);
    return aus;
}

void SchreibeNetzdatei(const TNetz& netz, std::ostream& aus) {
    const std::string text = NetzdateiText(netz);
    if (!aus.write(text.data(), static_cast<std::streamsize>(text.size())) || !aus.flush())
        throw Schreibfehler();
}

} // namespace verbundo

#include "Sammelleinwand.h"

#include <algorithm>
#include <utility>

namespace verbundo {

namespace {

std::int32_t Rgb(TFarbe f) {
    return f.r << 16 | f.g << 8 | f.b;
}

} // namespace

TSammelleinwand::TSammelleinwand(TMesser messer) : Messer(std::move(messer)) {}

void TSammelleinwand::Beginne() {
    Codes.clear();
    Stand = {};
    SchriftName = "MS Sans Serif";
    SchriftPunkte = 8;
    SchriftNummer = -1;
    if (TexteWert.size() > MaxTexte) {
        TexteWert.clear();
        Nummern.clear();
        Breiten.clear(); // keyed by the fonts' numbers
        ++GenerationWert;
    }
}

void TSammelleinwand::Zug(TZug zug, std::initializer_list<std::int32_t> werte) {
    Codes.push_back(static_cast<std::int32_t>(zug));
    Codes.insert(Codes.end(), werte);
}

void TSammelleinwand::Setze(std::int32_t& wert, TZug zug, std::int32_t neu) {
    if (wert == neu)
        return;
    wert = neu;
    Zug(zug, {neu});
}

std::int32_t TSammelleinwand::Nummer(const std::string& text) {
    const auto [it, neu] = Nummern.try_emplace(text, static_cast<std::int32_t>(TexteWert.size()));
    if (neu)
        TexteWert.push_back(text);
    return it->second;
}

void TSammelleinwand::SetStiftFarbe(TFarbe farbe) {
    Setze(Stand.StiftFarbe, TZug::StiftFarbe, Rgb(farbe));
}

void TSammelleinwand::SetStiftBreite(int breite) {
    Setze(Stand.StiftBreite, TZug::StiftBreite, std::max(1, breite));
}

void TSammelleinwand::SetStiftStil(TStrich stil) {
    Setze(Stand.StiftStil, TZug::StiftStil, stil == TStrich::Gepunktet ? 1 : 0);
}

void TSammelleinwand::SetPinselFarbe(TFarbe farbe) {
    Setze(Stand.PinselFarbe, TZug::PinselFarbe, Rgb(farbe));
}

void TSammelleinwand::SetPinselStil(TPinsel stil) {
    Setze(Stand.PinselStil, TZug::PinselStil, stil == TPinsel::Leer ? 1 : 0);
}

void TSammelleinwand::SetSchrift(const std::string& name, int punkte) {
    if (name == SchriftName && punkte == SchriftPunkte && SchriftNummer >= 0)
        return;
    SchriftName = name;
    SchriftPunkte = punkte;
    SchriftNummer = Nummer(name + '/' + std::to_string(punkte));
    Zug(TZug::Schrift, {Nummer(name), punkte});
}

void TSammelleinwand::FuelleRechteck(int links, int oben, int rechts, int unten) {
    Zug(TZug::Fuelle, {links, oben, rechts, unten});
}

void TSammelleinwand::Rechteck(int links, int oben, int rechts, int unten) {
    Zug(TZug::Rechteck, {links, oben, rechts, unten});
}

void TSammelleinwand::Linie(int x1, int y1, int x2, int y2) {
    Zug(TZug::Linie, {x1, y1, x2, y2});
}

void TSammelleinwand::TextAus(int x, int y, const std::string& text) {
    Zug(TZug::Text, {x, y, Nummer(text)});
}

int TSammelleinwand::TextBreite(const std::string& text) {
    if (SchriftNummer < 0)
        SchriftNummer = Nummer(SchriftName + '/' + std::to_string(SchriftPunkte));
    std::string schluessel = std::to_string(SchriftNummer);
    schluessel += '\n';
    schluessel += text;
    const auto it = Breiten.find(schluessel);
    if (it != Breiten.end())
        return it->second;
    const int breite = Messer(SchriftName, SchriftPunkte, text);
    Breiten.emplace(std::move(schluessel), breite);
    return breite;
}

void TSammelleinwand::KopiereBild(TBild bild, int x, int y, int breite, int hoehe) {
    Zug(TZug::Bild, {static_cast<std::int32_t>(bild), x, y, breite, hoehe});
}

} // namespace verbundo

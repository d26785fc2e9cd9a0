#include "Komponente.h"

#include "Fehler.h"
#include "Kabel.h"
#include "RoutenIndex.h"

#include <algorithm>
#include <cstdlib>

namespace verbundo {

namespace {

constexpr TArtDaten ArtTabelle[] = {
    {'D', "Druck", TBild::Drucker, 1, 1},
    {'C', "Comp.", TBild::Computer, 1, 1},
    {'S', "Swit.", TBild::Switch, 6, 0},
    {'R', "Rout.", TBild::Router, 2, 2},
};

} // namespace

const TArtDaten& Daten(TArt art) {
    return ArtTabelle[static_cast<std::size_t>(art)];
}

std::shared_ptr<TKomponente> NeueKomponente(TArt art, int x, int y) {
    switch (art) {
    case TArt::Drucker:
        return std::make_shared<TDrucker>(x, y);
    case TArt::Computer:
        return std::make_shared<TComputer>(x, y);
    case TArt::Switch:
        return std::make_shared<TSwitch>(x, y);
    case TArt::Router:
        break;
    }
    return std::make_shared<TRouter>(x, y);
}

TKomponente::TKomponente(int x, int y, TArt art) : X(x), Y(y), MaxPorts(Daten(art).Ports) {}

TKomponente::~TKomponente() = default;

void TKomponente::SetIPText(const std::string& text) {
    TAdresse wert;
    if (StrToIP(text, wert))
        IP = wert;
}

TKabel* TKomponente::GetKabel(int index) const {
    if (index < 0 || index >= KabelCount())
        throw IndexFehler(index);
    return Kabel[static_cast<std::size_t>(index)];
}

void TKomponente::AddKabel(TKabel* kabel) {
    if (KabelCount() < MaxPorts)
        Kabel.push_back(kabel);
}

void TKomponente::RemoveKabel(TKabel* kabel) {
    const auto it = std::find(Kabel.begin(), Kabel.end(), kabel);
    if (it != Kabel.end())
        Kabel.erase(it);
}

void TKomponente::Zeichne(TLeinwand& canvas) const {
    canvas.KopiereBild(GetBild(), X - 16, Y - 16, 32, 32);
    const int texte = Daten(Art()).Beschriftet;
    if (texte == 0)
        return;
    // The font stays set on the canvas: the subnet labels drawn later use it.
    canvas.SetSchrift("Arial Narrow", 8);
    ZeichneText(canvas, GetIPText(), 20);
    if (const auto* r = Als<TRouter>(this); r && texte > 1)
        ZeichneText(canvas, r->GetIP2Text(), 32);
}

void TKomponente::ZeichneText(TLeinwand& canvas, const std::string& text, int dy) const {
    // C++ division truncates toward zero, as the placement expects for odd widths.
    const int w = canvas.TextBreite(text);
    canvas.TextAus(X - w / 2, Y + dy, text);
}

TKabel* TDrucker::NaechstesKabel(const TKomponente&) const {
    return Kabel.empty() ? nullptr : Kabel.front();
}

void TDrucker::Empfange(const TNachricht&, TMelder* melder) const {
    if (melder)
        melder->Melde(*this, Notiz());
}

TKabel* TRoutingList::FindeKabel(TAdresse adresse) const {
    if (Index) {
        const auto p = static_cast<std::size_t>(Index->Position(adresse, IndexKnoten));
        return p < Routen.size() ? Routen[p].Kabel.lock().get() : nullptr;
    }
    for (auto it = Routen.rbegin(); it != Routen.rend(); ++it)
        if (it->Ziel == adresse)
            return it->Kabel.lock().get();
    return nullptr;
}

void TRoutingList::Kuerze(int anzahl) {
    Index.reset();
    if (anzahl >= 0 && static_cast<std::size_t>(anzahl) < Routen.size())
        Routen.erase(Routen.begin() + anzahl, Routen.end());
}

TKabel* TSwitch::NaechstesKabel(const TKomponente& ziel) const {
    return Routingtabelle.FindeKabel(ziel.GetIP());
}

void TRouter::SetIP2Text(const std::string& text) {
    TAdresse wert;
    if (StrToIP(text, wert))
        IP2 = wert;
}

TKomponente* TKompList::FindeIP(const std::string& text) const {
    return FindeLetztes([&](const TKomponente& k) { return k.HatAdresse(text); });
}

TKomponente* TKompList::FindeBei(int x, int y) const {
    return FindeLetztes([&](const TKomponente& k) {
        return std::abs(static_cast<long long>(x) - k.GetX()) < 16 &&
               std::abs(static_cast<long long>(y) - k.GetY()) < 16;
    });
}

} // namespace verbundo

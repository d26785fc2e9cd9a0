#include "Komponente.h"

#include "Fehler.h"
#include "Kabel.h"
#include "RoutenIndex.h"

#include <algorithm>
#include <cstdlib>

namespace verbundo {

TKomponente::TKomponente(int x, int y) : X(x), Y(y) {}

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
}

void TKomponente::ZeichneText(TLeinwand& canvas, const std::string& text, int dy) const {
    // C++ division truncates toward zero, as the placement expects for odd widths.
    const int w = canvas.TextBreite(text);
    canvas.TextAus(X - w / 2, Y + dy, text);
}

TDrucker::TDrucker(int x, int y) : TKomponente(x, y) {
    MaxPorts = 1;
}

TKabel* TDrucker::NaechstesKabel(const TKomponente&) const {
    return Kabel.empty() ? nullptr : Kabel.front();
}

void TDrucker::Zeichne(TLeinwand& canvas) const {
    TKomponente::Zeichne(canvas);
    canvas.SetSchrift("Arial Narrow", 8);
    ZeichneText(canvas, GetIPText(), 20);
}

void TDrucker::Empfange(const TNachricht&, TMelder* melder) const {
    if (melder)
        melder->Melde(*this, Notiz());
}

TComputer::TComputer(int x, int y) : TDrucker(x, y) {}

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

TSwitch::TSwitch(int x, int y) : TKomponente(x, y) {
    MaxPorts = 6;
}

TKabel* TSwitch::NaechstesKabel(const TKomponente& ziel) const {
    return Routingtabelle.FindeKabel(ziel.GetIP());
}

TRouter::TRouter(int x, int y) : TSwitch(x, y) {
    MaxPorts = 2;
}

void TRouter::Zeichne(TLeinwand& canvas) const {
    TKomponente::Zeichne(canvas);
    canvas.SetSchrift("Arial Narrow", 8);
    ZeichneText(canvas, GetIPText(), 20);
    ZeichneText(canvas, GetIP2Text(), 32);
}

void TRouter::SetIP2Text(const std::string& text) {
    TAdresse wert;
    if (StrToIP(text, wert))
        IP2 = wert;
}

TKomponente* TKompList::GetKomponente(int index) const {
    return GetZeiger(index).get();
}

const TKompList::Zeiger& TKompList::GetZeiger(int index) const {
    if (index < 0 || index >= Count())
        throw IndexFehler(index);
    return Liste[static_cast<std::size_t>(index)];
}

int TKompList::IndexVon(const TKomponente* k) const {
    for (int i = 0; i < Count(); ++i)
        if (Liste[static_cast<std::size_t>(i)].get() == k)
            return i;
    return -1;
}

TKompList::Zeiger TKompList::Remove(const TKomponente* k) {
    const auto it =
        std::find_if(Liste.begin(), Liste.end(), [&](const Zeiger& z) { return z.get() == k; });
    if (it == Liste.end())
        return nullptr;
    Zeiger weg = std::move(*it);
    Liste.erase(it);
    return weg;
}

TKomponente* TKompList::FindeIP(const std::string& text) const {
    TKomponente* treffer = nullptr;
    for (const auto& k : Liste) {
        bool gleich = k->GetIPText() == text;
        if (const auto* r = dynamic_cast<const TRouter*>(k.get()))
            gleich = gleich || r->GetIP2Text() == text;
        if (gleich)
            treffer = k.get();
    }
    return treffer;
}

TKomponente* TKompList::FindeBei(int x, int y) const {
    TKomponente* treffer = nullptr;
    for (const auto& k : Liste)
        if (std::abs(static_cast<long long>(x) - k->GetX()) < 16 &&
            std::abs(static_cast<long long>(y) - k->GetY()) < 16)
            treffer = k.get();
    return treffer;
}

} // namespace verbundo

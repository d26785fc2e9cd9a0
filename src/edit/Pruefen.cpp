// The configuration test in the editor: its findings, and a chosen one shown on the canvas.

#include "Editor.h"

namespace verbundo {

const TErklaerung& TEditor::Pruefe() {
    Veraendert(); // the old marks go
    Markierung = {};
    Markierung.Erklaerung = ErklaerePruefung(NetzWert, ErklaerteBefunde);
    Markierung.Stand = StandWert;
    return Markierung.Erklaerung;
}

std::optional<TPunkt> TEditor::ZeigeBefund(std::size_t nr) {
    const auto& befunde = Markierung.Erklaerung.Befunde;
    if (Markierung.Stand != StandWert || nr >= befunde.size())
        return std::nullopt;
    const TBefund& b = befunde[nr];
    const auto& geraete = NetzWert.Komponentenliste;
    const auto& subnetze = NetzWert.Subnetzliste;
    std::vector<std::weak_ptr<TKomponente>> markiert;
    for (int i : b.Geraete)
        markiert.push_back(geraete.GetZeiger(i));
    const auto subnetz = b.Subnetz >= 0 ? subnetze.GetZeiger(b.Subnetz) : nullptr;
    TPunkt mitte;
    if (!b.Geraete.empty()) {
        TKomponente* k = geraete.Get(b.Geraete.front());
        Waehle(k);
        mitte = {k->GetX(), k->GetY()};
    } else if (subnetz) {
        Waehle(subnetz.get());
        const TRect r = subnetz->GetRect();
        mitte = {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    Markierung.Geraete = std::move(markiert);
    Markierung.Subnetz = subnetz;
    Markierung.Stand = StandWert;
    return mitte;
}

} // namespace verbundo

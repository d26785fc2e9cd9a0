#include "Subnetz.h"

#include "Komponente.h"
#include "Leinwand.h"

namespace verbundo {

TSubnet::TSubnet(TRect rect) : Rect(rect) {
    if (Rect.Right - Rect.Left < MinBreite)
        Rect.Right = Rect.Left + MinBreite;
    if (Rect.Bottom - Rect.Top < MinHoehe)
        Rect.Bottom = Rect.Top + MinHoehe;
}

void TSubnet::SetNetzIDText(const std::string& text) {
    TAdresse wert;
    if (StrToIP(text, wert))
        NetzID = wert;
}

void TSubnet::SetMaskText(const std::string& text) {
    TAdresse wert;
    if (StrToIP(text, wert))
        Mask = wert;
}

void TSubnet::Zeichne(TLeinwand& canvas) const {
    canvas.SetPinselStil(TPinsel::Leer);
    canvas.SetStiftBreite(1);
    canvas.SetStiftStil(TStrich::Gepunktet);
    canvas.Rechteck(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    canvas.SetStiftStil(TStrich::Durchgezogen);
    canvas.SetPinselStil(TPinsel::Voll);
    const int w = canvas.TextBreite("Subnetmask:");
    canvas.TextAus(Rect.Left + 2, Rect.Top - 6, "Netz-Id:");
    canvas.TextAus(Rect.Left + 2, Rect.Top + 6, "Subnetmask:");
    canvas.TextAus(Rect.Left + w + 4, Rect.Top - 6, GetNetzIDText());
    canvas.TextAus(Rect.Left + w + 4, Rect.Top + 6, GetMaskText());
}

bool TSubnet::Passt(const TKomponente& k) const {
    const bool innen = Rect.Left <= k.GetX() && k.GetX() <= Rect.Right && Rect.Top <= k.GetY() &&
                       k.GetY() <= Rect.Bottom;
    bool treffer = (k.GetIP() & Mask) == NetzID;
    if (const auto* router = Als<TRouter>(&k))
        treffer = treffer || (router->GetIP2() & Mask) == NetzID;
    return innen ? treffer : !treffer;
}

} // namespace verbundo

// The letters of a task's given devices on the canvas: the checks name devices by them.

#include "../diag/Aufgabe.h"
#include "../model/Leinwand.h"
#include "../sim/Netz.h"
#include "Bild.h"

namespace verbundo {

void ZeichneVorgaben(TLeinwand& c, const TNetz& netz) {
    if (!netz.Aufgabe)
        return;
    c.SetSchrift("Arial", 8);
    c.SetPinselFarbe(clWeiss);
    c.SetPinselStil(TPinsel::Voll);
    c.SetStiftFarbe(TFarbe{128, 0, 128});
    c.SetStiftBreite(1);
    c.SetStiftStil(TStrich::Durchgezogen);
    int i = 0;
    for (const auto& k : netz.Aufgabe->Vorgegeben) {
        const std::string text = Kennbuchstaben(i++);
        if (k->IstEntfernt())
            continue;
        // Top right of the icon, clear of the address texts below it.
        const int x = k->GetX() + 16, y = k->GetY() - 30;
        c.Rechteck(x, y, x + c.TextBreite(text) + 6, y + 15);
        c.TextAus(x + 3, y + 1, text);
    }
}

} // namespace verbundo

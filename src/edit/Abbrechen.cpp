// Escape during a gesture.

#include "Editor.h"

#include <utility>

namespace verbundo {

TReaktion TEditor::Abbrechen() {
    // Escape also ends the picking of a new check's devices.
    if (ModusWert == TModus::Leerlauf && AufgabenWert.Waehlt()) {
        AufgabenWert.BrichAb();
        return {true, false};
    }
    if (!Gedrueckt)
        return {};
    if (ModusWert == TModus::Verschieben) {
        if (TKomponente* k = AktKomponente())
            k->SetPos(GeraetVorher.x, GeraetVorher.y);
    } else if (IstSubnetzzug(ModusWert)) {
        if (TSubnet* s = AktSubnetz())
            s->SetRect(SubnetzVorher);
    }
    // A cable or subnet being drawn exists only as the gesture: ending it drops it.
    ModusWert = TModus::Leerlauf;
    Abgebrochen = true;
    // The drag's step ends here, with nothing changed, so it leaves no step behind.
    if (std::exchange(ZugOffen, false))
        Sicher([&] { Beende(); });
    Veraendert();
    return {true, false};
}

} // namespace verbundo

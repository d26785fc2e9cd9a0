// Escape during a gesture.

#include "Editor.h"

namespace verbundo {

TReaktion TEditor::Abbrechen() {
    if (!Gedrueckt)
        return {};
    if (ModusWert == 1) {
        if (TKomponente* k = AktKomponente())
            k->SetPos(GeraetVorher.x, GeraetVorher.y);
    } else if (ModusWert >= 10 && ModusWert <= 14) {
        if (TSubnet* s = AktSubnetz())
            s->SetRect(SubnetzVorher);
    }
    // A cable or subnet being drawn exists only as the gesture: ending it drops it.
    ModusWert = 0;
    Abgebrochen = true;
    Veraendert();
    return {true, false};
}

} // namespace verbundo

#include "Zeichenstand.h"

#include "Editor.h"

namespace verbundo {

void TZeichenstand::Gezeichnet(const TEditor& e) {
    Stand = e.Stand();
    MitNachrichten = e.Netz().Nachrichtenliste.Count() > 0;
}

bool TZeichenstand::Veraltet(const TEditor& e) const {
    return e.Stand() != Stand || MitNachrichten || e.Netz().Nachrichtenliste.Count() > 0;
}

} // namespace verbundo

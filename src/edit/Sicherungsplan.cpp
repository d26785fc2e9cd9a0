#include "Sicherungsplan.h"

#include <algorithm>

namespace verbundo {

TSicherungsplan::TEntscheid TSicherungsplan::Geaendert(bool ungespeichert, long long jetzt) {
    if (!ungespeichert) {
        Geplant = false;
        return {TTun::Entfernen, 0};
    }
    if (Geplant)
        return {};
    Geplant = true;
    const long long warte = Zuletzt ? *Zuletzt + Abstand - jetzt : Kurz;
    return {TTun::Planen, std::clamp(warte, Kurz, Abstand)};
}

bool TSicherungsplan::Faellig(bool ungespeichert, long long jetzt) {
    Geplant = false;
    if (!ungespeichert)
        return false;
    Zuletzt = jetzt;
    return true;
}

} // namespace verbundo

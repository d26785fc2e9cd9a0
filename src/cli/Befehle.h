#pragma once

#include "Aufruf.h"

#include <iosfwd>

namespace verbundo {
class TNetz;
class TKomponente;
} // namespace verbundo

namespace verbundo::cli {

// Each returns the exit status. A file that cannot be loaded or written raises EFehler (the
// caller reports it for the first file); a wrong device raises EAufruf. pruefen reports its
// unreadable files itself and goes on.
int Pruefen(const TAufruf& aufruf, std::ostream& aus);
int Routen(const TAufruf& aufruf, std::ostream& aus);
int Anzeige(const TAufruf& aufruf, std::ostream& aus);
int Ausgeben(const TAufruf& aufruf, std::ostream& aus);
int Senden(const TAufruf& aufruf, std::ostream& aus, std::ostream& fehler);
// bewerten reports its unreadable learners' files itself; only the task file raises.
int Bewerten(const TAufruf& aufruf, std::ostream& aus);

// The device at the position given as text; raises EAufruf when there is none.
TKomponente& Geraet(const TNetz& netz, const std::string& nummer);

} // namespace verbundo::cli

#pragma once

#include <string>

namespace verbundo {

class TNetz;

// Counts the addressing errors: faulty subnets, duplicate addresses, devices whose addresses
// disagree with the subnet rectangles they stand in or outside. Counted in 64 bits: tens of
// thousands of unaddressed devices give more duplicate pairs than 32 bits hold.
long long ZaehleKonfigurationsfehler(const TNetz& netz);
// "Alle Ip-Adressen sind korrekt eingestellt." or "Es sind noch N Fehler vorhanden."
std::string Pruefbericht(long long fehler);

} // namespace verbundo

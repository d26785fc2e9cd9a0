#pragma once

#include <string>

namespace verbundo {

class TNetz;

// Counts the addressing errors: faulty subnets, duplicate addresses, devices whose addresses
// disagree with the subnet rectangles they stand in or outside.
int ZaehleKonfigurationsfehler(const TNetz& netz);
// "Alle Ip-Adressen sind korrekt eingestellt." or "Es sind noch N Fehler vorhanden."
std::string Pruefbericht(int fehler);

} // namespace verbundo

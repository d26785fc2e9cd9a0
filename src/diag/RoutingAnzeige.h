#pragma once

#include <string>
#include <vector>

namespace verbundo {

class TNetz;
class TKomponente;

// The lines of the routing-table display for the current device (none: an empty display),
// in the list box's order: ascending, case-insensitive, equal lines all kept.
std::vector<std::string> RoutingAnzeige(const TNetz& netz, const TKomponente* aktuell);

// Inserts a line where a sorted, case-insensitive list box would put it (after equal lines).
void SortiertEinfuegen(std::vector<std::string>& zeilen, const std::string& zeile);

} // namespace verbundo

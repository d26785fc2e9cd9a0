#pragma once

namespace verbundo {

class TKompList;
class TKabelList;
class TSwitch;

// Fills the switch's table by the shortest drawn cable length from it (the switch need not be
// listed).
void BerechneRouting(TSwitch& s, const TKompList& komponenten, const TKabelList& kabel);

// Recomputes the table of every switch and router, in device-list order. The editor, the file
// commands and the command-line tool all go through this one function. The graph is built
// once for all of them; every table comes out route for route as the plain search (n passes
// over all cables and all devices, ties to the earlier device) would make it.
void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel);

} // namespace verbundo

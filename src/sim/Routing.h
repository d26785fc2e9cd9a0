#pragma once

namespace verbundo {

class TKompList;
class TKabelList;
class TSwitch;

// Fills the switch's table by the shortest drawn cable length from it (the switch need not be
// listed).
void BerechneRouting(TSwitch& s, const TKompList& komponenten, const TKabelList& kabel);

// More routes than this in all tables together (about 1.5 GB) are refused. A class's network
// needs a few thousand; 50 000 devices behind 1 000 switches need 50 million.
constexpr long long MaxRouten = 64'000'000;

// Recomputes the table of every switch and router, in device-list order. The editor, the file
// commands and the command-line tool all go through this one function. The graph is built
// once for all of them; every table comes out route for route as the plain search (n passes
// over all cables and all devices, ties to the earlier device) would make it.
// All or nothing: a network whose tables would hold more than MaxRouten routes raises EFehler
// with a German text, and running out of memory raises std::bad_alloc, both before any table
// has changed.
void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel);

} // namespace verbundo

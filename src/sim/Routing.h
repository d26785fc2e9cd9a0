#pragma once

namespace verbundo {

class TKompList;
class TKabelList;
class TSwitch;

// Recomputes the table of every switch and router, in device-list order. The editor, the file
// commands and the command-line tool all go through this one function. The graph is built
// once for all of them; every table comes out route for route as the plain search (n passes
// over all cables and all devices) would make it. The working fields of the devices are
// those of the last switch's search.
void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel);

} // namespace verbundo

#pragma once

namespace verbundo {

class TKompList;
class TKabelList;
class TSwitch;

// Recomputes the table of every switch and router, in device-list order. The editor, the file
// commands and the command-line tool all go through this one function.
void BerechneAlleRoutingtabellen(const TKompList& komponenten, const TKabelList& kabel);

} // namespace verbundo

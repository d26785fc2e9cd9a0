#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace verbundo {

class TNetz;

// Device settings that the plain records cannot hold (a switch's hub mode and 24 ports, a
// computer's mail server) travel in lines after all records. Such a line holds no upper-case
// C, D, K, N, R or S: a reader that knows only the records takes 5 characters, finds none of
// those letters first, skips one more and so goes through the rest of the file 6 characters
// at a time without creating anything, wherever its 6-character steps begin.
//
//   #hub ,    3       device 3 of the file is a switch in hub mode
//   #port,    3,   24 device 3 of the file is a switch with 24 ports
//   #mail,    4       device 4 of the file is a computer running as mail server

// Whether a record's first five characters start a settings line.
bool IstEinstellung(std::string_view kennung);

// Appends one line per setting that differs from a new device's; none for a plain network.
void SchreibeEinstellungen(const TNetz& netz, std::string& aus);

// Applies the lines (each without its CR LF) to the devices of netz, the network read from
// the same file, and plugs in the cables a switch with more ports can now take. Raises
// EFehler for a malformed line, a device index outside netz or a device of the wrong kind.
void WendeEinstellungenAn(const std::vector<std::string>& zeilen, TNetz& netz);

// Reads as a reader that does not know settings lines would: they create nothing.
void LeseOhneEinstellungen(std::istream& ein, TNetz& netz);

} // namespace verbundo

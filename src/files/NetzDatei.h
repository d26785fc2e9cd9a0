#pragma once

#include <iosfwd>
#include <string>

namespace verbundo {

class TNetz;

// Writes devices, then cables, then subnets as CR LF records with "%5d" number fields.
// Raises EFehler("Stream write error") instead of writing a number that would not fit its
// 5-character field (a file that could not be read back), and on a failing stream.
void SchreibeNetzdatei(const TNetz& netz, std::ostream& aus);
// The same bytes as a string.
std::string NetzdateiText(const TNetz& netz);

// Reads records into netz, which the caller passes empty; the caller takes the result only
// when this returns. Raises EFehler with "'%s' is not a valid integer value" or
// "List index out of bounds (%d)". Does not compute routing tables.
void LeseNetzdatei(std::istream& ein, TNetz& netz);

// Opens the file and reads it into a fresh network, then computes all routing tables: what
// "Öffnen" loads. Raises EFehler("Cannot open file <pfad>") or the reader's errors.
TNetz LadeNetzdatei(const std::string& pfad);

} // namespace verbundo

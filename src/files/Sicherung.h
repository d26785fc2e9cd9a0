#pragma once

#include "../sim/Netz.h"

#include <optional>
#include <string>

namespace verbundo {

// The recovery copy of unsaved work: the network as "Speichern" writes it, then one line that
// names the file the work belongs to, "#datei," followed by the bytes of its name as lower-case
// hex digits and CR LF, nothing after the comma for work that has no file yet. The line holds
// no upper-case letter at all: whatever the name, a records-only reader steps over it without
// creating anything, and no name can make a device or cut the network short.
std::string SicherungsText(const TNetz& netz, const std::optional<std::string>& datei);

struct TSicherung {
    TNetz Netz; // read as "Öffnen" reads a file, with its routing tables
    std::optional<std::string> Datei;
};

// Reads a recovery copy: all or nothing, routing tables computed. Raises EFehler with a German
// text (the place in the copy for a record that cannot be read) when the network cannot be
// read or its tables made, or when the last line is not a file line that reads back.
TSicherung LiesSicherung(const std::string& text);
// The same from a file, read as "Öffnen" reads one: a regular file of at most
// MaxDateigroesse bytes, checked before anything is read.
TSicherung OeffneSicherung(const std::string& pfad);

} // namespace verbundo

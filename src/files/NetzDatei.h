#pragma once

#include "../model/Fehler.h"

#include <cstdint>
#include <iosfwd>
#include <string>

namespace verbundo {

class TNetz;
class TKompList;

// Writes devices, then cables, then subnets as CR LF records with "%5d" number fields.
// Raises EFehler("Stream write error") before writing anything when a number would not fit its
// 5-character field (a file that could not be read back), and on a failing stream.
void SchreibeNetzdatei(const TNetz& netz, std::ostream& aus);
// The same bytes as a string; raises the same error for a number that does not fit.
std::string NetzdateiText(const TNetz& netz);

// A place in a file: line and column, both from 1, the column in characters (bytes).
struct TLesestelle {
    long long Zeile = 1, Spalte = 1;
};

// A reader's error with the place of the field it is about; the text is the reader's own.
class ELesefehler : public EFehler {
public:
    ELesefehler(const std::string& text, TLesestelle stelle) : EFehler(text), Stelle(stelle) {}
    TLesestelle Stelle;
};

// "Die Datei „<name>“ konnte nicht gelesen werden (Zeile L, Spalte C):", a line break (CR)
// and the reader's text.
std::string Lesefehlertext(const std::string& pfad, const ELesefehler& e);

// Larger files are refused unread: a classroom network takes a few kilobytes.
constexpr std::uint64_t MaxDateigroesse = std::uint64_t{64} << 20;

// Reads the stream into a network of its own and, only when every record was read, appends
// that network to netz; on an error netz (and vorhanden) stay exactly as they were.
// Cable indices count from Base = the number of devices in vorhanden (none: Base 0): an index
// below Base names a device of vorhanden (the add button joins new cables to devices already
// drawn), the others name the file's own devices. vorhanden may be &netz.Komponentenliste.
// Raises ELesefehler with "'%s' is not a valid integer value", "List index out of bounds (%d)"
// or DateiZuGross beyond MaxDateigroesse bytes. Does not compute routing tables.
void LeseNetzdatei(std::istream& ein, TNetz& netz, const TKompList* vorhanden = nullptr);

// Reads the regular file pfad (checked without blocking, see DateiQuelle) into a fresh
// network, as LeseNetzdatei does. Raises "Cannot open file <pfad>" and the reader's errors.
TNetz OeffneNetzdatei(const std::string& pfad, const TKompList* vorhanden = nullptr);

// OeffneNetzdatei, then all routing tables: what the command-line tool loads.
TNetz LadeNetzdatei(const std::string& pfad);

// "Öffnen" (hinzufuegen false: the file's network replaces netz, messages included) and the
// add button (it is appended). Reads the file and computes the routing tables of the result
// before netz is given up: on any failure, out of memory included, netz is exactly as it was.
void LadeInNetz(const std::string& pfad, TNetz& netz, bool hinzufuegen);

} // namespace verbundo

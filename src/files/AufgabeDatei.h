#pragma once

#include "../diag/Aufgabe.h"
#include "NetzDatei.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verbundo {

// A task travels in lines after all records and settings lines, which, like those, hold no
// upper-case C, D, K, N, R or S and no "#" but the first: a reader that knows only the records
// steps through them 6 characters at a time and creates nothing; one that knows the settings
// lines finds none of their tags. Numbers are "%5d", devices their index in the file.
//
//   #aufg,<text>                          the text, percent-encoded (below)
//   #vorg,    0,    3                     the given devices, in file order
//   #pkt ,    2,erreicht,    0,    3      points, kind, what it needs:
//              fehlerfrei[,<net>]  erreicht,<from>,<to>  adresse,<device>,<address or net>
//              [,<1 or 2: a router's first or second address>]  verbunden,<device>,<device>
//              anzahl,<computer|drucker|switch|router>,<at least>
//
// The text is UTF-8 in which "%", "#", every control character (line breaks included) and the
// letters C, D, K, N, R and S are written as "%" and two lower-case hex digits: "%53ubnetz"
// for "Subnetz". Everything else, umlauts included, stays as it is, so the line stays
// readable. A net is "192.168.1.0/24" (or "/255.255.255.0"), an exact address "192.168.1.10".

bool IstAufgabenzeile(std::string_view kennung);
// The longest line a task can need: its text at four bytes a character.
inline constexpr std::size_t MaxAufgabenzeile = 6 + 4 * aufgabe::MaxZeichen;

std::string KodiereText(std::string_view text);
// Raises EFehler with a German text when the text is too long, not UTF-8, or holds a control
// character other than a line break or a tab.
void PruefeAufgabentext(std::string_view text);

// Appends the task's lines; none when the network has no task. Raises "Stream write error"
// for a given device that is not in the device list (no index would read back).
void SchreibeAufgabe(const TNetz& netz, std::string& aus);

// The task of a file from its lines (each without its CR LF, with where it begins), for the
// devices of netz, the network read from that file. Raises ELesefehler at the field that is
// wrong: malformed lines, a device that is missing or not given, points out of bounds.
std::shared_ptr<const TAufgabe>
LeseAufgabe(const std::vector<std::pair<std::string, TLesestelle>>& zeilen, const TNetz& netz);

// The network as saving and opening it would give it, routing tables computed: what the
// learner hands in, and so what a task's checks are evaluated on.
TNetz WieGespeichert(const TNetz& netz);

} // namespace verbundo

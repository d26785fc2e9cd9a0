#pragma once

#include <cstddef>
#include <exception>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace verbundo {

// The one error type of the program. Its text is exactly what the user sees in the error box,
// so every place that raises it formats the final German or English message itself.
class EFehler : public std::runtime_error {
public:
    explicit EFehler(const std::string& text) : std::runtime_error(text) {}
};

// Length of the valid UTF-8 sequence at the start of t (no overlong forms, no surrogates,
// nothing beyond U+10FFFF), 0 if there is none.
std::size_t Utf8Laenge(std::string_view t);

// A text from outside (a file, a path) as an error may quote it: at most hoechstens
// characters, then "…"; a NUL byte as \0, line break, carriage return and tab as \n, \r, \t,
// every other control character and each byte that is not part of valid UTF-8 as \xHH. The
// result is valid UTF-8 on one line: it never hides behind a NUL, never floods a message box
// and cannot move a terminal's cursor or colour its text.
std::string Sichtbar(std::string_view text,
                     std::size_t hoechstens = std::numeric_limits<std::size_t>::max());

// "'%s' is not a valid integer value", quoting at most the first 100 characters.
EFehler KeineGanzzahl(std::string_view feld);
// "List index out of bounds (%d)"
EFehler IndexFehler(long long index);
// "Cannot open file %s"
EFehler OeffnenFehler(std::string_view pfad);

// What the user is told about any failure of a command: an EFehler's own text, a German text
// for exhausted memory or for anything else.
std::string Fehlertext(const std::exception& e);
// The same for something that is not even a std::exception.
std::string Fehlertext();

} // namespace verbundo

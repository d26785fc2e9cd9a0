#include "Fehler.h"

#include <algorithm>
#include <new>

namespace verbundo {

std::size_t Utf8Laenge(std::string_view t) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    const unsigned char c = b(0);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned char min = 0x80, max = 0xBF; // range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        min = c == 0xE0 ? 0xA0 : 0x80; // no overlong forms
        max = c == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        min = c == 0xF0 ? 0x90 : 0x80;
        max = c == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else
        return 0;
    if (t.size() < n || b(1) < min || b(1) > max)
        return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    return n;
}

namespace {

void Hex(std::string& aus, unsigned char c) {
    static const char ziffern[] = "0123456789abcdef";
    aus += "\\x";
    aus += ziffern[c >> 4];
    aus += ziffern[c & 15];
}

} // namespace

std::string Sichtbar(std::string_view text, std::size_t hoechstens) {
    std::string aus;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++zeichen) {
        if (zeichen == hoechstens) {
            aus += "…";
            break;
        }
        const std::size_t n = Utf8Laenge(text.substr(i));
        const auto c = static_cast<unsigned char>(text[i]);
        // C1 controls (U+0080 to U+009F) are valid UTF-8, but a terminal may obey them.
        const bool steuerzeichen =
            c < 0x20 || c == 0x7F ||
            (n == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0);
        if (c == '\0')
            aus += "\\0";
        else if (c == '\n')
            aus += "\\n";
        else if (c == '\r')
            aus += "\\r";
        else if (c == '\t')
            aus += "\\t";
        else if (n == 0 || steuerzeichen)
            for (std::size_t k = 0; k < std::max<std::size_t>(n, 1); ++k)
                Hex(aus, static_cast<unsigned char>(text[i + k]));
        else
            aus.append(text.substr(i, n));
        i += n == 0 ? 1 : n;
    }
    return aus;
}

EFehler KeineGanzzahl(std::string_view feld) {
    std::string text = "'";
    text += Sichtbar(feld, 100);
    text += "' is not a valid integer value";
    return EFehler(text);
}

EFehler IndexFehler(long long index) {
    return EFehler("List index out of bounds (" + std::to_string(index) + ")");
}

EFehler OeffnenFehler(std::string_view pfad) {
    return EFehler("Cannot open file " + Sichtbar(pfad));
}

std::string Fehlertext(const std::exception& e) {
    if (dynamic_cast<const EFehler*>(&e))
        return e.what();
    if (dynamic_cast<const std::bad_alloc*>(&e) || dynamic_cast<const std::length_error*>(&e))
        return "Nicht genug Arbeitsspeicher; der Vorgang wurde abgebrochen.";
    return "Unerwarteter Fehler (" + Sichtbar(e.what(), 100) + "); der Vorgang wurde abgebrochen.";
}

std::string Fehlertext() {
    return "Unerwarteter Fehler; der Vorgang wurde abgebrochen.";
}

} // namespace verbundo

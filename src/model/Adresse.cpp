#include "Adresse.h"

#include "Fehler.h"

namespace verbundo {

std::string IPToStr(TAdresse wert) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        text.insert(0, std::to_string(wert & 0xFFu) + ".");
        wert >>= 8;
    }
    text.pop_back();
    return text;
}

namespace {

int HexZiffer(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::int32_t StrToInt(std::string_view text) {
    const auto fehler = [&] { return KeineGanzzahl(text); };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        throw fehler();
    // Decimal must fit the signed range; hex may use all 32 bits, as the address sum wraps
    // modulo 2^32 anyway.
    const std::uint64_t grenze = hex ? 0xFFFFFFFFull : (negativ ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t betrag = 0;
    for (; i < text.size(); ++i) {
        const int z =
            hex ? HexZiffer(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (z < 0)
            throw fehler();
        betrag = betrag * (hex ? 16 : 10) + static_cast<std::uint64_t>(z);
        if (betrag > grenze)
            throw fehler();
    }
    const auto bits = static_cast<std::uint32_t>(betrag);
    return static_cast<std::int32_t>(negativ ? 0u - bits : bits);
}

bool StrToIP(std::string_view text, TAdresse& wert) {
    wert = 0;
    std::uint32_t summe = 0;
    int felder = 0;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '.') {
            const auto feld = static_cast<std::uint32_t>(StrToInt(text.substr(anfang, i - anfang)));
            summe = feld + (summe << 8);
            ++felder;
            anfang = i + 1;
        }
    }
    if (felder != 4)
        return false;
    wert = summe;
    return true;
}

} // namespace verbundo

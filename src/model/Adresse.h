#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace verbundo {

using TAdresse = std::uint32_t;

// Dotted decimal, most significant byte first; 0 is "0.0.0.0".
std::string IPToStr(TAdresse wert);

// True when the text has exactly four fields; wert is then the address. Fields are not limited
// to 0..255: they are summed with 8-bit shifts modulo 2^32, so 1.2.3.256 equals 1.2.4.0.
// A field that is no integer raises EFehler naming that field; wert is 0 on every other result.
bool StrToIP(std::string_view text, TAdresse& wert);

// Text to signed 32-bit integer: leading blanks, optional sign, decimal digits or hex digits
// after "$", "x" or "0x". Anything else, or a value outside 32 bits, raises EFehler.
std::int32_t StrToInt(std::string_view text);

} // namespace verbundo

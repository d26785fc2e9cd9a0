#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace verbundo::fuzz {

// A broken promise of the code under test; the fuzz targets let it escape and crash.
class EVerletzt : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Reads the bytes as a network file; when that succeeds: routing, writing, reading the written
// text back (which must succeed and write the same bytes), the configuration test and the
// routing display from the first device. Raises EVerletzt when a promise is broken.
void LeserEintritt(const std::uint8_t* daten, std::size_t groesse);

// StrToIP on the bytes; a converted address must survive IPToStr and StrToIP unchanged.
void IPEintritt(const std::uint8_t* daten, std::size_t groesse);

} // namespace verbundo::fuzz

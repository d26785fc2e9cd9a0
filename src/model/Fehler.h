#pragma once

#include <stdexcept>
#include <string>

namespace verbundo {

// The one error type of the program. Its text is exactly what the user sees in the error box,
// so every place that raises it formats the final German or English message itself.
class EFehler : public std::runtime_error {
public:
    explicit EFehler(const std::string& text) : std::runtime_error(text) {}
};

// "'%s' is not a valid integer value"
EFehler KeineGanzzahl(const std::string& feld);
// "List index out of bounds (%d)"
EFehler IndexFehler(long long index);

} // namespace verbundo

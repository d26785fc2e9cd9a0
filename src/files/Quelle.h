#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

namespace verbundo {

class EFehler;

// Where the reader takes its bytes from, a block at a time.
class TQuelle {
public:
    virtual ~TQuelle() = default;
    // Up to n bytes into ziel; 0 only at the end. Raises EFehler when reading fails.
    virtual std::size_t Lies(char* ziel, std::size_t n) = 0;
};

// The stream's buffer, read as it is (its state flags are not looked at).
std::unique_ptr<TQuelle> StromQuelle(std::istream& ein);

// Opens pfad if it is a regular file of at most grenze bytes. The type is checked on the
// opened file before anything is read, and opening does not wait: a FIFO, a device, a socket
// or a folder gives "Cannot open file %s" at once, as does a file that cannot be opened;
// a larger file gives DateiZuGross. Reading fails later with "Cannot open file %s".
std::unique_ptr<TQuelle> DateiQuelle(const std::string& pfad, std::uint64_t grenze);

// A file beyond the size limit (in bytes).
EFehler DateiZuGross(std::uint64_t grenze);

} // namespace verbundo

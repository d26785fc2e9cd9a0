#include "Quelle.h"

#include "../model/Fehler.h"

#include <istream>
#include <streambuf>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <filesystem>
#include <fstream>
#endif

namespace verbundo {

namespace {

class TStromQuelle : public TQuelle {
public:
    explicit TStromQuelle(std::istream& ein) : Puffer(ein.rdbuf()) {}
    std::size_t Lies(char* ziel, std::size_t n) override {
        const std::streamsize k = Puffer ? Puffer->sgetn(ziel, static_cast<std::streamsize>(n)) : 0;
        return k > 0 ? static_cast<std::size_t>(k) : 0;
    }

private:
    std::streambuf* Puffer;
};

#ifndef _WIN32
class TDateiQuelle : public TQuelle {
public:
    TDateiQuelle(int fd, const std::string& pfad) : Fd(fd), Pfad(pfad) {}
    ~TDateiQuelle() override { ::close(Fd); }
    std::size_t Lies(char* ziel, std::size_t n) override {
        for (;;) {
            const ssize_t k = ::read(Fd, ziel, n);
            if (k >= 0)
                return static_cast<std::size_t>(k);
            if (errno != EINTR)
                throw OeffnenFehler(Pfad);
        }
    }

private:
    int Fd;
    std::string Pfad;
};
#endif

} // namespace

std::unique_ptr<TQuelle> StromQuelle(std::istream& ein) {
    return std::make_unique<TStromQuelle>(ein);
}

EFehler DateiZuGross(std::uint64_t grenze) {
    return EFehler("Die Datei ist größer als " + std::to_string(grenze >> 20) +
                   " MB und wird nicht gelesen.");
}

#ifndef _WIN32
std::unique_ptr<TQuelle> DateiQuelle(const std::string& pfad, std::uint64_t grenze) {
    if (pfad.find('\0') != std::string::npos)
        throw OeffnenFehler(pfad);
    // Without O_NONBLOCK, opening a FIFO waits for a writer, possibly forever.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw OeffnenFehler(pfad);
    std::unique_ptr<TDateiQuelle> quelle;
    try {
        quelle = std::make_unique<TDateiQuelle>(fd, pfad);
    } catch (...) {
        ::close(fd);
        throw;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        throw OeffnenFehler(pfad);
    if (static_cast<std::uint64_t>(st.st_size) > grenze)
        throw DateiZuGross(grenze);
    if (const int art = ::fcntl(fd, F_GETFL); art >= 0)
        ::fcntl(fd, F_SETFL, art & ~O_NONBLOCK);
    return quelle;
}
#else
namespace {

class TWinDateiQuelle : public TQuelle {
public:
    explicit TWinDateiQuelle(const std::filesystem::path& p) : Datei(p, std::ios::binary) {}
    std::size_t Lies(char* ziel, std::size_t n) override {
        Datei.read(ziel, static_cast<std::streamsize>(n));
        return static_cast<std::size_t>(Datei.gcount());
    }
    std::ifstream Datei;
};

} // namespace

std::unique_ptr<TQuelle> DateiQuelle(const std::string& pfad, std::uint64_t grenze) {
    const std::filesystem::path p(std::u8string(pfad.begin(), pfad.end()));
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(p, fehler))
        throw OeffnenFehler(pfad);
    if (const auto groesse = std::filesystem::file_size(p, fehler); !fehler && groesse > grenze)
        throw DateiZuGross(grenze);
    auto quelle = std::make_unique<TWinDateiQuelle>(p);
    if (!quelle->Datei.is_open())
        throw OeffnenFehler(pfad);
    return quelle;
}
#endif

} // namespace verbundo

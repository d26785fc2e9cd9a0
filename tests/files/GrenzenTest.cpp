// Loading whatever a careless or hostile user picks: nothing waits and nothing floods an
// error text.

#include "files/NetzDatei.h"
#include "files/Quelle.h"
#include "model/Fehler.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace verbundo {
namespace {

namespace fs = std::filesystem;

TEST(Laden, OnlyRegularFilesWithinTheLimitAreReadAndNothingWaits) {
    const fs::path ordner = fs::temp_directory_path() / ("verbundo-" + std::to_string(getpid()));
    fs::create_directories(ordner);
    const std::string fifo = ordner / "fifo", sockel = ordner / "sockel", gross = ordner / "g.nz";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::strncpy(adresse.sun_path, sockel.c_str(), sizeof adresse.sun_path - 1);
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    // A gigabyte of NUL bytes that takes no room on the disk.
    std::ofstream{gross};
    fs::resize_file(gross, std::uintmax_t{1} << 30);

    const auto nicht = [](const std::string& p) { return "Cannot open file " + p; };
    const std::pair<std::string, std::string> faelle[] = {
        {fifo, nicht(fifo)},
        {sockel, nicht(sockel)},
        {"/dev/zero", nicht("/dev/zero")},
        {ordner, nicht(ordner)},
        {gross, DateiZuGross(MaxDateigroesse).what()}};
    for (const auto& [pfad, meldung] : faelle) {
        auto laden = std::async(std::launch::async, [p = pfad] {
            try {
                OeffneNetzdatei(p);
            } catch (const EFehler& e) {
                return std::string(e.what());
            }
            return std::string("gelesen");
        });
        if (laden.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << pfad << " waits";
            close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK)); // lets a waiting FIFO reader go
        }
        EXPECT_EQ(laden.get(), meldung);
    }
    close(s);
    fs::remove_all(ordner);
}

TEST(Laden, ErrorTextsQuoteAFieldShortAndVisibly) {
    const std::string zehnMB(10'000'000, '7');
    const std::pair<std::string, std::string> faelle[] = {
        {zehnMB + "x", std::string(100, '7') + "…"},
        {std::string(100, 'y'), std::string(100, 'y')},
        {std::string("a\0b", 3), "a\\0b"},
        {"\xff\xc3\xa4\xe2\x82", "\\xffä\\xe2\\x82"}};
    for (const auto& [feld, zitat] : faelle) {
        std::istringstream ein("Comp.,  100,   80," + feld + "\r\n");
        TNetz netz;
        try {
            LeseNetzdatei(ein, netz);
            ADD_FAILURE() << zitat;
        } catch (const EFehler& e) {
            EXPECT_EQ(e.what(), "'" + zitat + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace verbundo

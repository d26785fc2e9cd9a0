#include "../../fuzz/Eintritt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace verbundo {
namespace {

namespace fs = std::filesystem;

// Every corpus file goes through the fuzz entry; returns how many there were.
template <class Eintritt> int Spiele(const std::string& ordner, Eintritt eintritt) {
    int n = 0;
    for (const auto& e :
         fs::directory_iterator(fs::path(VERBUNDO_SOURCE_DIR) / "fuzz" / "corpus" / ordner)) {
        std::ifstream ein(e.path(), std::ios::binary);
        const std::string daten{std::istreambuf_iterator<char>(ein),
                                std::istreambuf_iterator<char>()};
        EXPECT_NO_THROW(eintritt(reinterpret_cast<const std::uint8_t*>(daten.data()), daten.size()))
            << e.path().filename();
        ++n;
    }
    return n;
}

TEST(FuzzKorpus, ReaderCorpusKeepsItsPromises) {
    EXPECT_GE(Spiele("reader", fuzz::LeserEintritt), 5);
}

TEST(FuzzKorpus, AddressCorpusKeepsItsPromises) {
    EXPECT_GE(Spiele("ip", fuzz::IPEintritt), 5);
}

} // namespace
} // namespace verbundo

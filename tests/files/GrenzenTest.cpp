// Loading whatever a careless or hostile user picks: nothing waits, nothing floods an error
// text, and running out of memory changes nothing.

#include "files/NetzDatei.h"
#include "files/Quelle.h"
#include "model/Fehler.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <new>
#include <sstream>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Allocations left until one fails; negative: none fails.
std::atomic<long> Verbleibend{-1};
} // namespace

// The sanitizer run keeps its own allocator, and so its checks; only the plain run injects.
#ifndef __SANITIZE_ADDRESS__
// This operator new is malloc: free is its match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    if (Verbleibend.load(std::memory_order_relaxed) >= 0 && Verbleibend.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#endif

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

// What a failed load must leave alone: the file's view of the network, the ports, the
// routing tables and the messages.
std::string Bild(const TNetz& netz) {
    std::ostringstream aus;
    aus << NetzdateiText(netz) << netz.Nachrichtenliste.Count();
    for (const auto& k : netz.Komponentenliste) {
        aus << '|' << k->KabelCount();
        if (const auto* s = dynamic_cast<const TSwitch*>(k.get()))
            for (int i = 0; i < s->Routingtabelle.Count(); ++i)
                aus << ' ' << s->Routingtabelle.GetRoute(i).Ziel << '>'
                    << netz.Kabelliste.IndexVon(s->Routingtabelle.GetRoute(i).Kabel.lock().get());
    }
    return aus.str();
}

TEST(Laden, RunningOutOfMemoryAnywhereInALoadChangesNothing) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "failures are injected only with the plain allocator";
#endif
    const std::string datei = std::string(VERBUNDO_TESTDATA) + "/beispiel.nz";
    for (const bool hinzufuegen : {false, true}) {
        // Each allocation of the load fails once, the first, the second, ... until none is left.
        for (long n = 0;; ++n) {
            TNetz netz;
            auto* s = netz.Neu<TSwitch>(40, 10);
            netz.Verbinde(netz.Neu<TComputer>(10, 10), s);
            netz.BerechneRouting();
            netz.Nachrichtenliste.Add(std::make_unique<TNachricht>(
                netz.Komponentenliste.GetZeiger(1), netz.Komponentenliste.GetZeiger(0), "x"));
            const std::string vorher = Bild(netz);
            Verbleibend = n;
            try {
                LadeInNetz(datei, netz, hinzufuegen);
            } catch (const std::bad_alloc&) {
                Verbleibend = -1;
                ASSERT_EQ(Bild(netz), vorher) << n << (hinzufuegen ? " added" : " opened");
                continue;
            }
            if (Verbleibend.exchange(-1) >= 0) {
                EXPECT_GT(n, 10) << "the allocations were not counted";
                break;
            }
        }
    }
}

} // namespace
} // namespace verbundo

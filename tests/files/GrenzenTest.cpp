// Running out of memory while loading changes nothing, and the command-line tool goes on with
// the next file.

#include "../edit/Still.h"
#include "diag/RoutingAnzeige.h"
#include "files/NetzDatei.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <new>
#include <sstream>

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

// What a failed load must leave alone: the file's view of the network, the ports, the
// routing tables and the messages.
std::string Bild(const TNetz& netz) {
    std::ostringstream aus;
    aus << NetzdateiText(netz) << netz.Nachrichtenliste.Count();
    for (const auto& k : netz.Komponentenliste) {
        aus << '|' << k->KabelCount();
        if (const auto* s = Als<TSwitch>(k.get()))
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

// Out of memory anywhere in an editing step, the history's own bookkeeping included: the error
// is shown, nothing escapes, and the history never undoes across a change it did not record.
TEST(Verlauf, SpeichermangelImSchrittLaesstKeineHalbeGeschichte) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "failures are injected only with the plain allocator";
#endif
    for (long n = 0;; ++n) {
        test::TStill s;
        s.Klick(TWerkzeug::Computer, 100, 100);
        s.Klick(TWerkzeug::Switch, 300, 100);
        s.E.SetWerkzeug(TWerkzeug::Netzwerkkabel);
        Verbleibend = n;
        EXPECT_NO_THROW({
            s.E.Druecke(TTaste::Links, 100, 100);
            s.E.Lasse(TTaste::Links, 300, 100);
        });
        Verbleibend = -1;
        if (s.Fehlermeldungen.empty()) {
            EXPECT_GT(n, 10) << "the allocations were not counted";
            break;
        }
        EXPECT_EQ(s.Fehlermeldungen.size(), 1u) << n;
        const auto& netz = s.E.Netz();
        if (netz.Kabelliste.Count() == 1) {
            // Made: either it can be undone, or nothing can.
            if (s.E.Rueckgaengig()) {
                EXPECT_EQ(netz.Kabelliste.Count(), 0) << n;
            }
        } else {
            // Not made: the steps before are still there.
            EXPECT_TRUE(s.E.Rueckgaengig()) << n;
            EXPECT_EQ(netz.Komponentenliste.Count(), 1) << n;
        }
        EXPECT_FALSE(s.E.Netz().Kabelliste.Count() == 1 && s.E.KannRueckgaengig() &&
                     netz.Komponentenliste.Count() < 2)
            << n;
    }
}

TEST(Laden, DemWerkzeugGehtDerSpeicherAusUndEsPrueftWeiter) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer cannot run in a small address space";
#endif
    // 6 000 switches in a row: their tables need about 900 MB, more than the tool gets.
    const auto gross =
        std::filesystem::temp_directory_path() / ("verbundo-" + std::to_string(getpid()) + ".nz");
    {
        std::ofstream f(gross, std::ios::binary);
        for (int i = 0; i < 6000; ++i)
            f << "Swit.,    1,    1,0.0.0.0\r\n";
        for (int i = 1; i < 6000; ++i)
            f << "Kabel," << std::setw(5) << i - 1 << ',' << std::setw(5) << i << "\r\n";
    }
    FILE* aus = popen(("cd " VERBUNDO_TESTDATA " && ulimit -v 200000 && " VERBUNDO_CLI " pruefen " +
                       gross.string() + " kette.nz; echo $?")
                          .c_str(),
                      "r");
    std::string text;
    for (int c; (c = std::fgetc(aus)) != EOF;)
        text += static_cast<char>(c);
    pclose(aus);
    std::filesystem::remove(gross);
    EXPECT_EQ(text, gross.string() + ": Nicht genug Arbeitsspeicher; der Vorgang wurde "
                                     "abgebrochen.\nkette.nz: Alle Ip-Adressen sind korrekt "
                                     "eingestellt.\n2\n");
}

// 200 switches in a row with 100 computers each: every step of a walk looks up a table of
// 20 199 routes, and the walks take 2 000 000 steps. A scan of the table at each step took half
// a minute; the bound leaves room for the sanitizer run.
TEST(Grenzen, RoutinganzeigeAufEinemGrossenNetz) {
    TNetz netz;
    TKomponente* vorher = nullptr;
    for (int n = 0; n < 20000; ++n) {
        if (n % 100 == 0) {
            TKomponente* s = netz.Neu<TSwitch>(n / 5, 0);
            if (vorher)
                netz.Verbinde(vorher, s);
            vorher = s;
        }
        auto* c = netz.Neu<TComputer>(0, 0);
        c->SetIPText("10.0." + std::to_string(n / 256) + "." + std::to_string(n % 256));
        netz.Verbinde(c, vorher);
    }
    netz.BerechneRouting();
    const auto anfang = std::chrono::steady_clock::now();
    const auto z = RoutingAnzeige(netz, netz.Komponentenliste.GetKomponente(1));
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(10));
    EXPECT_EQ(std::count_if(z.begin(), z.end(),
                            [](const std::string& l) { return l.ends_with("direkte Verbindung"); }),
              19999);
}

} // namespace
} // namespace verbundo

// Memory while reading a 10 MB network file, against what the network read keeps: every
// allocation is counted.
//
//   build-bench/bench/verbundo_speicher_bench

#include "files/NetzDatei.h"
#include "sim/Netz.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <new>
#include <sstream>

namespace {
std::atomic<long long> Belegt{0}, Spitze{0};

void* Hole(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    const long long jetzt = Belegt += static_cast<long long>(malloc_usable_size(p));
    for (long long s = Spitze; jetzt > s && !Spitze.compare_exchange_weak(s, jetzt);) {
    }
    return p;
}
void Gib(void* p) {
    if (p)
        Belegt -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
} // namespace

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    return Hole(n);
}
void operator delete(void* p) noexcept {
    Gib(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Gib(p);
}

using namespace verbundo;

namespace {

// 10 MB of a network within the file's limits (device indices below 100 000): 1 000
// switches in a binary tree, each with 98 computers, printers and routers, and as many
// subnets as fill the rest.
std::string ZehnMB() {
    TNetz netz;
    const auto& liste = netz.Komponentenliste;
    const auto kabel = [&](int a, int b) {
        netz.Kabelliste.Add(TKabel::Create(liste.GetZeiger(a), liste.GetZeiger(b)));
    };
    std::vector<int> sw;
    for (int s = 0, n = 0; s < 1000; ++s) {
        netz.Neu<TSwitch>(200 + (s % 50) * 60, 200 + (s / 50) * 60);
        sw.push_back(liste.Count() - 1);
        if (s > 0)
            kabel(sw[static_cast<std::size_t>((s - 1) / 2)], sw.back());
        for (int c = 0; c < 98; ++c, ++n) {
            TKomponente* g = nullptr;
            if (c % 7 == 0)
                g = netz.Neu<TDrucker>(c, s);
            else if (c % 7 == 1)
                g = netz.Neu<TRouter>(c, s);
            else
                g = netz.Neu<TComputer>(c, s);
            g->SetIPText("10." + std::to_string(n >> 16) + "." + std::to_string((n >> 8) & 255) +
                         "." + std::to_string(n & 255));
            kabel(liste.Count() - 1, sw.back());
        }
    }
    const std::size_t ohne = NetzdateiText(netz).size();
    const std::string zeile = "Netz ,  100,  100, 2000, 2000,192.168.100.0,255.255.255.0\r\n";
    for (std::size_t n = ohne; n + zeile.size() <= 10'000'000; n += zeile.size()) {
        TSubnet* s = netz.NeuesSubnetz({100, 100, 2000, 2000});
        s->SetNetzIDText("192.168.100.0");
        s->SetMaskText("255.255.255.0");
    }
    return NetzdateiText(netz);
}

void Miss(benchmark::State& state, bool ausDatei) {
    const std::string text = ZehnMB();
    const auto pfad = std::filesystem::temp_directory_path() / "verbundo-zehn-mb.nz";
    std::ofstream(pfad, std::ios::binary) << text;
    long long spitze = 0, netz = 0;
    for (auto _ : state) {
        const long long vorher = Belegt;
        Spitze = vorher;
        TNetz gelesen;
        if (ausDatei) {
            gelesen = OeffneNetzdatei(pfad.string());
        } else {
            std::istringstream ein(text);
            LeseNetzdatei(ein, gelesen);
        }
        spitze = Spitze - vorher;
        netz = Belegt - vorher;
    }
    std::filesystem::remove(pfad);
    state.counters["Datei_MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["Netz_MB"] = static_cast<double>(netz) / 1e6;
    state.counters["Spitze_MB"] = static_cast<double>(spitze) / 1e6;
    state.counters["Spitze_durch_Netz"] = static_cast<double>(spitze) / static_cast<double>(netz);
}

// From the file as "Öffnen" reads it.
void BM_SpeicherBeimLesenDatei(benchmark::State& state) {
    Miss(state, true);
}
BENCHMARK(BM_SpeicherBeimLesenDatei)->Unit(benchmark::kMillisecond)->Iterations(3);

// From a stream whose text is already in memory (not counted).
void BM_SpeicherBeimLesenStrom(benchmark::State& state) {
    Miss(state, false);
}
BENCHMARK(BM_SpeicherBeimLesenStrom)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#include "diag/Befunde.h"
#include "diag/Pruefung.h"
#include "sim/Netz.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace verbundo;

namespace {

// A school's worth: 100 subnets in a 10 x 10 grid, 20 devices in each (a switch, a router,
// computers and printers), addressed to fit, one in fifty given a wrong address. With
// unaddressed set, every device keeps 0.0.0.0: the duplicate pairs run into millions.
void BaueSchule(TNetz& netz, bool unaddressed) {
    std::mt19937 zufall(7);
    for (int s = 0; s < 100; ++s) {
        const int x = 20 + (s % 10) * 295, y = 20 + (s / 10) * 295;
        TSubnet* n = netz.NeuesSubnetz({x, y, x + 280, y + 280});
        const std::string netzID = "10." + std::to_string(s / 50) + "." + std::to_string(s) + ".";
        n->SetNetzIDText(netzID + "0");
        n->SetMaskText("255.255.255.0");
        for (int i = 0; i < 20; ++i) {
            const TArt art = i == 0   ? TArt::Switch
                             : i == 1 ? TArt::Router
                             : i % 4  ? TArt::Computer
                                      : TArt::Drucker;
            TKomponente* k = netz.Neu(art, x + 20 + (i % 5) * 55, y + 30 + (i / 5) * 60);
            if (unaddressed || art == TArt::Switch)
                continue;
            const bool falsch = zufall() % 50 == 0;
            k->SetIPText(falsch ? "192.168.1." + std::to_string(i)
                                : netzID + std::to_string(i + 1));
            if (auto* r = Als<TRouter>(k))
                r->SetIP2Text("172.16." + std::to_string(s) + ".1");
        }
    }
}

// What the window does on "Konfiguration Testen": count, and explain the first thousand.
void BM_ErklaertePruefung(benchmark::State& state) {
    TNetz netz;
    BaueSchule(netz, state.range(0) != 0);
    long long anzahl = 0;
    for (auto _ : state) {
        const TErklaerung e = ErklaerePruefung(netz, 1000);
        anzahl = e.Anzahl;
        benchmark::DoNotOptimize(e.Befunde.data());
    }
    state.counters["Fehler"] = static_cast<double>(anzahl);
}
BENCHMARK(BM_ErklaertePruefung)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The count alone, as before the findings: the price of explaining.
void BM_NurGezaehlt(benchmark::State& state) {
    TNetz netz;
    BaueSchule(netz, state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ZaehleKonfigurationsfehler(netz));
}
BENCHMARK(BM_NurGezaehlt)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// The routing-table display on a whole school district's drawing: 50 000 devices, 1 000 of
// them switches, a tenth of those routers (argument 1) or none (0: every walk goes all the
// way).

#include "Grossnetz.h"
#include "diag/RoutingAnzeige.h"
#include "sim/Netz.h"

#include <benchmark/benchmark.h>

using namespace verbundo;

namespace {

// Every end device on its nearest switch, 2 000 more cables between the switches.
void BaueBezirk(TNetz& netz, const benchmark::State& state) {
    test::BaueGrossnetz(netz, 42, 50000, 1000, 49000 + 2000, state.range(0) == 0);
    netz.BerechneRouting();
}

// The first display after the tables were computed: every table's index is made on the way.
void BM_RoutingAnzeigeErstesMal(benchmark::State& state) {
    TNetz netz;
    BaueBezirk(netz, state);
    std::size_t zeilen = 0;
    for (auto _ : state)
        zeilen = RoutingAnzeige(netz, netz.Komponentenliste.GetKomponente(1000)).size();
    state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(BM_RoutingAnzeigeErstesMal)
    ->ArgName("Router")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Showing it again: the indexes are still there.
void BM_RoutingAnzeigeWieder(benchmark::State& state) {
    TNetz netz;
    BaueBezirk(netz, state);
    RoutingAnzeige(netz, netz.Komponentenliste.GetKomponente(1000));
    for (auto _ : state)
        benchmark::DoNotOptimize(RoutingAnzeige(netz, netz.Komponentenliste.GetKomponente(1000)));
}
BENCHMARK(BM_RoutingAnzeigeWieder)
    ->ArgName("Router")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

#include "Grossnetz.h"
#include "sim/Netz.h"
#include "sim/Referenzrouting.h"

#include <benchmark/benchmark.h>

using namespace verbundo;

namespace {

// Arguments: devices, switches and routers among them, cables.
void Netzgroessen(benchmark::internal::Benchmark* b) {
    b->Args({2000, 400, 3000})->Args({200, 40, 300})->Unit(benchmark::kMillisecond);
}

long long Routen(const TNetz& netz) {
    long long n = 0;
    for (const auto& d : netz.Komponentenliste)
        if (const auto* s = Als<TSwitch>(d.get()))
            n += s->Routingtabelle.Count();
    return n;
}

void BM_AlleRoutingtabellen(benchmark::State& state) {
    TNetz netz;
    test::BaueGrossnetz(netz, 42, static_cast<int>(state.range(0)),
                        static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    for (auto _ : state) {
        BerechneAlleRoutingtabellen(netz.Komponentenliste, netz.Kabelliste);
        benchmark::ClobberMemory();
    }
    state.counters["Routen"] = static_cast<double>(Routen(netz));
}
BENCHMARK(BM_AlleRoutingtabellen)->Apply(Netzgroessen);

// The same from empty tables, as after loading a file: every route made anew.
void BM_AlleRoutingtabellenLeer(benchmark::State& state) {
    TNetz netz;
    test::BaueGrossnetz(netz, 42, static_cast<int>(state.range(0)),
                        static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& d : netz.Komponentenliste)
            if (auto* s = Als<TSwitch>(d.get()))
                s->Routingtabelle.Leeren();
        state.ResumeTiming();
        BerechneAlleRoutingtabellen(netz.Komponentenliste, netz.Kabelliste);
        benchmark::ClobberMemory();
    }
    state.counters["Routen"] = static_cast<double>(Routen(netz));
}
BENCHMARK(BM_AlleRoutingtabellenLeer)->Apply(Netzgroessen);

void BM_AlleRoutingtabellenEinfach(benchmark::State& state) {
    TNetz netz;
    test::BaueGrossnetz(netz, 42, static_cast<int>(state.range(0)),
                        static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    for (auto _ : state) {
        test::BerechneAlleEinfach(netz.Komponentenliste, netz.Kabelliste);
        benchmark::ClobberMemory();
    }
    state.counters["Routen"] = static_cast<double>(Routen(netz));
}
BENCHMARK(BM_AlleRoutingtabellenEinfach)->Apply(Netzgroessen);

} // namespace

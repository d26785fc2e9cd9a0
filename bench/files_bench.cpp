#include "files/NetzDatei.h"
#include "sim/Netz.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

using namespace verbundo;

namespace {

std::string Adresse(int n) {
    return "10." + std::to_string((n >> 16) & 255) + "." + std::to_string((n >> 8) & 255) + "." +
           std::to_string(n & 255);
}

// A school-sized network grown to about `saetze` records: switches joined as a binary tree,
// each with 98 computers and printers, one subnet per 50 switches. Half the records are
// devices, half cables.
void BaueNetz(TNetz& netz, int saetze) {
    const int switches = std::max(1, saetze / 200);
    std::vector<TKomponente*> sw;
    int n = 0;
    for (int s = 0; s < switches; ++s) {
        const int x = 200 + (s % 50) * 1900, y = 200 + (s / 50) * 1900;
        auto* k = netz.Neu<TSwitch>(x, y);
        sw.push_back(k);
        if (s > 0)
            netz.Verbinde(sw[static_cast<std::size_t>((s - 1) / 2)], k);
        for (int c = 0; c < 98; ++c) {
            TKomponente* g = c % 7 ? static_cast<TKomponente*>(netz.Neu<TComputer>(
                                         x - 700 + (c % 14) * 100, y + 100 + (c / 14) * 100))
                                   : netz.Neu<TDrucker>(x - 700 + (c % 14) * 100, y - 200);
            g->SetIPText(Adresse(++n));
            netz.Verbinde(g, k);
        }
        if (s % 50 == 0) {
            auto* sub = netz.NeuesSubnetz({x - 800, y - 300, x + 800, y + 900});
            sub->SetNetzIDText("10.0.0.0");
            sub->SetMaskText("255.0.0.0");
        }
    }
}

long long Saetze(const TNetz& netz) {
    return netz.Komponentenliste.Count() + netz.Kabelliste.Count() +
           static_cast<long long>(netz.Subnetzliste.Count());
}

void BM_SchreibeNetzdatei(benchmark::State& state) {
    TNetz netz;
    BaueNetz(netz, static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = NetzdateiText(netz);
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetComplexityN(Saetze(netz));
    state.SetItemsProcessed(state.iterations() * Saetze(netz));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SchreibeNetzdatei)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_LeseNetzdatei(benchmark::State& state) {
    TNetz netz;
    BaueNetz(netz, static_cast<int>(state.range(0)));
    const std::string text = NetzdateiText(netz);
    for (auto _ : state) {
        std::istringstream ein(text);
        TNetz frisch;
        LeseNetzdatei(ein, frisch);
        benchmark::DoNotOptimize(frisch.Komponentenliste.Count());
    }
    state.SetComplexityN(Saetze(netz));
    state.SetItemsProcessed(state.iterations() * Saetze(netz));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LeseNetzdatei)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// What "Öffnen" costs: the read and every switch's routing table.
void BM_LeseUndRoute(benchmark::State& state) {
    TNetz netz;
    BaueNetz(netz, static_cast<int>(state.range(0)));
    const std::string text = NetzdateiText(netz);
    long long routen = 0;
    for (auto _ : state) {
        std::istringstream ein(text);
        TNetz frisch;
        LeseNetzdatei(ein, frisch);
        frisch.BerechneRouting();
        routen = 0;
        for (const auto& k : frisch.Komponentenliste)
            if (const auto* s = Als<TSwitch>(k.get()))
                routen += s->Routingtabelle.Count();
    }
    state.counters["Saetze"] = static_cast<double>(Saetze(netz));
    state.counters["Routen"] = static_cast<double>(routen);
}
BENCHMARK(BM_LeseUndRoute)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

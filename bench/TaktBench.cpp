#include "sim/Netz.h"
#include "sim/Protokoll.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace verbundo;

namespace {

// Two 24-port hubs joined by 23 parallel cables, a computer on each: every message standing on
// a hub is copied onto 22 or 23 cables, so a storm reaches the cap of messages in flight within
// a few ticks.
struct THubSturm {
    TNetz Netz;
    TComputer* Sender;
    TComputer* Ziel;
    TSwitch* H1;
    TSwitch* H2;

    THubSturm() {
        Sender = Netz.Neu<TComputer>(100, 100);
        H1 = Netz.Neu<TSwitch>(300, 100);
        H2 = Netz.Neu<TSwitch>(600, 100);
        Ziel = Netz.Neu<TComputer>(800, 100);
        Ziel->SetIPText("10.0.0.2");
        for (TSwitch* h : {H1, H2}) {
            h->SetMaxPorts(24);
            h->Hub = true;
        }
        Netz.Verbinde(Sender, H1);
        for (int i = 0; i < 23; ++i)
            Netz.Verbinde(H1, H2);
        Netz.Verbinde(H2, Ziel);
        Netz.BerechneRouting();
    }

    std::unique_ptr<TNachricht> Nachricht() const {
        return std::make_unique<TNachricht>(Netz.Komponentenliste.GetZeiger(0),
                                            Netz.Komponentenliste.GetZeiger(3), "Testnachricht");
    }

    // n messages just arrived at the first hub, spread over its cables to the second.
    void Fuelle(int n) {
        Netz.Nachrichtenliste.Clear();
        const auto& h1 = Netz.Komponentenliste.GetZeiger(1);
        for (int i = 0; i < n; ++i) {
            auto m = Nachricht();
            m->SetPosition(h1);
            m->SetKabel(H1->GetKabel(1 + i % 23));
            Netz.Nachrichtenliste.Add(std::move(m));
        }
    }
};

// One tick at the cap: 100 000 messages in, close to 100 000 copies out.
void BM_TaktHubSturm(benchmark::State& state) {
    THubSturm sturm;
    for (auto _ : state) {
        state.PauseTiming();
        sturm.Fuelle(static_cast<int>(TNachrichtenList::MaxUnterwegs));
        state.ResumeTiming();
        sturm.Netz.Nachrichtenliste.Takt();
        benchmark::DoNotOptimize(sturm.Netz.Nachrichtenliste.Count());
    }
    state.counters["Nachrichten"] = sturm.Netz.Nachrichtenliste.Count();
}
BENCHMARK(BM_TaktHubSturm)->Unit(benchmark::kMillisecond);

// A whole storm from one message sent until the hop limit has ended every copy; with 1, the
// message log takes every event.
void BM_GanzerHubSturm(benchmark::State& state) {
    THubSturm sturm;
    TProtokollSpeicher protokoll;
    if (state.range(0))
        sturm.Netz.Nachrichtenliste.SetProtokoll(&protokoll);
    int takte = 0;
    for (auto _ : state) {
        sturm.Netz.Nachrichtenliste.Add(sturm.Nachricht());
        takte = 0;
        while (sturm.Netz.Nachrichtenliste.Count() > 0) {
            sturm.Netz.Nachrichtenliste.Takt();
            ++takte;
        }
    }
    state.counters["Takte"] = takte;
}
BENCHMARK(BM_GanzerHubSturm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

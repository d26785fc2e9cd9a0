// The history and the recovery file on a network of 2 000 devices (400 switches and routers)
// and 3 000 cables: undo and redo of deleting a well-connected switch, the memory 200 steps of
// moves and address changes hold, and one recovery write through the safe writer.

#include "Grossnetz.h"
#include "edit/Editor.h"
#include "edit/Still.h"
#include "ui/Ablage.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <malloc.h>

namespace {

// The bytes allocated: from the heap, and in blocks of their own (large tables).
std::size_t Belegt() {
    const auto m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

using namespace verbundo;

struct TGross {
    test::TStill Still;
    TEditor& E = Still.E;
    TGross() {
        Still.Eingabe_ = [n = 0]() mutable { return "10.9." + std::to_string(++n % 250) + ".1"; };
        test::BaueGrossnetz(E.NetzZumAendern(), 1, 2000, 400, 3000);
        E.NetzZumAendern().BerechneRouting();
    }
    // The plain switch with the most cables, 24 if any has them.
    TKomponente* Meistverbunden() const {
        TKomponente* best = nullptr;
        for (const auto& k : E.Netz().Komponentenliste)
            if (k->Art() == TArt::Switch && (!best || k->KabelCount() > best->KabelCount()))
                best = k.get();
        return best;
    }
};

void Loeschen(benchmark::State& state, bool rueckgaengig) {
    TGross g;
    TKomponente* sw = g.Meistverbunden();
    state.counters["kabel"] = sw->KabelCount();
    g.E.Waehle(sw);
    g.E.Fuehre(TMenuepunkt::Loeschen);
    for (auto _ : state) {
        if (!rueckgaengig) {
            state.PauseTiming();
            g.E.Rueckgaengig();
            state.ResumeTiming();
            g.E.Wiederholen();
        } else {
            g.E.Rueckgaengig();
            state.PauseTiming();
            g.E.Wiederholen();
            state.ResumeTiming();
        }
    }
}

void BM_RueckgaengigSwitchLoeschen(benchmark::State& state) {
    Loeschen(state, true);
}
void BM_WiederholenSwitchLoeschen(benchmark::State& state) {
    Loeschen(state, false);
}

// Half the steps drag a device, half change an address; the bytes allocated meanwhile. With
// argument 1 every tenth step is "Berechne Routingtabelle" instead, which keeps the tables it
// replaced: after address changes that is every table.
void BM_Speicher200Schritte(benchmark::State& state) {
    double mb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<TGross>();
        g->E.SetWerkzeug(TWerkzeug::Verschieben);
        const auto& liste = g->E.Netz().Komponentenliste;
        std::vector<TKomponente*> computer;
        for (const auto& k : liste)
            if (k->Art() == TArt::Computer)
                computer.push_back(k.get());
        const std::size_t vorher = Belegt();
        state.ResumeTiming();
        for (int i = 0; i < 200; ++i) {
            TKomponente* k = computer[static_cast<std::size_t>(i * 7) % computer.size()];
            if (state.range(0) == 1 && i % 10 == 9) {
                g->E.Waehle(g->Meistverbunden());
                g->E.Fuehre(TMenuepunkt::Routing);
            } else if (i % 2) {
                g->E.Waehle(k);
                g->E.Fuehre(TMenuepunkt::Ip);
            } else {
                const int x = k->GetX(), y = k->GetY();
                g->E.Druecke(TTaste::Links, x, y);
                g->E.Bewege(x + 5, y + 3);
                g->E.Bewege(x + 9, y + 6);
                g->E.Lasse(TTaste::Links, x + 9, y + 6);
            }
        }
        state.PauseTiming();
        mb = static_cast<double>(Belegt() - vorher) / 1e6;
        g.reset();
        state.ResumeTiming();
    }
    state.counters["MB"] = mb;
}

// 200 times: drag a switch 800 pixels away and back, then "Berechne Routingtabelle" (many
// tables change with the lengths). Arguments: devices, switches. The bytes still allocated
// afterwards, the network's own included, and how many steps the history kept.
void BM_SpeicherSwitchZiehenUndBerechnen(benchmark::State& state) {
    double mb = 0, schritte = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t leer = Belegt();
        auto g = std::make_unique<test::TStill>();
        TEditor* e = &g->E;
        test::BaueGrossnetz(e->NetzZumAendern(), 1, static_cast<int>(state.range(0)),
                            static_cast<int>(state.range(1)),
                            static_cast<int>(state.range(0) + 2 * state.range(1)));
        e->NetzZumAendern().BerechneRouting();
        e->SetWerkzeug(TWerkzeug::Verschieben);
        TKomponente* sw = nullptr;
        for (const auto& k : e->Netz().Komponentenliste)
            if (k->Art() == TArt::Switch && k->GetX() < 2000 && k->GetY() < 2000 &&
                (!sw || k->KabelCount() > sw->KabelCount()))
                sw = k.get();
        state.counters["MB vorher"] = static_cast<double>(Belegt() - leer) / 1e6;
        state.ResumeTiming();
        for (int i = 0; i < 200; ++i) {
            const int x = sw->GetX(), y = sw->GetY(), d = i % 2 ? -800 : 800;
            e->Druecke(TTaste::Links, x, y);
            e->Bewege(x + d, y + d);
            e->Lasse(TTaste::Links, x + d, y + d);
            e->Waehle(sw);
            e->Fuehre(TMenuepunkt::Routing);
        }
        state.PauseTiming();
        mb = static_cast<double>(Belegt() - leer) / 1e6;
        int n = 0;
        while (e->Rueckgaengig())
            ++n;
        schritte = n;
        g.reset();
        state.ResumeTiming();
    }
    state.counters["MB nachher"] = mb;
    state.counters["Schritte"] = schritte;
}

void BM_Wiederherstellungsdatei(benchmark::State& state) {
    TGross g;
    QTemporaryDir ordner;
    const std::string pfad = ordner.filePath(QStringLiteral("sicherung.nz")).toStdString();
    TSichereAblage ablage;
    for (auto _ : state)
        ablage.Schreibe(pfad, g.E.Sicherungstext());
}

BENCHMARK(BM_RueckgaengigSwitchLoeschen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WiederholenSwitchLoeschen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Speicher200Schritte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SpeicherSwitchZiehenUndBerechnen)
    ->Args({2000, 400})
    ->Args({20000, 1000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Wiederherstellungsdatei)->Unit(benchmark::kMillisecond);

} // namespace

// The history and the recovery file on a network of 2 000 devices (400 switches and routers)
// and 3 000 cables: undo and redo of deleting a well-connected switch, the memory 200 steps of
// moves and address changes hold, and one recovery write through the safe writer.

#include "Grossnetz.h"
#include "edit/Editor.h"
#include "ui/Ablage.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <malloc.h>

namespace {

using namespace verbundo;

class TStill : public TFragen, public TDateiablage {
public:
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    std::string Eingabe(const std::string&, const std::string&, const std::string&) override {
        return "10.9." + std::to_string(++N % 250) + ".1";
    }
    std::string OeffnenWahl() override { return {}; }
    std::string SpeichernWahl(const std::string&) override { return {}; }
    TAntwort Speicherfrage(const std::string&) override { return TAntwort::Abbrechen; }
    int Frage(const std::string&, const std::vector<std::string>& k) override {
        return static_cast<int>(k.size()) - 1;
    }
    void Schreibe(const std::string&, const std::string&) override {}
    int N = 0;
};

struct TGross {
    TStill Still;
    TEditor E{Still, Still};
    TGross() {
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
        const std::size_t vorher = mallinfo2().uordblks;
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
        mb = static_cast<double>(mallinfo2().uordblks - vorher) / 1e6;
        g.reset();
        state.ResumeTiming();
    }
    state.counters["MB"] = mb;
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
BENCHMARK(BM_Wiederherstellungsdatei)->Unit(benchmark::kMillisecond);

} // namespace

// Tasks: "Aufgabe prüfen" as the window runs it, on a school of 2 000 devices with 10 checks;
// and the command "verbundo-cli bewerten" over a class of 30 files of 100 devices each.

#include "Grossnetz.h"
#include "diag/Aufgabe.h"
#include "edit/Editor.h"
#include "edit/Still.h"
#include "files/NetzDatei.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace verbundo;

namespace {

// Ten checks of every kind on the network's first computers and printers, all given.
std::shared_ptr<TAufgabe> ZehnPruefpunkte(const TNetz& netz) {
    auto a = std::make_shared<TAufgabe>();
    a->Text = "Alle Computer erreichen ihren Drucker.";
    std::vector<std::shared_ptr<TKomponente>> c, d;
    for (const auto& k : netz.Komponentenliste)
        if (k->Art() == TArt::Computer && c.size() < 4)
            c.push_back(k);
        else if (k->Art() == TArt::Drucker && d.size() < 3)
            d.push_back(k);
    for (const auto& k : netz.Komponentenliste)
        if (std::find(c.begin(), c.end(), k) != c.end() ||
            std::find(d.begin(), d.end(), k) != d.end())
            a->Vorgegeben.push_back(k);
    const auto p = [](TPruefart art, std::shared_ptr<TKomponente> x, std::shared_ptr<TKomponente> y,
                      TNetzangabe n = {}) {
        return TPruefpunkt{art, 1, std::move(x), std::move(y), n, 0, TArt::Router, 1};
    };
    const TNetzangabe netz16 = LeseNetzangabe("192.168.0.0/16");
    a->Pruefpunkte = {
        p(TPruefart::Erreicht, c[0], d[0]),      p(TPruefart::Erreicht, c[1], d[1]),
        p(TPruefart::Erreicht, c[2], d[2]),      p(TPruefart::Erreicht, c[3], d[0]),
        p(TPruefart::Adresse, c[0], {}, netz16), p(TPruefart::Adresse, d[1], {}, netz16),
        p(TPruefart::Verbunden, c[0], d[0]),     p(TPruefart::Verbunden, c[1], c[2]),
        p(TPruefart::Fehlerfrei, {}, {}),        p(TPruefart::Anzahl, {}, {})};
    return a;
}

// The click on "Aufgabe prüfen": the network as it would be saved, then every check.
void BM_AufgabePruefen(benchmark::State& state) {
    test::TStill still;
    TEditor& e = still.E;
    TNetz& netz = e.NetzZumAendern();
    test::BaueGrossnetz(netz, 11, static_cast<int>(state.range(0)),
                        static_cast<int>(state.range(0)) / 10,
                        static_cast<int>(state.range(0)) * 21 / 20);
    netz.BerechneRouting();
    netz.Aufgabe = ZehnPruefpunkte(netz);
    int punkte = 0;
    for (auto _ : state)
        punkte = e.Aufgaben().Pruefe().Punkte;
    state.counters["Punkte"] = punkte;
}
BENCHMARK(BM_AufgabePruefen)->Arg(2000)->Unit(benchmark::kMillisecond);

// The whole command, process start and all, over 30 files of 100 devices: each learner's
// network a little different (other seeds), with the teacher's task carried along.
void BM_BewertenBefehl(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path ordner =
        fs::temp_directory_path() / ("verbundo-bewerten-" + std::to_string(getpid()));
    fs::create_directories(ordner);
    std::string befehl = VERBUNDO_CLI " bewerten --erklaeren";
    for (int i = 0; i <= 30; ++i) {
        TNetz netz;
        test::BaueGrossnetz(netz, static_cast<std::uint32_t>(i == 0 ? 1 : 100 + i), 100, 10, 105);
        netz.Aufgabe = ZehnPruefpunkte(netz);
        const fs::path datei =
            ordner / (i == 0 ? "aufgabe.nz" : "abgabe" + std::to_string(i) + ".nz");
        std::ofstream(datei, std::ios::binary) << NetzdateiText(netz);
        befehl += " " + datei.string();
    }
    // The lines it writes, counted: 30 files and 10 checks each, nothing unreadable.
    befehl += " | wc -l > " + (ordner / "zeilen").string();
    int status = 0;
    for (auto _ : state)
        status = std::system(befehl.c_str());
    std::ifstream zeilen(ordner / "zeilen");
    int n = 0;
    zeilen >> n;
    if (status != 0 || n != 30 * 11)
        state.SkipWithError("bewerten did not grade every file");
    state.counters["Zeilen"] = n;
    fs::remove_all(ordner);
}
BENCHMARK(BM_BewertenBefehl)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

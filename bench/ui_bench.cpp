// The full redraw at every timer event and mouse move, against the bare cost of filling the
// surface and copying the visible part into the view.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/verbundo_ui_bench
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build-bench/bench/verbundo_ui_bench   (ratio 2)

#include "Grossnetz.h"
#include "ui/Anzeige.h"
#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/Export.h"
#include "ui/uHaupt.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMetaObject>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace verbundo;

class TStilleDialoge : public TDialoge {
public:
    void Information(QWidget*, const QString&) override {}
    void Fehler(QWidget*, const QString&) override {}
    QString Eingabe(QWidget*, const QString&, const QString&, const QString& v) override {
        return v;
    }
    QString Oeffnen(QWidget*, const QString&) override { return {}; }
    QString Speichern(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    void Menue(QMenu*, const QPoint&) override {}
    int Frage(QWidget*, const QString&, const QStringList& k) override {
        return static_cast<int>(k.size()) - 1;
    }
};

class TStillerStarter : public TStarter {
public:
    bool Starte(const QString&, const QStringList&) override { return false; }
    bool Oeffne(const QString&) override { return false; }
};

// 500 devices on a 25 x 20 grid over the surface, as a class draws them, 700 cables between
// near neighbours, 20 subnets, and every tenth cable carrying a message.
void BaueNetz(TNetz& n) {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> wackeln(-30, 30);
    std::vector<TKomponente*> geraete;
    for (int i = 0; i < 500; ++i) {
        const int x = 60 + (i % 25) * 118 + wackeln(zufall);
        const int y = 60 + (i / 25) * 145 + wackeln(zufall);
        TKomponente* k = nullptr;
        switch (i % 4) {
        case 0:
            k = n.Neu<TComputer>(x, y);
            break;
        case 1:
            k = n.Neu<TDrucker>(x, y);
            break;
        case 2:
            k = n.Neu<TSwitch>(x, y);
            break;
        default:
            k = n.Neu<TRouter>(x, y);
            static_cast<TRouter*>(k)->SetIP2Text("10.0.0." + std::to_string(i % 250));
        }
        k->SetIPText("192.168." + std::to_string(i / 250) + "." + std::to_string(i % 250));
        geraete.push_back(k);
    }
    // Right, lower and diagonal neighbours, up to two grid steps away.
    const int schritte[][2] = {{1, 0}, {2, 0}, {0, 1}, {1, 1}, {-1, 1}, {0, 2}};
    std::uniform_int_distribution<int> wahl(0, 5);
    for (int i = 0; n.Kabelliste.Count() < 700; ++i) {
        const int a = i % 500;
        const auto [sx, sy] = schritte[wahl(zufall)];
        const int x = a % 25 + sx;
        const int y = a / 25 + sy;
        if (x < 0 || x >= 25 || y >= 20)
            continue;
        n.Verbinde(geraete[a], geraete[y * 25 + x])->SetAktiv(n.Kabelliste.Count() % 10 == 0);
    }
    for (int i = 0; i < 20; ++i) {
        const int x = 30 + (i % 5) * 590;
        const int y = 30 + (i / 5) * 725;
        TSubnet* s = n.NeuesSubnetz({x, y, x + 560, y + 690});
        s->SetNetzIDText("192.168." + std::to_string(i) + ".0");
        s->SetMaskText("255.255.255.0");
    }
}

template <class T> T* Teil(const TForm1& f, const char* name) {
    return f.findChild<T*>(QLatin1String(name));
}

struct TUmgebung {
    TBilder Bilder = TBilder::Lade({QStringLiteral(VERBUNDO_SOURCE_DIR "/assets")});
    TStilleDialoge Dialoge;
    TStillerStarter Starter;
    TForm1 Form{Bilder, Dialoge, Starter};
    QTimer* Timer = Teil<QTimer>(Form, "Timer1");

    explicit TUmgebung(int zoom) {
        Timer->stop();
        Form.show();
        // Only an exposed window paints; until then repaint() would cost nothing.
        QElapsedTimer uhr;
        uhr.start();
        while (!Form.windowHandle()->isExposed() && uhr.elapsed() < 5000)
            QApplication::processEvents();
        // The surface takes the screen's pixel ratio (QT_SCALE_FACTOR=2: ratio 2) at a redraw.
        Form.ZeichneNetz();
        Teil<QScrollBar>(Form, "SBZoom")->setValue(zoom);
        for (const char* name : {"SBHPosition", "SBVPosition"}) {
            auto* bar = Teil<QScrollBar>(Form, name);
            bar->setValue(bar->maximum() / 2);
        }
    }
    TNetz& Netz() { return Form.Editor().NetzZumAendern(); }
    // One timer event as the timer delivers it: the window queues the tick, the loop runs it.
    void Takt() {
        QMetaObject::invokeMethod(Timer, "timeout", Qt::DirectConnection);
        QApplication::processEvents();
    }
};

void Neuzeichnen(benchmark::State& state) {
    TUmgebung u(static_cast<int>(state.range(0)));
    BaueNetz(u.Netz());
    u.Form.Editor().Waehle(u.Netz().Komponentenliste.GetKomponente(3));
    // Labels and large icons are made at the first redraw; the timer's redraws only copy them.
    u.Form.ZeichneNetz();
    for (auto _ : state)
        u.Form.ZeichneNetz();
    state.counters["Verhaeltnis"] = u.Form.PufferBild().devicePixelRatio();
}
BENCHMARK(Neuzeichnen)->Arg(100)->Arg(200)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime();

// What any redraw costs at least: the white fill of a surface as large as the window's and
// the view's copy.
void Grundkosten(benchmark::State& state) {
    TUmgebung u(static_cast<int>(state.range(0)));
    QImage flaeche = u.Form.PufferBild();
    // Its own pixels now, not at the first fill inside the timing.
    flaeche.bits();
    QWidget* anzeige = Teil<QWidget>(u.Form, "Anzeige");
    for (auto _ : state) {
        {
            QPainter p(&flaeche);
            p.fillRect(flaeche.rect(), Qt::white);
        }
        anzeige->repaint();
    }
    state.counters["Verhaeltnis"] = flaeche.devicePixelRatio();
}
BENCHMARK(Grundkosten)->Arg(100)->Arg(200)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime();

// The exported picture of the same network (subnets reach across the surface): PNG (0) at
// twice the pixels, SVG (1), PDF (2).
void Export(benchmark::State& state) {
    TUmgebung u(100);
    BaueNetz(u.Netz());
    const auto format = static_cast<TBildformat>(state.range(0));
    qsizetype groesse = 0;
    for (auto _ : state)
        groesse = BildDaten(u.Form.Editor().Netz(), u.Bilder, format).size();
    state.counters["KB"] = static_cast<double>(groesse) / 1024;
}
BENCHMARK(Export)->ArgName("png_svg_pdf")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A timer tick on a district's 50 000 devices (1 000 switches) with no message under way:
// with nothing changed the picture is left as it is (0); after an edit it is drawn (1).
void Leerlauftakt(benchmark::State& state) {
    TUmgebung u(100);
    test::BaueGrossnetz(u.Netz(), 42, 50000, 1000, 51000);
    TKomponente* geraet = u.Netz().Komponentenliste.GetKomponente(1);
    u.Takt();
    for (auto _ : state) {
        if (state.range(0))
            u.Form.Editor().Waehle(geraet);
        u.Takt();
    }
}
BENCHMARK(Leerlauftakt)
    ->ArgName("nachBefehl")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// "Routingtabelle anzeigen" from an end device on the same district with its tables.
void Routinganzeige(benchmark::State& state) {
    TUmgebung u(100);
    test::BaueGrossnetz(u.Netz(), 42, 50000, 1000, 51000);
    u.Netz().BerechneRouting();
    u.Form.Editor().Waehle(u.Netz().Komponentenliste.GetKomponente(1000));
    auto* zeige = Teil<QAction>(u.Form, "ShowRouting");
    auto* liste = Teil<QListWidget>(u.Form, "ListBox1");
    for (auto _ : state)
        zeige->trigger();
    state.counters["Zeilen"] = liste->count();
}
BENCHMARK(Routinganzeige)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

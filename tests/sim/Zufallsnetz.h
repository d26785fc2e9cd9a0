#pragma once

// Random networks for the routing comparison and the benchmarks: grid positions and a small
// address pool give exact ties and duplicates, cables are made between any two devices (full
// ones included, loops and parallel cables too), and some devices stay without cables.

#include "sim/Netz.h"

#include <random>

namespace verbundo::test {

struct TZufallsart {
    int Geraete = 40;
    int Kabel = 60;
    int SwitchProzent = 30; // switches and routers together
    int RouterProzent = 10; // of all devices
    int Raster = 100;       // positions are multiples of this
    int RasterZellen = 6;   // per direction
    int Adressen = 6;       // size of the address pool (0 included)
    int SchleifenProzent = 3;
    int ParallelProzent = 8;
    int DoppelteGeraeteProzent = 0; // chance per device to be listed a second time
};

inline void BaueZufallsnetz(TNetz& netz, std::uint32_t saat, const TZufallsart& art) {
    std::mt19937 zufall(saat);
    const auto wuerfel = [&](int n) {
        return static_cast<int>(zufall() % static_cast<unsigned>(n));
    };
    const auto adresse = [&] {
        const int a = wuerfel(art.Adressen);
        return a == 0 ? std::string("0.0.0.0") : "10.0.0." + std::to_string(a);
    };
    std::vector<TKomponente*> geraete;
    for (int i = 0; i < art.Geraete; ++i) {
        const int x = wuerfel(art.RasterZellen) * art.Raster;
        const int y = wuerfel(art.RasterZellen) * art.Raster;
        const int art100 = wuerfel(100);
        TKomponente* k = nullptr;
        if (art100 < art.RouterProzent) {
            auto* r = netz.Neu<TRouter>(x, y);
            r->SetIPText(adresse());
            r->SetIP2Text(adresse());
            k = r;
        } else if (art100 < art.SwitchProzent) {
            auto* s = netz.Neu<TSwitch>(x, y);
            if (wuerfel(3) == 0)
                s->SetMaxPorts(24);
            k = s;
        } else if (art100 < art.SwitchProzent + (100 - art.SwitchProzent) / 2) {
            k = netz.Neu<TComputer>(x, y);
            k->SetIPText(adresse());
        } else {
            k = netz.Neu<TDrucker>(x, y);
            k->SetIPText(adresse());
        }
        geraete.push_back(k);
        if (wuerfel(100) < art.DoppelteGeraeteProzent)
            netz.Komponentenliste.Add(
                netz.Komponentenliste.GetZeiger(netz.Komponentenliste.Count() - 1));
    }
    if (geraete.empty())
        return;
    TKabel* vorher = nullptr;
    for (int i = 0; i < art.Kabel; ++i) {
        const int w = wuerfel(100);
        if (vorher && w < art.ParallelProzent) {
            vorher = wuerfel(2) ? netz.Verbinde(vorher->GetA(), vorher->GetB())
                                : netz.Verbinde(vorher->GetB(), vorher->GetA());
            continue;
        }
        TKomponente* a =
            geraete[static_cast<std::size_t>(wuerfel(static_cast<int>(geraete.size())))];
        TKomponente* b =
            geraete[static_cast<std::size_t>(wuerfel(static_cast<int>(geraete.size())))];
        if (w < art.ParallelProzent + art.SchleifenProzent)
            b = a;
        vorher = netz.Verbinde(a, b);
    }
}

// A whole-school drawing: switches (a tenth of them routers, unless ohneRouter) spread over
// the surface, each end device cabled to its nearest switch, and the remaining cables between
// each switch and one of its nearer neighbours. Exactly geraete devices and kabel cables.
inline void BaueGrossnetz(TNetz& netz, std::uint32_t saat, int geraete, int switches, int kabel,
                          bool ohneRouter = false) {
    std::mt19937 zufall(saat);
    const auto wuerfel = [&](int n) {
        return static_cast<int>(zufall() % static_cast<unsigned>(n));
    };
    std::vector<TSwitch*> sw;
    for (int i = 0; i < switches; ++i) {
        const int x = wuerfel(3000), y = wuerfel(3000);
        if (i % 10 == 9 && !ohneRouter) {
            auto* r = netz.Neu<TRouter>(x, y);
            r->SetIPText("10." + std::to_string(i) + ".0.1");
            r->SetIP2Text("172.16." + std::to_string(i) + ".1");
            sw.push_back(r);
        } else {
            auto* s = netz.Neu<TSwitch>(x, y);
            s->SetMaxPorts(24);
            sw.push_back(s);
        }
    }
    const auto abstand2 = [](const TKomponente* a, const TKomponente* b) {
        const long long dx = a->GetX() - b->GetX(), dy = a->GetY() - b->GetY();
        return dx * dx + dy * dy;
    };
    int gemacht = 0;
    for (int i = switches; i < geraete; ++i) {
        TKomponente* e = nullptr;
        if (i % 5 == 0)
            e = netz.Neu<TDrucker>(wuerfel(3000), wuerfel(3000));
        else
            e = netz.Neu<TComputer>(wuerfel(3000), wuerfel(3000));
        e->SetIPText("192.168." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1));
        if (gemacht >= kabel)
            continue;
        TSwitch* naechster = sw.front();
        for (TSwitch* s : sw)
            if (abstand2(s, e) < abstand2(naechster, e))
                naechster = s;
        netz.Verbinde(e, naechster);
        ++gemacht;
    }
    while (gemacht < kabel && switches > 1) {
        TSwitch* a = sw[static_cast<std::size_t>(wuerfel(switches))];
        // The nearest of a few random candidates keeps the cables short, as drawn ones are.
        TSwitch* b = nullptr;
        for (int versuch = 0; versuch < 8; ++versuch) {
            TSwitch* c = sw[static_cast<std::size_t>(wuerfel(switches))];
            if (c != a && (!b || abstand2(a, c) < abstand2(a, b)))
                b = c;
        }
        if (!b)
            continue;
        netz.Verbinde(a, b);
        ++gemacht;
    }
}

} // namespace verbundo::test

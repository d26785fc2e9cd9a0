#pragma once

#include "sim/Netz.h"

#include <random>

namespace verbundo::test {

// A whole-school drawing: switches (a tenth of them routers, unless ohneRouter) spread over the
// surface, each end device cabled to its nearest switch, and the remaining cables between each
// switch and one of its nearer neighbours. Exactly geraete devices and kabel cables.
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

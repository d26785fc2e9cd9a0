#pragma once

#include "files/NetzDatei.h"
#include "sim/Netz.h"

#include <sstream>
#include <string>

namespace verbundo::test {

// Everything undo must give back, the very objects included: the saved bytes, and per listed
// object its identity, removed mark, ports in order, settings and routing table.
inline std::string Abbild(const TNetz& n) {
    std::ostringstream s;
    s << NetzdateiText(n);
    for (const auto& k : n.Komponentenliste) {
        s << k.get() << k->IstEntfernt() << ' ' << k->GetMaxPorts() << " ports";
        for (const TKabel* p : k->Ports())
            s << ' ' << p;
        if (const auto* c = Als<TComputer>(k.get()))
            s << " mail " << c->IsMailserver();
        if (const auto* sw = Als<TSwitch>(k.get())) {
            s << " hub " << sw->Hub << " routen";
            for (int i = 0; i < sw->Routingtabelle.Count(); ++i)
                s << ' ' << sw->Routingtabelle.GetRoute(i).Ziel << '>'
                  << sw->Routingtabelle.GetRoute(i).Kabel.lock().get();
        }
        s << '\n';
    }
    for (const auto& k : n.Kabelliste)
        s << k.get() << k->IstEntfernt() << '\n';
    for (const auto& t : n.Subnetzliste)
        s << t.get() << t->IstEntfernt() << '\n';
    return s.str();
}

} // namespace verbundo::test

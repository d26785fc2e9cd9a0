#include "NetzDateiHilfe.h"

namespace verbundo::test {

std::string Abbild(const TNetz& netz) {
    std::ostringstream aus;
    const auto& geraete = netz.Komponentenliste;
    for (const auto& k : geraete) {
        aus << k->GetTyp() << ' ' << k->GetX() << ' ' << k->GetY() << ' ' << k->GetIPText();
        if (const auto* r = dynamic_cast<const TRouter*>(k.get()))
            aus << ' ' << r->GetIP2Text();
        if (const auto* c = dynamic_cast<const TComputer*>(k.get()))
            aus << (c->IsMailserver() ? " mail" : "");
        if (const auto* s = dynamic_cast<const TSwitch*>(k.get()))
            aus << (s->Hub ? " hub" : "");
        aus << " max" << k->GetMaxPorts() << " ports";
        for (int p = 0; p < k->KabelCount(); ++p)
            aus << ' ' << netz.Kabelliste.IndexVon(k->GetKabel(p));
        aus << '\n';
    }
    for (const auto& kabel : netz.Kabelliste)
        aus << "K " << geraete.IndexVon(kabel->GetA()) << ' ' << geraete.IndexVon(kabel->GetB())
            << '\n';
    for (const auto& s : netz.Subnetzliste) {
        const TRect r = s->GetRect();
        aus << "N " << r.Left << ' ' << r.Top << ' ' << r.Right << ' ' << r.Bottom << ' '
            << s->GetNetzIDText() << ' ' << s->GetMaskText() << '\n';
    }
    return aus.str();
}

} // namespace verbundo::test

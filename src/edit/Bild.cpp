#include "Bild.h"

#include "../model/Leinwand.h"
#include "../sim/Netz.h"

#include <algorithm>

namespace verbundo {

namespace {

constexpr TFarbe clOrange{255, 140, 0};

void KabelLinie(TLeinwand& c, const TKabel& k) {
    c.Linie(k.GetA()->GetX(), k.GetA()->GetY(), k.GetB()->GetX(), k.GetB()->GetY());
}

} // namespace

void ZeichneBild(TLeinwand& c, const TNetz& netz, const TBildzustand& z) {
    c.SetPinselFarbe(clWeiss);
    c.SetPinselStil(TPinsel::Voll);
    c.FuelleRechteck(z.Flaeche.Left, z.Flaeche.Top, z.Flaeche.Right, z.Flaeche.Bottom);

    c.SetStiftStil(TStrich::Durchgezogen);
    c.SetStiftBreite(2);
    c.SetStiftFarbe(clSchwarz);

    // The rubber band of a cable being drawn lies beneath everything else.
    if (z.Modus == TModus::Kabel && z.AktKomponente)
        c.Linie(z.AktKomponente->GetX(), z.AktKomponente->GetY(), z.Startpunkt.x, z.Startpunkt.y);

    for (const auto& k : netz.Kabelliste) {
        c.SetStiftFarbe(k->IsAktiv() ? clGruen : clSchwarz);
        KabelLinie(c, *k);
        if (k->IsAktiv()) {
            // Integer halves truncate toward zero, as the placement expects.
            const int mx = (k->GetA()->GetX() + k->GetB()->GetX()) / 2;
            const int my = (k->GetA()->GetY() + k->GetB()->GetY()) / 2;
            c.KopiereBild(TBild::Dokument, mx - 8, my - 8, 16, 16);
        }
    }

    if (z.AktKabel) {
        c.SetStiftFarbe(clRot);
        c.SetStiftBreite(2);
        KabelLinie(c, *z.AktKabel);
    }

    // Device labels stand on the solid white brush.
    for (const auto& k : netz.Komponentenliste)
        k->Zeichne(c);

    if (const TKomponente* k = z.AktKomponente) {
        c.SetStiftFarbe(clRot);
        c.SetStiftBreite(1);
        c.SetStiftStil(TStrich::Durchgezogen);
        c.Rechteck(k->GetX() - 20, k->GetY() - 20, k->GetX() + 20, k->GetY() + 20);
    }

    for (const auto& s : netz.Subnetzliste) {
        c.SetStiftFarbe(s.get() == z.AktSubnetz ? clRot : clBlau);
        s->Zeichne(c);
    }

    if (z.Modus == TModus::Subnetz) {
        c.SetStiftFarbe(clRot);
        c.SetStiftBreite(1);
        c.SetStiftStil(TStrich::Gepunktet);
        c.Rechteck(std::min(z.Startpunkt.x, z.Endpunkt.x), std::min(z.Startpunkt.y, z.Endpunkt.y),
                   std::max(z.Startpunkt.x, z.Endpunkt.x), std::max(z.Startpunkt.y, z.Endpunkt.y));
    }

    ZeichneVorgaben(c, netz);

    if (z.Markiert.empty() && !z.MarkiertesSubnetz)
        return;
    // Orange, wider than the selection: the red square must stay visible inside it.
    c.SetStiftFarbe(clOrange);
    c.SetStiftBreite(2);
    c.SetStiftStil(TStrich::Durchgezogen);
    for (const TKomponente* k : z.Markiert)
        c.Rechteck(k->GetX() - 25, k->GetY() - 25, k->GetX() + 26, k->GetY() + 26);
    if (const TSubnet* s = z.MarkiertesSubnetz) {
        const TRect r = s->GetRect();
        c.Rechteck(r.Left - 4, r.Top - 4, r.Right + 5, r.Bottom + 5);
    }
}

} // namespace verbundo

// The full redraw of the network into Puffer.

#include "ui/Anzeige.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"
#include "ui/uHaupt.h"

#include <QPainter>

#include <algorithm>

namespace verbundo {

namespace {

void KabelLinie(TLeinwand& c, const TKabel& k) {
    c.Linie(k.GetA()->GetX(), k.GetA()->GetY(), k.GetB()->GetX(), k.GetB()->GetY());
}

} // namespace

void TForm1::ZeichneNetz() {
    BildVeraltet = false;
    {
        QPainter painter(&Puffer);
        TPufferLeinwand c(painter, Bilder, Texte.get());

        c.SetPinselFarbe(clWeiss);
        c.SetPinselStil(TPinsel::Voll);
        c.FuelleRechteck(0, 0, Puffer.width(), Puffer.height());

        c.SetStiftStil(TStrich::Durchgezogen);
        c.SetStiftBreite(2);
        c.SetStiftFarbe(clSchwarz);

        // The rubber band of a cable being drawn lies beneath everything else.
        if (Modus == 2 && AktKomponente)
            c.Linie(AktKomponente->GetX(), AktKomponente->GetY(), Startpunkt.x, Startpunkt.y);

        for (const auto& k : Kabelliste) {
            c.SetStiftFarbe(k->IsAktiv() ? clGruen : clSchwarz);
            KabelLinie(c, *k);
            if (k->IsAktiv()) {
                // Integer halves truncate toward zero, as the placement expects.
                const int mx = (k->GetA()->GetX() + k->GetB()->GetX()) / 2;
                const int my = (k->GetA()->GetY() + k->GetB()->GetY()) / 2;
                c.KopiereBild(TBild::Dokument, mx - 8, my - 8, 16, 16);
            }
        }

        if (AktKabel) {
            c.SetStiftFarbe(clRot);
            c.SetStiftBreite(2);
            KabelLinie(c, *AktKabel);
        }

        // Device labels stand on the solid white brush.
        for (const auto& k : Komponentenliste)
            k->Zeichne(c);

        if (AktKomponente) {
            c.SetStiftFarbe(clRot);
            c.SetStiftBreite(1);
            c.SetStiftStil(TStrich::Durchgezogen);
            const int x = AktKomponente->GetX();
            const int y = AktKomponente->GetY();
            c.Rechteck(x - 20, y - 20, x + 20, y + 20);
        }

        for (const auto& s : Subnetzliste) {
            c.SetStiftFarbe(s.get() == AktSubnetz ? clRot : clBlau);
            s->Zeichne(c);
        }

        if (Modus == 4) {
            c.SetStiftFarbe(clRot);
            c.SetStiftBreite(1);
            c.SetStiftStil(TStrich::Gepunktet);
            c.Rechteck(std::min(Startpunkt.x, Endpunkt.x), std::min(Startpunkt.y, Endpunkt.y),
                       std::max(Startpunkt.x, Endpunkt.x), std::max(Startpunkt.y, Endpunkt.y));
        }
    }
    Anzeige->repaint();
}

} // namespace verbundo

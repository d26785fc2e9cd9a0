// Mouse editing on the view: a small state machine in Modus.
//   0 idle, 1 moving AktKomponente, 2 drawing a cable from it, 3 a cable picked,
//   4 drawing a subnet, 10 moving AktSubnetz, 11..14 dragging its top/bottom/left/right edge.

#include "ui/Anzeige.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <algorithm>

namespace verbundo {

namespace {

// The last pixel of the 3000 x 3000 surface: whatever a gesture places stays on it, so it can
// be seen, hit and saved.
constexpr int Letzter = 2999;

int AufFlaeche(int v) {
    return std::clamp(v, 0, Letzter);
}

QString Grenzmeldung() {
    return QString::fromUtf8("Die maximale Anzahl von Netzwerkanschlüssen ist erreicht.") + '\r' +
           QString::fromUtf8("Weitere Verbindungen sind nicht mehr möglich!");
}

// The subnet gesture a press at (x, y) starts on r, or 0. Later zones override earlier ones,
// so the label zone wins at the top-left corner.
int Subnetzzone(const TRect& r, int x, int y) {
    int modus = 0;
    if (r.Left <= x && x <= r.Right && r.Top - 5 <= y && y <= r.Top + 5)
        modus = 11;
    if (r.Left <= x && x <= r.Right && r.Bottom - 5 <= y && y <= r.Bottom + 5)
        modus = 12;
    if (r.Left - 5 <= x && x <= r.Left + 5 && r.Top <= y && y <= r.Bottom)
        modus = 13;
    if (r.Right - 5 <= x && x <= r.Right + 5 && r.Top <= y && y <= r.Bottom)
        modus = 14;
    if (r.Left <= x && x <= r.Left + 120 && r.Top <= y && y <= r.Top + 25)
        modus = 10;
    return modus;
}

// A shift that takes no edge further off the surface than it already is; a subnet read from
// a file may lie partly outside, and can then only be moved back in.
int Verschiebung(int d, int min, int max) {
    return std::clamp(d, std::min(0, -min), std::max(0, Letzter - max));
}

// The rectangle of a subnet gesture after the pointer moved to (x, y).
TRect Gezogen(TRect r, int modus, int x, int y, TPunkt& start) {
    switch (modus) {
    case 10: {
        const int dx = Verschiebung(x - start.x, r.Left, r.Right);
        const int dy = Verschiebung(y - start.y, r.Top, r.Bottom);
        r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
        start = {x, y};
        break;
    }
    case 11:
        r.Top = AufFlaeche(y);
        break;
    case 12:
        r.Bottom = AufFlaeche(y);
        break;
    case 13:
        r.Left = AufFlaeche(x);
        break;
    case 14:
        r.Right = AufFlaeche(x);
        break;
    }
    if (r.Bottom - r.Top < TSubnet::MinHoehe) {
        if (modus == 11)
            r.Top = r.Bottom - TSubnet::MinHoehe;
        else if (modus == 12)
            r.Bottom = r.Top + TSubnet::MinHoehe;
    }
    if (r.Right - r.Left < TSubnet::MinBreite) {
        if (modus == 13)
            r.Left = r.Right - TSubnet::MinBreite;
        else if (modus == 14)
            r.Right = r.Left + TSubnet::MinBreite;
    }
    return r;
}

// The minimum size widens a subnet to the right and down; near the far border it is pushed back.
TRect Eingepasst(TRect r) {
    const int dx = std::min(0, Letzter - r.Right);
    const int dy = std::min(0, Letzter - r.Bottom);
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

} // namespace

void TForm1::AnzeigeMouseDown(Qt::MouseButton button, int X, int Y) {
    const int x = PufferX(X);
    const int y = PufferY(Y);
    if (Modus != 0)
        return;
    const bool links = button == Qt::LeftButton;
    AktKabel = nullptr;
    AktSubnetz = nullptr;
    AktKomponente = Komponentenliste.FindeBei(x, y);
    Startpunkt = {x, y};

    if (AktKomponente) {
        if (links && Werkzeug() == TWerkzeug::Netzwerkkabel) {
            if (AktKomponente->HatFreienPort())
                Modus = 2;
            else
                Dialoge().Information(this, Grenzmeldung());
        } else if (links) {
            Modus = 1;
        }
    } else if ((AktKabel = Kabelliste.FindeBei(x, y))) {
        Modus = 3;
    } else {
        for (auto it = Subnetzliste.begin(); it != Subnetzliste.end() && Modus == 0; ++it) {
            AktSubnetz = it->get();
            Modus = Subnetzzone(AktSubnetz->GetRect(), x, y);
        }
        if (Modus == 0) {
            AktSubnetz = nullptr;
            if (links && Werkzeug() == TWerkzeug::Subnetz) {
                Modus = 4;
                Startpunkt = {AufFlaeche(x), AufFlaeche(y)};
                Endpunkt = Startpunkt;
            }
        }
    }
    ZeichneNetz();
}

void TForm1::AnzeigeMouseMove(int X, int Y) {
    const int x = PufferX(X);
    const int y = PufferY(Y);
    switch (Modus) {
    case 1:
        if (!AktKomponente)
            return;
        AktKomponente->SetPos(AufFlaeche(x), AufFlaeche(y));
        break;
    case 2:
        Startpunkt = {x, y};
        break;
    case 4:
        Endpunkt = {AufFlaeche(x), AufFlaeche(y)};
        break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
        if (!AktSubnetz)
            return;
        AktSubnetz->SetRect(Gezogen(AktSubnetz->GetRect(), Modus, x, y, Startpunkt));
        break;
    default:
        return;
    }
    ZeichneNetz();
}

void TForm1::AnzeigeMouseUp(Qt::MouseButton button, int X, int Y) {
    const int x = PufferX(X);
    const int y = PufferY(Y);

    if (Modus == 0 && button == Qt::LeftButton) {
        AktKomponente = nullptr;
        const int px = AufFlaeche(x);
        const int py = AufFlaeche(y);
        switch (Werkzeug()) {
        case TWerkzeug::Computer:
            AktKomponente = Netz.Neu<TComputer>(px, py);
            break;
        case TWerkzeug::Switch:
            AktKomponente = Netz.Neu<TSwitch>(px, py);
            break;
        case TWerkzeug::Drucker:
            AktKomponente = Netz.Neu<TDrucker>(px, py);
            break;
        case TWerkzeug::Router:
            AktKomponente = Netz.Neu<TRouter>(px, py);
            break;
        default:
            break;
        }
    }
    if (Modus == 2 && AktKomponente) {
        TKomponente* ziel = Komponentenliste.FindeBei(x, y);
        if (ziel && ziel != AktKomponente && ziel->HatFreienPort() &&
            AktKomponente->HatFreienPort()) {
            Netz.Verbinde(AktKomponente, ziel);
            AktKomponente = ziel;
            MRoutingClick();
        } else {
            // Modus stays 2 while the box is open, so redraws keep showing the rubber band.
            Dialoge().Information(this, Grenzmeldung());
        }
    }
    if (Modus == 4) {
        const TRect r{std::min(Startpunkt.x, AufFlaeche(x)), std::min(Startpunkt.y, AufFlaeche(y)),
                      std::max(Startpunkt.x, AufFlaeche(x)), std::max(Startpunkt.y, AufFlaeche(y))};
        AktSubnetz = Netz.NeuesSubnetz(r);
        AktSubnetz->SetRect(Eingepasst(AktSubnetz->GetRect()));
    }
    Modus = 0;
    ZeichneNetz();

    if (button == Qt::RightButton && Anzeige->rect().contains(X, Y)) {
        ComputerPopUpPopup();
        Dialoge().Menue(ComputerPopUp, Anzeige->mapToGlobal(QPoint(X, Y)));
    }
}

} // namespace verbundo

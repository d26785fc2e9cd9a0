// The editor's state, its selection and the mouse gestures.

#include "Editor.h"

#include "../model/Fehler.h"

#include <algorithm>
#include <new>
#include <utility>

namespace verbundo {

namespace {

// The last pixel of the 3000 x 3000 surface: whatever a gesture places stays on it, so it can
// be seen, hit and saved.
constexpr int Letzter = 2999;

int AufFlaeche(int v) {
    return std::clamp(v, 0, Letzter);
}

template <class T> T* Lebend(const std::weak_ptr<T>& wahl) {
    const auto p = wahl.lock();
    // Alive through the list that holds it: not removed means listed.
    return p && !p->IstEntfernt() ? p.get() : nullptr;
}

// The subnet gesture a press at (x, y) starts on r, or none. Later zones override earlier
// ones, so the label zone wins at the top-left corner.
TModus Subnetzzone(const TRect& r, int x, int y) {
    TModus modus = TModus::Leerlauf;
    if (r.Left <= x && x <= r.Right && r.Top - 5 <= y && y <= r.Top + 5)
        modus = TModus::KanteOben;
    if (r.Left <= x && x <= r.Right && r.Bottom - 5 <= y && y <= r.Bottom + 5)
        modus = TModus::KanteUnten;
    if (r.Left - 5 <= x && x <= r.Left + 5 && r.Top <= y && y <= r.Bottom)
        modus = TModus::KanteLinks;
    if (r.Right - 5 <= x && x <= r.Right + 5 && r.Top <= y && y <= r.Bottom)
        modus = TModus::KanteRechts;
    if (r.Left <= x && x <= r.Left + 120 && r.Top <= y && y <= r.Top + 25)
        modus = TModus::SubnetzVerschieben;
    return modus;
}

// A shift that takes no edge further off the surface than it already is; a subnet read from
// a file may lie partly outside, and can then only be moved back in.
int Verschiebung(int d, int min, int max) {
    return std::clamp(d, std::min(0, -min), std::max(0, Letzter - max));
}

// The rectangle of a subnet gesture after the pointer moved to (x, y).
TRect Gezogen(TRect r, TModus modus, int x, int y, TPunkt& start) {
    switch (modus) {
    case TModus::SubnetzVerschieben: {
        const int dx = Verschiebung(x - start.x, r.Left, r.Right);
        const int dy = Verschiebung(y - start.y, r.Top, r.Bottom);
        r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
        start = {x, y};
        break;
    }
    case TModus::KanteOben:
        r.Top = AufFlaeche(y);
        break;
    case TModus::KanteUnten:
        r.Bottom = AufFlaeche(y);
        break;
    case TModus::KanteLinks:
        r.Left = AufFlaeche(x);
        break;
    case TModus::KanteRechts:
        r.Right = AufFlaeche(x);
        break;
    default:
        break;
    }
    if (r.Bottom - r.Top < TSubnet::MinHoehe) {
        if (modus == TModus::KanteOben)
            r.Top = r.Bottom - TSubnet::MinHoehe;
        else if (modus == TModus::KanteUnten)
            r.Bottom = r.Top + TSubnet::MinHoehe;
    }
    if (r.Right - r.Left < TSubnet::MinBreite) {
        if (modus == TModus::KanteLinks)
            r.Left = r.Right - TSubnet::MinBreite;
        else if (modus == TModus::KanteRechts)
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

// Delivery notices are information boxes; the tick waits until each is closed.
class TEditor::TNachrichtMelder : public TMelder {
public:
    explicit TNachrichtMelder(TFragen& fragen) : Fragen(fragen) {}
    void Melde(const TKomponente&, const std::string& text) override { Fragen.Information(text); }

private:
    TFragen& Fragen;
};

TEditor::TEditor(TFragen& fragen, TDateiablage& ablage)
    : Fragen(fragen), Ablage(ablage), Melder(std::make_unique<TNachrichtMelder>(fragen)) {
    NetzWert.Nachrichtenliste.SetMelder(Melder.get());
    NetzWert.Nachrichtenliste.SetProtokoll(&ProtokollWert);
}

TEditor::~TEditor() {
    NetzWert.Nachrichtenliste.SetMelder(nullptr);
    NetzWert.Nachrichtenliste.SetProtokoll(nullptr);
}

TKomponente* TEditor::AktKomponente() const {
    return Lebend(KomponenteWahl);
}

TKabel* TEditor::AktKabel() const {
    return Lebend(KabelWahl);
}

TSubnet* TEditor::AktSubnetz() const {
    return Lebend(SubnetzWahl);
}

void TEditor::LeereAuswahl() {
    KomponenteWahl.reset();
    KabelWahl.reset();
    SubnetzWahl.reset();
}

void TEditor::Waehle(TKomponente* k) {
    LeereAuswahl();
    KomponenteWahl = NetzWert.Komponentenliste.ZeigerVon(k);
    Veraendert();
}

void TEditor::Waehle(TSubnet* s) {
    LeereAuswahl();
    SubnetzWahl = NetzWert.Subnetzliste.ZeigerVon(s);
    Veraendert();
}

void TEditor::ZeigeFehler(std::exception_ptr fehler) noexcept {
    try {
        try {
            std::rethrow_exception(fehler);
        } catch (const std::exception& e) {
            Fragen.Fehler(Fehlertext(e));
        } catch (...) {
            Fragen.Fehler(Fehlertext());
        }
    } catch (...) {
        // Not even the box could be shown; the program goes on.
    }
}

void TEditor::BeendeNachFehler() noexcept {
    try {
        Beende();
    } catch (...) {
    }
}

void TEditor::Grenzmeldung() {
    Fragen.Information("Die maximale Anzahl von Netzwerkanschlüssen ist erreicht.\r"
                       "Weitere Verbindungen sind nicht mehr möglich!");
}

TReaktion TEditor::Druecke(TTaste taste, int x, int y) {
    if (ModusWert != TModus::Leerlauf)
        return {};
    // Picking a new check's devices takes the press; its release does nothing.
    if (taste == TTaste::Links && AufgabenWert.Waehlt()) {
        Gedrueckt = Abgebrochen = true;
        Veraendert();
        AufgabenWert.Nimm(x, y);
        return {true, false};
    }
    LeereAuswahl();
    Start = {x, y};
    Veraendert();
    Gedrueckt = true;
    Abgebrochen = false;
    if (TKomponente* k = NetzWert.Komponentenliste.FindeBei(x, y)) {
        KomponenteWahl = NetzWert.Komponentenliste.ZeigerVon(k);
        GeraetVorher = {k->GetX(), k->GetY()};
        DrueckeAufGeraet(taste);
    } else if (TKabel* kabel = NetzWert.Kabelliste.FindeBei(x, y)) {
        KabelWahl = NetzWert.Kabelliste.ZeigerVon(kabel);
        ModusWert = TModus::KabelGewaehlt;
    } else {
        DrueckeAufSubnetz(x, y);
        if (ModusWert == TModus::Leerlauf && taste == TTaste::Links &&
            WerkzeugWert == TWerkzeug::Subnetz) {
            ModusWert = TModus::Subnetz;
            Start = {AufFlaeche(x), AufFlaeche(y)};
            Ende = Start;
        }
    }
    // However many movements follow, the whole drag is one step.
    if (IstZug(ModusWert)) {
        const bool begonnen = Sicher([&] {
            if (ModusWert == TModus::Verschieben)
                Beginne(0, {KomponenteWahl.lock()});
            else
                Beginne(0, {}, {SubnetzWahl.lock()});
        });
        // A drag the history could not take would change the network behind its back: the
        // press is refused, and its release does nothing.
        ZugOffen = begonnen;
        if (!begonnen) {
            ModusWert = TModus::Leerlauf;
            Abgebrochen = true;
        }
    }
    return {true, false};
}

void TEditor::DrueckeAufGeraet(TTaste taste) {
    if (taste != TTaste::Links)
        return; // another button only selects
    if (WerkzeugWert != TWerkzeug::Netzwerkkabel) {
        ModusWert = TModus::Verschieben;
        return;
    }
    if (AktKomponente()->HatFreienPort()) {
        ModusWert = TModus::Kabel;
        return;
    }
    Grenzmeldung();
    // The press's release is a click with the cable tool. A modal box swallows it when it
    // comes while the box is open, so it is taken as done now; should it still arrive, it
    // clears the same selection again.
    KomponenteWahl.reset();
}

void TEditor::DrueckeAufSubnetz(int x, int y) {
    // The first subnet in list order with a hit in one of its zones.
    for (const auto& s : NetzWert.Subnetzliste) {
        ModusWert = Subnetzzone(s->GetRect(), x, y);
        if (ModusWert != TModus::Leerlauf) {
            SubnetzWahl = s;
            SubnetzVorher = s->GetRect();
            return;
        }
    }
}

TReaktion TEditor::Bewege(int x, int y) {
    switch (ModusWert) {
    case TModus::Verschieben:
        if (TKomponente* k = AktKomponente())
            k->SetPos(AufFlaeche(x), AufFlaeche(y));
        break;
    case TModus::Kabel:
        Start = {x, y};
        break;
    case TModus::Subnetz:
        Ende = {AufFlaeche(x), AufFlaeche(y)};
        break;
    case TModus::SubnetzVerschieben:
    case TModus::KanteOben:
    case TModus::KanteUnten:
    case TModus::KanteLinks:
    case TModus::KanteRechts:
        if (TSubnet* s = AktSubnetz())
            s->SetRect(Gezogen(s->GetRect(), ModusWert, x, y, Start));
        break;
    default:
        return {};
    }
    Veraendert();
    return {true, false};
}

TKomponente* TEditor::Platziere(int x, int y) {
    const int px = AufFlaeche(x), py = AufFlaeche(y);
    switch (WerkzeugWert) {
    case TWerkzeug::Computer:
        return NetzWert.Neu(TArt::Computer, px, py);
    case TWerkzeug::Drucker:
        return NetzWert.Neu(TArt::Drucker, px, py);
    case TWerkzeug::Switch:
        return NetzWert.Neu(TArt::Switch, px, py);
    case TWerkzeug::Router:
        return NetzWert.Neu(TArt::Router, px, py);
    default:
        return nullptr;
    }
}

void TEditor::LasseKabel(int x, int y) {
    TKomponente* a = AktKomponente();
    if (!a)
        return;
    TKomponente* b = NetzWert.Komponentenliste.FindeBei(x, y);
    if (b && b != a && b->HatFreienPort() && a->HatFreienPort()) {
        NetzWert.Verbinde(a, b);
        KomponenteWahl = NetzWert.Komponentenliste.ZeigerVon(b);
        BerechneRouting();
    } else {
        // Modus stays 2 while the box is open, so redraws keep showing the rubber band.
        Grenzmeldung();
    }
}

TReaktion TEditor::Lasse(TTaste taste, int x, int y) {
    Gedrueckt = false;
    if (std::exchange(Abgebrochen, false))
        return {};
    Veraendert();
    const bool zug = std::exchange(ZugOffen, false);
    const bool klick = ModusWert == TModus::Leerlauf && taste == TTaste::Links;
    // A drag's step is open since the press; the other gestures' steps begin now.
    const auto beginne = [&] {
        if (ModusWert == TModus::Kabel) {
            auto ende =
                NetzWert.Komponentenliste.ZeigerVon(NetzWert.Komponentenliste.FindeBei(x, y));
            Beginne(UKabel | UTabellen, {KomponenteWahl.lock(), std::move(ende)});
        } else if (ModusWert == TModus::Subnetz) {
            Beginne(USubnetze);
        } else if (klick) {
            Beginne(UGeraete);
        }
    };
    const auto tat = [&] {
        if (klick) {
            KomponenteWahl.reset();
            if (TKomponente* neu = Platziere(x, y))
                KomponenteWahl = NetzWert.Komponentenliste.ZeigerVon(neu);
        }
        if (ModusWert == TModus::Kabel)
            LasseKabel(x, y);
        if (ModusWert == TModus::Subnetz) {
            const int px = AufFlaeche(x), py = AufFlaeche(y);
            TSubnet* s = NetzWert.NeuesSubnetz({std::min(Start.x, px), std::min(Start.y, py),
                                                std::max(Start.x, px), std::max(Start.y, py)});
            s->SetRect(Eingepasst(s->GetRect()));
            SubnetzWahl = NetzWert.Subnetzliste.ZeigerVon(s);
        }
    };
    if (zug || ModusWert == TModus::Kabel || ModusWert == TModus::Subnetz || klick)
        Schritt(beginne, [&] {
            // The gesture is over before its step ends, failed or not: undo is offered again.
            const struct TGesteZuEnde {
                TModus& Modus;
                ~TGesteZuEnde() { Modus = TModus::Leerlauf; }
            } ende{ModusWert};
            tat();
        });
    // Whatever happened, the release ends the gesture.
    ModusWert = TModus::Leerlauf;
    return {true, taste == TTaste::Rechts};
}

void TEditor::BerechneRouting() {
    NetzWert.BerechneRouting();
}

TBildzustand TEditor::Bildzustand() const {
    TBildzustand z;
    z.AktKomponente = AktKomponente();
    z.AktKabel = AktKabel();
    z.AktSubnetz = AktSubnetz();
    z.Modus = ModusWert;
    z.Startpunkt = Start;
    z.Endpunkt = Ende;
    // A finding's marks last until the next edit.
    if (Markierung.Stand == StandWert) {
        for (const auto& g : Markierung.Geraete)
            if (const TKomponente* k = Lebend(g))
                z.Markiert.push_back(k);
        z.MarkiertesSubnetz = Lebend(Markierung.Subnetz);
    }
    return z;
}

void TEditor::Zeichne(TLeinwand& c) const {
    ZeichneBild(c, NetzWert, Bildzustand());
}

} // namespace verbundo

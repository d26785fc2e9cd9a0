// Thousands of random presses, moves, releases and menu commands, with messages in flight, hubs,
// deletions and timer ticks in between, also re-entered while a box is open. A failing seed is
// replayed with VERBUNDO_SOAK_SEED=<seed>.

#include "Testhilfe.h"

#include <QAction>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace verbundo::test {
namespace {

class TSoak {
public:
    explicit TSoak(unsigned seed) : Zufall(seed) {
        F->Timer1->stop();
        Aufbau();
        F.Dialoge.WaehrendInformation = [this] {
            // A timer event arriving while the box is open.
            if (Tiefe == 0 && Wuerfel(3) == 0) {
                ++Tiefe;
                F->Timer1Timer();
                --Tiefe;
            }
        };
    }

    void Schritt() {
        const int w = Wuerfel(20);
        if (w < 4)
            Druck(QEvent::MouseButtonPress, Taste());
        else if (w < 8)
            Sende(QEvent::MouseMove, Qt::NoButton, Ort());
        else if (w < 12)
            Druck(QEvent::MouseButtonRelease, Taste());
        else if (w < 13)
            Menue();
        else if (w < 15)
            Senden();
        else if (w < 16)
            F->SetWerkzeug(static_cast<TWerkzeug>(Wuerfel(7)));
        else if (w < 17 && Wuerfel(3) == 0)
            Ansicht();
        else
            F->Timer1Timer();
        if (F->Komponentenliste.Count() > 30)
            LoescheEinGeraet();
    }

    void Pruefe() const {
        const int m = F->Modus;
        ASSERT_TRUE((m >= 0 && m <= 4) || (m >= 10 && m <= 14)) << m;
        ASSERT_TRUE(!F->AktKomponente || F->Komponentenliste.IndexVon(F->AktKomponente) >= 0);
        ASSERT_TRUE(!F->AktKabel || F->Kabelliste.IndexVon(F->AktKabel) >= 0);
        bool da = !F->AktSubnetz;
        for (const auto& s : F->Subnetzliste)
            da = da || s.get() == F->AktSubnetz;
        ASSERT_TRUE(da);
        for (const auto& k : F->Komponentenliste) {
            ASSERT_TRUE(k->GetX() >= 0 && k->GetX() <= 2999 && k->GetY() >= 0 && k->GetY() <= 2999)
                << k->GetX() << "," << k->GetY();
            ASSERT_LE(k->KabelCount(), k->GetMaxPorts());
        }
        for (const auto& s : F->Subnetzliste) {
            const TRect r = s->GetRect();
            ASSERT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= 2999 && r.Bottom <= 2999 &&
                        r.Right - r.Left >= 110 && r.Bottom - r.Top >= 30)
                << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
        }
        for (const auto& k : F->Kabelliste) {
            ASSERT_GE(F->Komponentenliste.IndexVon(k->GetA()), 0);
            ASSERT_GE(F->Komponentenliste.IndexVon(k->GetB()), 0);
        }
    }

    TFenster F;
    int Tiefe = 0;
    int LoeschenUnterwegs = 0;
    int Gesendet = 0;

private:
    // Something for the messages to travel: two addressed stars behind a router, one a hub.
    void Aufbau() {
        TNetz& n = F->Netz;
        auto* hub = n.Neu<TSwitch>(200, 200);
        auto* sw = n.Neu<TSwitch>(400, 200);
        auto* r = n.Neu<TRouter>(300, 350);
        hub->Hub = true;
        r->SetIPText("10.0.0.100");
        r->SetIP2Text("10.1.0.1");
        n.Verbinde(hub, r);
        n.Verbinde(r, sw);
        int nr = 1;
        for (TSwitch* s : {hub, sw}) {
            for (int i = 0; i < 4; ++i) {
                auto* c = n.Neu<TComputer>(s->GetX() - 75 + 50 * i, 80 + 260 * (i % 2));
                c->SetIPText("10.0.0." + std::to_string(nr++));
                n.Verbinde(c, s);
            }
        }
        n.BerechneRouting();
    }

    int Wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Zufall); }

    Qt::MouseButton Taste() {
        const Qt::MouseButton t[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                     Qt::MiddleButton};
        return t[Wuerfel(4)];
    }

    QPoint AufAnsicht(int x, int y) const {
        const int z = F->SBZoom->value();
        return {(x - F->SBHPosition->value()) * 100 / z, (y - F->SBVPosition->value()) * 100 / z};
    }

    // Mostly on or near what is there (devices, cable middles, subnet corners) or a few
    // crowded spots; sometimes anywhere, also beyond the view.
    QPoint Ort() {
        const int wahl = Wuerfel(8);
        const int n = F->Komponentenliste.Count();
        const int k = F->Kabelliste.Count();
        const int s = static_cast<int>(F->Subnetzliste.size());
        QPoint p;
        if (wahl == 0) {
            return {Wuerfel(900) - 150, Wuerfel(800) - 150};
        } else if (wahl <= 2 && n > 0) {
            const TKomponente* d = F->Komponentenliste.GetKomponente(Wuerfel(n));
            p = AufAnsicht(d->GetX(), d->GetY());
        } else if (wahl == 3 && k > 0) {
            const TKabel* c = F->Kabelliste.GetKabel(Wuerfel(k));
            p = AufAnsicht((c->GetA()->GetX() + c->GetB()->GetX()) / 2,
                           (c->GetA()->GetY() + c->GetB()->GetY()) / 2);
        } else if (wahl == 4 && s > 0) {
            const TRect r = F->Subnetzliste[static_cast<std::size_t>(Wuerfel(s))]->GetRect();
            p = AufAnsicht(Wuerfel(2) ? r.Left : r.Right, Wuerfel(2) ? r.Top : r.Bottom);
        } else {
            p = {40 + 30 * Wuerfel(8), 40 + 30 * Wuerfel(6)};
        }
        return p + QPoint(Wuerfel(5) - 2, Wuerfel(5) - 2);
    }

    void Sende(QEvent::Type typ, Qt::MouseButton taste, QPoint p) {
        if (typ == QEvent::MouseButtonPress)
            Gehalten |= taste;
        else if (typ == QEvent::MouseButtonRelease)
            Gehalten &= ~Qt::MouseButtons(taste);
        QMouseEvent e(typ, QPointF(p), QPointF(F->Anzeige->mapToGlobal(p)), taste, Gehalten,
                      Qt::NoModifier);
        QApplication::sendEvent(F->Anzeige, &e);
    }

    void Druck(QEvent::Type typ, Qt::MouseButton t) { Sende(typ, t, Ort()); }

    // A right click that picks one of the offered items, with a random answer ready.
    void Menue() {
        const QPoint p = Ort();
        Sende(QEvent::MouseButtonPress, Qt::RightButton, p);
        F->ComputerPopUpPopup();
        // The display items are always there; the others are what changes the network.
        QStringList sichtbar;
        for (QAction* a : F->ComputerPopUp->actions())
            if (a->isVisible() && (a->text().startsWith("Routingtabelle ") == (Wuerfel(5) == 0)))
                sichtbar << a->text();
        F.Dialoge.MenueWahl.clear();
        if (!sichtbar.isEmpty()) {
            const QString wahl = sichtbar[Wuerfel(static_cast<int>(sichtbar.size()))];
            F.Dialoge.MenueWahl.push_back(wahl);
            if (wahl == QString::fromUtf8("Löschen") && F->Nachrichtenliste.Count() > 0)
                ++LoeschenUnterwegs;
        }
        static const char* antworten[] = {"10.0.0.1",      "10.0.0.2",    "10.0.0.3", "0.0.0.0",
                                          "192.168.0.300", "192.168.o.1", "",         "1.2.3",
                                          "255.255.255.0", " 10.0.0.1"};
        F.Dialoge.Eingaben.clear();
        if (Wuerfel(4) != 0)
            F.Dialoge.Eingaben.push_back(antworten[Wuerfel(10)]);
        Sende(QEvent::MouseButtonRelease, Qt::RightButton, Wuerfel(4) ? p : Ort());
    }

    // From a random computer to a random address that is there, or to "0.0.0.0".
    void Senden() {
        std::vector<const TKomponente*> computer;
        for (const auto& k : F->Komponentenliste)
            if (dynamic_cast<const TComputer*>(k.get()))
                computer.push_back(k.get());
        if (computer.empty())
            return;
        const TKomponente* c =
            computer[static_cast<std::size_t>(Wuerfel(static_cast<int>(computer.size())))];
        const TKomponente* ziel =
            F->Komponentenliste.GetKomponente(Wuerfel(F->Komponentenliste.Count()));
        const QPoint p = AufAnsicht(c->GetX(), c->GetY());
        F.Dialoge.MenueWahl = {"Nachricht senden"};
        F.Dialoge.Eingaben = {QString::fromStdString(ziel->GetIPText())};
        Sende(QEvent::MouseButtonPress, Qt::RightButton, p);
        const int vorher = F->Nachrichtenliste.Count();
        Sende(QEvent::MouseButtonRelease, Qt::RightButton, p);
        F.Dialoge.Eingaben.clear();
        Gesendet += F->Nachrichtenliste.Count() - vorher;
    }

    void Ansicht() {
        F->SBZoom->setValue(100 + Wuerfel(6) * 100 + Wuerfel(2) * 50);
        F->SBHPosition->setValue(Wuerfel(3) * 40);
        F->SBVPosition->setValue(Wuerfel(3) * 40);
    }

    void LoescheEinGeraet() {
        F->AktKabel = nullptr;
        F->AktSubnetz = nullptr;
        F->AktKomponente = F->Komponentenliste.GetKomponente(Wuerfel(F->Komponentenliste.Count()));
        F->Ausfuehren([this] { F->MDeleteClick(); });
    }

    std::mt19937 Zufall;
    Qt::MouseButtons Gehalten;
};

TEST(SoakTest, RandomEditingWithMessagesInFlightKeepsTheNetworkSound) {
    unsigned seed = 4711;
    if (const char* s = std::getenv("VERBUNDO_SOAK_SEED"))
        seed = static_cast<unsigned>(std::strtoul(s, nullptr, 10));
    std::printf("soak seed %u\n", seed);
    TSoak soak(seed);

    int nachrichten = 0;
    for (int i = 0; i < 2000; ++i) {
        soak.Schritt();
        ASSERT_NO_FATAL_FAILURE(soak.Pruefe()) << "step " << i << ", seed " << seed;
        nachrichten = std::max(nachrichten, soak.F->Nachrichtenliste.Count());
    }
    std::printf("most messages in flight %d, deleted while in flight %d\n", nachrichten,
                soak.LoeschenUnterwegs);
    // The run must have exercised what it is for.
    EXPECT_GT(soak.Gesendet, 50);
    EXPECT_GT(nachrichten, 2);
    EXPECT_GT(soak.LoeschenUnterwegs, 0);
    EXPECT_FALSE(soak.F.Dialoge.Fehlermeldungen.empty());
}

} // namespace
} // namespace verbundo::test

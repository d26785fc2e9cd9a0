#include "Melderaufzeichnung.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace verbundo;
using test::Sende;
using test::TMelderaufzeichnung;

namespace {

// Sender - S1 - S2 - destination.
struct TStrecke {
    TNetz Netz;
    TMelderaufzeichnung Melder;
    TComputer* Sender;
    TSwitch* S1;
    TSwitch* S2;
    TComputer* Ziel;
    TKabel* K2;

    TStrecke() {
        Sender = Netz.Neu<TComputer>(0, 0);
        S1 = Netz.Neu<TSwitch>(100, 0);
        S2 = Netz.Neu<TSwitch>(200, 0);
        Ziel = Netz.Neu<TComputer>(300, 0);
        Ziel->SetIPText("10.0.0.3");
        Netz.Verbinde(Sender, S1);
        Netz.Verbinde(S1, S2);
        K2 = Netz.Verbinde(S2, Ziel);
        Netz.BerechneRouting();
        Netz.Nachrichtenliste.SetMelder(&Melder);
    }
    void Takt(int n = 1) {
        for (int i = 0; i < n; ++i)
            Netz.Nachrichtenliste.Takt();
    }
    int Unterwegs() const { return Netz.Nachrichtenliste.Count(); }
};

} // namespace

TEST(Sicherheit, GeloeschterSwitchUndZielMitNachrichtenDaraufUndDahinter) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();                        // the first stands on S1
    Sende(s.Netz, s.Sender, s.Ziel); // the second is behind it
    std::weak_ptr<TKomponente> s1 = test::Zeiger(s.Netz, s.S1);
    s.Netz.EntferneKomponente(s.S1);
    EXPECT_EQ(s.Netz.Kabelliste.Count(), 1);
    // The message on it keeps the switch alive, the cables are gone.
    EXPECT_FALSE(s1.expired());
    EXPECT_EQ(s.Sender->KabelCount(), 0);
    EXPECT_EQ(s.S2->KabelCount(), 1);
    s.Takt();
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_TRUE(s1.expired());

    // A deleted destination lives on for the message and goes with it.
    TStrecke t;
    Sende(t.Netz, t.Sender, t.Ziel);
    t.Takt();
    std::weak_ptr<TKomponente> ziel = test::Zeiger(t.Netz, t.Ziel);
    t.Netz.EntferneKomponente(t.Ziel);
    t.Netz.BerechneRouting();
    EXPECT_FALSE(ziel.expired());
    t.Takt(3);
    EXPECT_EQ(t.Unterwegs(), 0);
    EXPECT_TRUE(ziel.expired());
    EXPECT_TRUE(s.Melder.Meldungen.empty() && t.Melder.Meldungen.empty());
}

TEST(Sicherheit, GeloeschtesKabelUnterUndVorEinerNachricht) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt(2); // at S2
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();                   // the first on K2, the second at S1
    s.Netz.EntferneKabel(s.K2); // tables not computed again, on purpose
    s.Takt();
    ASSERT_EQ(s.Unterwegs(), 1); // the one on the deleted cable is gone
    EXPECT_EQ(s.Netz.Nachrichtenliste.GetNachricht(0).GetPosition(), s.S2);
    s.Takt(); // S2's route names the deleted cable: dropped
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_TRUE(s.Melder.Meldungen.empty());
}

TEST(Sicherheit, LoeschenWaehrendEinerMeldung) {
    // A notice in the middle of a tick deletes a switch and a cable that the messages still
    // to come in that tick stand on.
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt(2);                         // at S2
    Sende(s.Netz, s.Sender, s.Sender); // delivered next tick
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();                      // first at the destination, third at S1
    Sende(s.Netz, s.Ziel, s.Ziel); // delivered after the other two
    ASSERT_EQ(s.Unterwegs(), 3);
    int meldungen = 0;
    s.Melder.Waehrenddessen = [&] {
        if (meldungen++ > 0)
            return;
        s.Netz.EntferneKabel(s.K2);
        s.Netz.EntferneKomponente(s.S1);
        s.Netz.BerechneRouting();
    };
    s.Takt();
    // The message at S1 is dropped at its turn; the one after it is delivered all the same.
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_EQ(meldungen, 2);
    EXPECT_EQ(s.Melder.Meldungen.back().Empfaenger, s.Ziel);
}

TEST(Sicherheit, LeerenOderNetzVerwerfenWaehrendEinerMeldung) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Sender);
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Melder.Waehrenddessen = [&] {
        s.Netz.Kabelliste.Clear();
        s.Netz.Komponentenliste.Clear();
    };
    s.Takt();
    EXPECT_EQ(s.Unterwegs(), 0); // the second found no cable on its sender any more

    // Opening a file during a notice discards every message, also those the running step
    // holds; what is sent afterwards stays.
    TStrecke t;
    Sende(t.Netz, t.Sender, t.Ziel);
    t.Takt();
    Sende(t.Netz, t.Sender, t.Sender);
    Sende(t.Netz, t.Sender, t.Ziel);
    TNetz neu;
    auto* a = neu.Neu<TComputer>(0, 0);
    bool einmal = true;
    t.Melder.Waehrenddessen = [&] {
        if (!std::exchange(einmal, false))
            return;
        t.Netz.Leeren();
        t.Netz.Anhaengen(std::move(neu));
        Sende(t.Netz, a, a);
    };
    t.Takt();
    ASSERT_EQ(t.Unterwegs(), 1);
    EXPECT_EQ(t.Netz.Nachrichtenliste.GetNachricht(0).GetSender(), a);
    t.Takt();
    EXPECT_EQ(t.Unterwegs(), 0);
    EXPECT_EQ(t.Melder.Meldungen.size(), 2u);
}

TEST(Sicherheit, SturmZwischenZweiHubsEndetUnterDerGrenze) {
    TNetz n;
    auto* sender = n.Neu<TComputer>(0, 0);
    auto* h1 = n.Neu<TSwitch>(200, 0);
    auto* h2 = n.Neu<TSwitch>(400, 0);
    for (TSwitch* h : {h1, h2}) {
        h->SetMaxPorts(24);
        h->Hub = true;
    }
    n.Verbinde(sender, h1);
    for (int i = 0; i < 23; ++i)
        n.Verbinde(h1, h2);
    Sende(n, sender, h2);
    auto& liste = n.Nachrichtenliste;
    int takte = 0, groesste = 0;
    while (liste.Count() > 0 && takte < 50) {
        liste.Takt();
        ++takte;
        groesste = std::max(groesste, liste.Count());
        EXPECT_LE(liste.Count(), static_cast<int>(TNachrichtenList::MaxUnterwegs));
    }
    EXPECT_GT(groesste, 90000);
    EXPECT_EQ(liste.Count(), 0);
    EXPECT_LE(takte, 10);
    // Every mark was cleared by the message that set it, at its last turn.
    for (const auto& k : n.Kabelliste)
        EXPECT_FALSE(k->IsAktiv());
}

TEST(Sicherheit, GrenzeZaehltDieNochWartendenMit) {
    // Copies stop once copies made plus messages still to come in this tick reach the cap;
    // later messages still move.
    TNetz n;
    auto* sender = n.Neu<TComputer>(0, 0);
    auto* hub = n.Neu<TSwitch>(200, 0);
    hub->SetMaxPorts(24);
    hub->Hub = true;
    n.Verbinde(sender, hub);
    for (int i = 0; i < 23; ++i)
        n.Verbinde(hub, n.Neu<TDrucker>(300, 10 * i));
    auto* a = n.Neu<TComputer>(900, 900);
    auto* s = n.Neu<TSwitch>(1000, 900);
    n.Verbinde(a, s);
    n.BerechneRouting();
    for (int i = 0; i < 5000; ++i) {
        TNachricht* m = Sende(n, sender, sender);
        m->SetPosition(test::Zeiger(n, hub));
        m->SetKabel(sender->GetKabel(0));
    }
    TNachricht* letzte = Sende(n, a, s);
    n.Nachrichtenliste.Takt();
    EXPECT_EQ(n.Nachrichtenliste.Count(), static_cast<int>(TNachrichtenList::MaxUnterwegs));
    const TNachricht& m = n.Nachrichtenliste.GetNachricht(n.Nachrichtenliste.Count() - 1);
    EXPECT_EQ(&m, letzte);
    EXPECT_EQ(m.GetPosition(), s);
}

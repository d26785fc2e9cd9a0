#include "Melderaufzeichnung.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace verbundo;
using test::Sende;
using test::TMelderaufzeichnung;

namespace {

// Sender - S1 - S2 - destination, with messages on and behind S1.
struct TStrecke {
    TNetz Netz;
    TMelderaufzeichnung Melder;
    TComputer* Sender;
    TSwitch* S1;
    TSwitch* S2;
    TComputer* Ziel;
    TKabel* K0;
    TKabel* K1;
    TKabel* K2;

    TStrecke() {
        Sender = Netz.Neu<TComputer>(0, 0);
        S1 = Netz.Neu<TSwitch>(100, 0);
        S2 = Netz.Neu<TSwitch>(200, 0);
        Ziel = Netz.Neu<TComputer>(300, 0);
        Ziel->SetIPText("10.0.0.3");
        K0 = Netz.Verbinde(Sender, S1);
        K1 = Netz.Verbinde(S1, S2);
        K2 = Netz.Verbinde(S2, Ziel);
        Netz.BerechneRouting();
        Netz.Nachrichtenliste.SetMelder(&Melder);
    }
    void Takt() { Netz.Nachrichtenliste.Takt(); }
    int Unterwegs() const { return Netz.Nachrichtenliste.Count(); }
};

} // namespace

TEST(Sicherheit, GeloeschterSwitchMitNachrichtenDaraufUndDahinter) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();                        // the first stands on S1
    Sende(s.Netz, s.Sender, s.Ziel); // the second is behind it
    std::weak_ptr<TKomponente> s1 = test::Zeiger(s.Netz, s.S1);

    s.Netz.EntferneKomponente(s.S1);
    EXPECT_EQ(s.Netz.Kabelliste.Count(), 1);
    EXPECT_EQ(s.Netz.Komponentenliste.IndexVon(s.S1), -1);
    // The message on it keeps the switch alive, the cables are gone.
    EXPECT_FALSE(s1.expired());
    EXPECT_EQ(s.Sender->KabelCount(), 0);
    EXPECT_EQ(s.S2->KabelCount(), 1);

    s.Takt();
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_TRUE(s1.expired());
    EXPECT_TRUE(s.Melder.Meldungen.empty());
}

TEST(Sicherheit, GeloeschtesKabelUnterEinerNachricht) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();
    s.Takt(); // on K1, at S2
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt(); // the first on K2, the second on K0
    ASSERT_EQ(s.Unterwegs(), 2);
    s.Netz.EntferneKabel(s.K2);
    // The tables still name the cable; they are not computed again here on purpose.
    s.Takt();
    ASSERT_EQ(s.Unterwegs(), 1); // the one on the deleted cable is gone
    EXPECT_EQ(s.Netz.Nachrichtenliste.GetNachricht(0).GetPosition(), s.S2);
    s.Takt(); // S2's route for the destination names the deleted cable: dropped
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_TRUE(s.Melder.Meldungen.empty());
    EXPECT_EQ(s.S2->NaechstesKabel(*s.Ziel), nullptr);
}

TEST(Sicherheit, GeloeschtesZielLebtFuerDieNachrichtWeiter) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();
    std::weak_ptr<TKomponente> ziel = test::Zeiger(s.Netz, s.Ziel);
    s.Netz.EntferneKomponente(s.Ziel);
    s.Netz.BerechneRouting();
    EXPECT_FALSE(ziel.expired());
    for (int i = 0; i < 3; ++i)
        s.Takt();
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_TRUE(ziel.expired());
    EXPECT_TRUE(s.Melder.Meldungen.empty());
}

TEST(Sicherheit, LoeschenWaehrendEinerMeldung) {
    // Something deletes a switch and a cable while a notice is open in the middle of a tick;
    // the messages still to come in that tick stand on them.
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();
    s.Takt();                          // at S2
    Sende(s.Netz, s.Sender, s.Sender); // delivered next tick
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();                      // first at the destination (on K2), third at S1 (on K0)
    Sende(s.Netz, s.Ziel, s.Ziel); // delivered in the next tick, after the other two
    auto& liste = s.Netz.Nachrichtenliste;
    ASSERT_EQ(liste.Count(), 3);
    int meldungen = 0;
    s.Melder.Waehrenddessen = [&] {
        if (meldungen++ > 0)
            return;
        s.Netz.EntferneKabel(s.K2);
        s.Netz.EntferneKomponente(s.S1);
        s.Netz.BerechneRouting();
    };
    s.Takt();
    // The first notice deleted the cable K0 under the message at S1, and S1 itself: that
    // message is dropped at its turn; the one after it is delivered all the same.
    EXPECT_EQ(liste.Count(), 0);
    EXPECT_EQ(meldungen, 2);
    EXPECT_EQ(s.Melder.Meldungen.back().Empfaenger, s.Ziel);
}

TEST(Sicherheit, LeerenWaehrendEinerMeldung) {
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Sender);
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Melder.Waehrenddessen = [&] {
        s.Netz.Kabelliste.Clear();
        s.Netz.Komponentenliste.Clear();
    };
    s.Takt();
    EXPECT_EQ(s.Unterwegs(), 0); // the second found no cable on its sender any more
}

TEST(Sicherheit, NetzVerwerfenWaehrendEinerMeldung) {
    // Opening a file while a notice is open discards every message, also those the running
    // step still holds; what is sent afterwards stays.
    TStrecke s;
    Sende(s.Netz, s.Sender, s.Ziel);
    s.Takt();
    Sende(s.Netz, s.Sender, s.Sender);
    Sende(s.Netz, s.Sender, s.Ziel);
    TNetz neu;
    auto* a = neu.Neu<TComputer>(0, 0);
    bool einmal = true;
    s.Melder.Waehrenddessen = [&] {
        if (!std::exchange(einmal, false))
            return;
        s.Netz.Leeren();
        s.Netz.Anhaengen(std::move(neu));
        Sende(s.Netz, a, a);
    };
    s.Takt();
    ASSERT_EQ(s.Unterwegs(), 1);
    EXPECT_EQ(s.Netz.Nachrichtenliste.GetNachricht(0).GetSender(), a);
    s.Takt();
    EXPECT_EQ(s.Unterwegs(), 0);
    EXPECT_EQ(s.Melder.Meldungen.size(), 2u);
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
    ASSERT_EQ(h1->KabelCount(), 24);
    ASSERT_EQ(h2->KabelCount(), 23);
    Sende(n, sender, h2);
    auto& liste = n.Nachrichtenliste;
    int takte = 0, groesste = 0;
    bool grenzeErreicht = false;
    while (liste.Count() > 0 && takte < 50) {
        liste.Takt();
        ++takte;
        groesste = std::max(groesste, liste.Count());
        EXPECT_LE(liste.Count(), static_cast<int>(TNachrichtenList::MaxUnterwegs));
        grenzeErreicht = grenzeErreicht || liste.Count() > 90000;
    }
    EXPECT_TRUE(grenzeErreicht) << groesste;
    EXPECT_EQ(liste.Count(), 0);
    EXPECT_LE(takte, 10);
    // Every mark was cleared by the message that set it, at its last turn.
    for (const auto& k : n.Kabelliste)
        EXPECT_FALSE(k->IsAktiv());
}

TEST(Sicherheit, GrenzeZaehltDieNochWartendenMit) {
    // Many messages at a hub: copies stop once the messages in flight (copies made plus
    // messages still to come in this tick) reach the cap, and later messages still move.
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
    const int vorne = 5000;
    for (int i = 0; i < vorne; ++i) {
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

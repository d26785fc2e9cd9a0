#include "Melderaufzeichnung.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

using namespace verbundo;
using test::Sende;
using test::TMelderaufzeichnung;

namespace {

// Computer A - switch S - device B on a line, tables computed.
struct TDreier {
    TNetz Netz;
    TMelderaufzeichnung Melder;
    TComputer* A;
    TSwitch* S;
    TDrucker* B;
    TKabel* KA;
    TKabel* KB;

    explicit TDreier(bool druckerAlsZiel = false) {
        A = Netz.Neu<TComputer>(100, 100);
        S = Netz.Neu<TSwitch>(300, 100);
        B = druckerAlsZiel ? Netz.Neu<TDrucker>(500, 100) : Netz.Neu<TComputer>(500, 100);
        A->SetIPText("10.0.0.1");
        B->SetIPText("10.0.0.2");
        KA = Netz.Verbinde(A, S);
        KB = Netz.Verbinde(S, B);
        Netz.BerechneRouting();
        Netz.Nachrichtenliste.SetMelder(&Melder);
    }
    void Takt() { Netz.Nachrichtenliste.Takt(); }
    int Unterwegs() const { return Netz.Nachrichtenliste.Count(); }
};

std::vector<std::string> Texte(const TMelderaufzeichnung& m) {
    std::vector<std::string> t;
    for (const auto& x : m.Meldungen)
        t.push_back(x.Text);
    return t;
}

// A line of n cables from a computer through n - 1 switches to a computer at 10.0.0.2.
struct TKette {
    TNetz Netz;
    TMelderaufzeichnung Melder;
    TComputer* Anfang;
    TComputer* Ende;

    explicit TKette(int kabel) {
        Anfang = Netz.Neu<TComputer>(0, 0);
        TKomponente* vorher = Anfang;
        for (int i = 1; i < kabel; ++i) {
            TKomponente* s = Netz.Neu<TSwitch>(100 * i, 0);
            Netz.Verbinde(vorher, s);
            vorher = s;
        }
        Ende = Netz.Neu<TComputer>(100 * kabel, 0);
        Ende->SetIPText("10.0.0.2");
        Netz.Verbinde(vorher, Ende);
        Netz.BerechneRouting();
        Netz.Nachrichtenliste.SetMelder(&Melder);
    }
};

} // namespace

TEST(Nachricht, NeueNachricht) {
    auto a = std::make_shared<TComputer>(0, 0);
    auto b = std::make_shared<TDrucker>(9, 9);
    const TNachricht m(a, b, "Testnachricht");
    EXPECT_EQ(m.GetSender(), a.get());
    EXPECT_EQ(m.GetZiel(), b.get());
    EXPECT_EQ(m.GetPosition(), a.get());
    EXPECT_EQ(m.GetText(), "Testnachricht");
    EXPECT_EQ(m.GetHops(), 1);
    EXPECT_EQ(m.GetKabel(), nullptr);
}

TEST(Nachricht, NaechsterHopBisZehn) {
    auto a = std::make_shared<TComputer>(0, 0);
    TNachricht m(a, a, "Testnachricht");
    for (int i = 2; i <= 9; ++i) {
        EXPECT_TRUE(m.NaechsterHop());
        EXPECT_EQ(m.GetHops(), i);
    }
    EXPECT_FALSE(m.NaechsterHop());
    EXPECT_EQ(m.GetHops(), 10);
}

TEST(Takt, UeberDenSwitchInDreiTakten) {
    TDreier d;
    TNachricht* m = Sende(d.Netz, d.A, d.B);
    d.Takt();
    ASSERT_EQ(d.Unterwegs(), 1);
    EXPECT_EQ(m->GetPosition(), d.S);
    EXPECT_EQ(m->GetKabel(), d.KA);
    EXPECT_EQ(m->GetHops(), 2);
    EXPECT_TRUE(d.KA->IsAktiv());
    d.Takt();
    ASSERT_EQ(d.Unterwegs(), 1);
    EXPECT_EQ(m->GetPosition(), d.B);
    EXPECT_FALSE(d.KA->IsAktiv());
    EXPECT_TRUE(d.KB->IsAktiv());
    EXPECT_TRUE(d.Melder.Meldungen.empty());
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_FALSE(d.KB->IsAktiv());
    ASSERT_EQ(d.Melder.Meldungen.size(), 1u);
    EXPECT_EQ(d.Melder.Meldungen[0].Empfaenger, d.B);
    EXPECT_EQ(d.Melder.Meldungen[0].Text, "Nachricht angekommen.");
}

TEST(Takt, MailserverUndDrucker) {
    TDreier d;
    static_cast<TComputer*>(d.B)->SetMailserver(true);
    Sende(d.Netz, d.A, d.B);
    for (int i = 0; i < 3; ++i)
        d.Takt();
    EXPECT_EQ(Texte(d.Melder), (std::vector<std::string>{"Nachricht auf Server gespeichert."}));

    TDreier p(true);
    Sende(p.Netz, p.A, p.B);
    for (int i = 0; i < 3; ++i)
        p.Takt();
    EXPECT_EQ(Texte(p.Melder), (std::vector<std::string>{"Nachricht wird gedruckt."}));
}

TEST(Takt, MailserverZaehltBeiDerZustellung) {
    TDreier d;
    Sende(d.Netz, d.A, d.B);
    d.Takt();
    d.Takt();
    static_cast<TComputer*>(d.B)->SetMailserver(true);
    d.Takt();
    EXPECT_EQ(Texte(d.Melder), (std::vector<std::string>{"Nachricht auf Server gespeichert."}));
}

TEST(Takt, AnSichSelbstImErstenTakt) {
    TDreier d;
    Sende(d.Netz, d.A, d.A);
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_FALSE(d.KA->IsAktiv());
    ASSERT_EQ(d.Melder.Meldungen.size(), 1u);
    EXPECT_EQ(d.Melder.Meldungen[0].Empfaenger, d.A);
    EXPECT_EQ(d.Melder.Meldungen[0].Text, "Nachricht angekommen.");
}

TEST(Takt, OhneKabelVerschwindetSieStill) {
    TNetz n;
    TMelderaufzeichnung melder;
    n.Nachrichtenliste.SetMelder(&melder);
    auto* a = n.Neu<TComputer>(0, 0);
    auto* b = n.Neu<TComputer>(100, 0);
    Sende(n, a, b);
    n.Nachrichtenliste.Takt();
    EXPECT_EQ(n.Nachrichtenliste.Count(), 0);
    EXPECT_TRUE(melder.Meldungen.empty());
}

TEST(Takt, LeereListeUndOhneMelder) {
    TNetz n;
    n.Nachrichtenliste.Takt(); // nothing to do, nothing breaks
    auto* a = n.Neu<TComputer>(0, 0);
    Sende(n, a, a);
    n.Nachrichtenliste.Takt(); // delivered without anyone to tell
    EXPECT_EQ(n.Nachrichtenliste.Count(), 0);
    EXPECT_FALSE(n.Nachrichtenliste.IsBusy());
}

TEST(Takt, AchtKabelKommenAn) {
    TKette k(8);
    Sende(k.Netz, k.Anfang, k.Ende);
    for (int i = 0; i < 8; ++i)
        k.Netz.Nachrichtenliste.Takt();
    ASSERT_EQ(k.Netz.Nachrichtenliste.Count(), 1);
    EXPECT_EQ(k.Netz.Nachrichtenliste.GetNachricht(0).GetPosition(), k.Ende);
    EXPECT_EQ(k.Netz.Nachrichtenliste.GetNachricht(0).GetHops(), 9);
    k.Netz.Nachrichtenliste.Takt();
    EXPECT_EQ(k.Netz.Nachrichtenliste.Count(), 0);
    EXPECT_EQ(Texte(k.Melder), (std::vector<std::string>{"Nachricht angekommen."}));
}

TEST(Takt, NeunKabelNicht) {
    TKette k(9);
    Sende(k.Netz, k.Anfang, k.Ende);
    for (int i = 0; i < 8; ++i)
        k.Netz.Nachrichtenliste.Takt();
    ASSERT_EQ(k.Netz.Nachrichtenliste.Count(), 1);
    EXPECT_NE(k.Netz.Nachrichtenliste.GetNachricht(0).GetPosition(), k.Ende);
    k.Netz.Nachrichtenliste.Takt(); // the ninth move is not made
    EXPECT_EQ(k.Netz.Nachrichtenliste.Count(), 0);
    for (int i = 0; i < 5; ++i)
        k.Netz.Nachrichtenliste.Takt();
    EXPECT_TRUE(k.Melder.Meldungen.empty());
}

TEST(Takt, HubKopiertAufJedenAnderenPortInPortfolge) {
    TNetz n;
    TMelderaufzeichnung melder;
    n.Nachrichtenliste.SetMelder(&melder);
    auto* sender = n.Neu<TComputer>(0, 0);
    auto* hub = n.Neu<TSwitch>(200, 0);
    auto* c2 = n.Neu<TComputer>(400, 0);
    auto* c3 = n.Neu<TComputer>(200, 200);
    auto* ziel = n.Neu<TComputer>(200, -200);
    ziel->SetIPText("10.0.0.4");
    hub->Hub = true;
    TKabel* k3 = n.Verbinde(hub, c3); // port 0
    TKabel* k1 = n.Verbinde(sender, hub);
    TKabel* kz = n.Verbinde(ziel, hub);
    TKabel* k2 = n.Verbinde(hub, c2);
    n.BerechneRouting();
    auto& liste = n.Nachrichtenliste;
    Sende(n, sender, ziel);
    liste.Takt();
    ASSERT_EQ(liste.Count(), 1);
    liste.Takt();
    // Three copies, in port order, with the original's hop count.
    ASSERT_EQ(liste.Count(), 3);
    const TKabel* kabel[] = {k3, kz, k2};
    const TKomponente* orte[] = {c3, ziel, c2};
    for (int i = 0; i < 3; ++i) {
        const TNachricht& m = liste.GetNachricht(i);
        EXPECT_EQ(m.GetKabel(), kabel[i]);
        EXPECT_EQ(m.GetPosition(), orte[i]);
        EXPECT_EQ(m.GetHops(), 3);
        EXPECT_EQ(m.GetSender(), sender);
        EXPECT_EQ(m.GetZiel(), ziel);
        EXPECT_EQ(m.GetText(), "Testnachricht");
        EXPECT_TRUE(kabel[i]->IsAktiv());
    }
    EXPECT_FALSE(k1->IsAktiv());
    liste.Takt();
    // The copy at the destination is delivered; the others find only the cable they came by.
    EXPECT_EQ(liste.Count(), 0);
    ASSERT_EQ(melder.Meldungen.size(), 1u);
    EXPECT_EQ(melder.Meldungen[0].Empfaenger, ziel);
}

TEST(Takt, HubKopienNehmenDenPlatzDesOriginalsEin) {
    TNetz n;
    auto* sender = n.Neu<TComputer>(0, 0);
    auto* hub = n.Neu<TSwitch>(200, 0);
    auto* c2 = n.Neu<TComputer>(400, 0);
    auto* c3 = n.Neu<TComputer>(200, 200);
    auto* weit = n.Neu<TComputer>(900, 900);
    auto* s = n.Neu<TSwitch>(900, 700);
    hub->Hub = true;
    n.Verbinde(sender, hub);
    n.Verbinde(hub, c2);
    n.Verbinde(hub, c3);
    n.Verbinde(weit, s);
    n.BerechneRouting();
    auto& liste = n.Nachrichtenliste;
    Sende(n, weit, s);    // first
    Sende(n, sender, c2); // second: will stand at the hub
    liste.Takt();
    Sende(n, weit, s); // third
    ASSERT_EQ(liste.Count(), 3);
    liste.Takt();
    // The first message ends at the switch (never delivered there), the second turns into two
    // copies in its own place, the third moves on behind them.
    ASSERT_EQ(liste.Count(), 3);
    EXPECT_EQ(liste.GetNachricht(0).GetPosition(), c2);
    EXPECT_EQ(liste.GetNachricht(1).GetPosition(), c3);
    EXPECT_EQ(liste.GetNachricht(2).GetPosition(), s);
}

TEST(Takt, ZweiWegeUeberHubsGebenZweiMeldungen) {
    TNetz n;
    TMelderaufzeichnung melder;
    n.Nachrichtenliste.SetMelder(&melder);
    auto* sender = n.Neu<TComputer>(0, 0);
    auto* h1 = n.Neu<TSwitch>(200, 0);
    auto* h2 = n.Neu<TSwitch>(400, 0);
    auto* ziel = n.Neu<TComputer>(600, 0);
    ziel->SetIPText("10.0.0.9");
    h1->Hub = h2->Hub = true;
    n.Verbinde(sender, h1);
    n.Verbinde(h1, h2);
    n.Verbinde(h2, h1); // a second way
    n.Verbinde(h2, ziel);
    n.BerechneRouting();
    Sende(n, sender, ziel);
    for (int i = 0; i < 3; ++i)
        n.Nachrichtenliste.Takt();
    EXPECT_TRUE(melder.Meldungen.empty());
    n.Nachrichtenliste.Takt();
    EXPECT_EQ(melder.Meldungen.size(), 2u);
    for (int i = 0; i < 12; ++i)
        n.Nachrichtenliste.Takt();
    EXPECT_EQ(n.Nachrichtenliste.Count(), 0); // the hop limit ends the ring
    EXPECT_GE(melder.Meldungen.size(), 2u);
    for (const auto& m : melder.Meldungen)
        EXPECT_EQ(m.Empfaenger, ziel);
}

TEST(Takt, SwitchImSwitchbetriebSchicktNurZumZiel) {
    TDreier d;
    auto* dritter = d.Netz.Neu<TComputer>(300, 300);
    TKabel* k3 = d.Netz.Verbinde(d.S, dritter);
    d.Netz.BerechneRouting();
    Sende(d.Netz, d.A, d.B);
    d.Takt();
    d.Takt();
    ASSERT_EQ(d.Unterwegs(), 1);
    EXPECT_FALSE(k3->IsAktiv());
    EXPECT_TRUE(d.KB->IsAktiv());
}

TEST(Takt, GleicheAdresseGehtZumSpaeterenGeraet) {
    TDreier d;
    auto* frueher = d.B;
    auto* spaeter = d.Netz.Neu<TComputer>(300, 300);
    spaeter->SetIPText("10.0.0.2");
    d.Netz.Verbinde(d.S, spaeter);
    d.Netz.BerechneRouting();
    // The address finds the later device, and so does the switch's table.
    ASSERT_EQ(d.Netz.Komponentenliste.FindeIP("10.0.0.2"), spaeter);
    Sende(d.Netz, d.A, spaeter);
    // Even a message meant for the earlier device goes toward the later one.
    Sende(d.Netz, d.A, frueher);
    for (int i = 0; i < 4; ++i)
        d.Takt();
    ASSERT_EQ(d.Melder.Meldungen.size(), 1u);
    EXPECT_EQ(d.Melder.Meldungen[0].Empfaenger, spaeter);
    EXPECT_EQ(d.Unterwegs(), 0);
}

TEST(Takt, SwitchUndRouterNehmenNichtsAn) {
    TDreier d;
    auto* r = d.Netz.Neu<TRouter>(300, -200);
    r->SetIPText("10.0.0.9");
    r->SetIP2Text("192.168.0.1");
    auto* s2 = d.Netz.Neu<TSwitch>(300, 300);
    d.Netz.Verbinde(d.S, r);
    d.Netz.Verbinde(d.S, s2);
    d.Netz.BerechneRouting();
    ASSERT_EQ(d.Netz.Komponentenliste.FindeIP("192.168.0.1"), r);
    Sende(d.Netz, d.A, r);
    Sende(d.Netz, d.A, s2);
    Sende(d.Netz, d.A, d.S);
    bool amZiel = false;
    for (int i = 0; i < 12; ++i) {
        d.Takt();
        for (int j = 0; j < d.Unterwegs(); ++j) {
            const TNachricht& m = d.Netz.Nachrichtenliste.GetNachricht(j);
            amZiel = amZiel || m.GetPosition() == m.GetZiel();
        }
    }
    EXPECT_TRUE(amZiel); // they did get there
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_TRUE(d.Melder.Meldungen.empty());
}

TEST(Takt, AlteTabellenNachAdressaenderung) {
    TDreier d;
    d.B->SetIPText("10.0.0.3");
    Sende(d.Netz, d.A, d.Netz.Komponentenliste.FindeIP("10.0.0.3"));
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 1);
    d.Takt(); // the switch knows no route for the new address
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_TRUE(d.Melder.Meldungen.empty());

    d.Netz.BerechneRouting();
    Sende(d.Netz, d.A, d.B);
    for (int i = 0; i < 3; ++i)
        d.Takt();
    EXPECT_EQ(d.Melder.Meldungen.size(), 1u);
}

TEST(Takt, TaktWaehrendEinerMeldungTutNichts) {
    TDreier d;
    auto* c = d.Netz.Neu<TComputer>(300, 300);
    d.Netz.Verbinde(c, d.S);
    d.Netz.BerechneRouting();
    Sende(d.Netz, d.A, d.A); // delivered in the first tick
    TNachricht* unterwegs = Sende(d.Netz, c, d.B);
    Sende(d.Netz, d.A, d.A);
    int verschachtelt = 0;
    bool busy = false;
    d.Melder.Waehrenddessen = [&] {
        busy = d.Netz.Nachrichtenliste.IsBusy();
        d.Netz.Nachrichtenliste.Takt();
        d.Netz.Nachrichtenliste.Takt();
        ++verschachtelt;
    };
    d.Takt();
    EXPECT_EQ(verschachtelt, 2);
    EXPECT_TRUE(busy);
    EXPECT_FALSE(d.Netz.Nachrichtenliste.IsBusy());
    // The message between the two notices moved exactly one cable.
    ASSERT_EQ(d.Unterwegs(), 1);
    EXPECT_EQ(&d.Netz.Nachrichtenliste.GetNachricht(0), unterwegs);
    EXPECT_EQ(unterwegs->GetPosition(), d.S);
    EXPECT_EQ(unterwegs->GetHops(), 2);
    // Once the notices are closed, ticks go on.
    d.Melder.Waehrenddessen = nullptr;
    d.Takt();
    d.Takt();
    EXPECT_EQ(d.Melder.Meldungen.size(), 3u);
}

TEST(Takt, AktivWirdInDerReiheDerNachrichtGeloescht) {
    // m1 crosses K this tick; m2 arrived over K in the last one and clears K at its turn.
    for (const bool m1Zuerst : {true, false}) {
        TDreier d;
        auto m1 = std::make_unique<TNachricht>(test::Zeiger(d.Netz, d.A), test::Zeiger(d.Netz, d.B),
                                               "Testnachricht");
        auto m2 = std::make_unique<TNachricht>(test::Zeiger(d.Netz, d.A), test::Zeiger(d.Netz, d.B),
                                               "Testnachricht");
        m2->SetPosition(test::Zeiger(d.Netz, d.S));
        m2->SetKabel(d.KA);
        d.KA->SetAktiv(true);
        if (m1Zuerst) {
            d.Netz.Nachrichtenliste.Add(std::move(m1));
            d.Netz.Nachrichtenliste.Add(std::move(m2));
        } else {
            d.Netz.Nachrichtenliste.Add(std::move(m2));
            d.Netz.Nachrichtenliste.Add(std::move(m1));
        }
        d.Takt();
        ASSERT_EQ(d.Unterwegs(), 2);
        // A later message can clear the mark an earlier one has just set.
        EXPECT_EQ(d.KA->IsAktiv(), !m1Zuerst) << m1Zuerst;
        EXPECT_TRUE(d.KB->IsAktiv());
    }
}

TEST(Takt, NieZurueckUeberDasAnkunftskabel) {
    // A switch whose only route to the destination is the cable the message came by.
    TNetz n;
    auto* a = n.Neu<TComputer>(0, 0);
    auto* s = n.Neu<TSwitch>(100, 0);
    auto* b = n.Neu<TComputer>(-100, 0);
    b->SetIPText("10.0.0.5");
    n.Verbinde(a, s);
    n.BerechneRouting();
    // A wrong table, made by hand: the route to b leads back to a.
    s->Routingtabelle.Leeren();
    s->Routingtabelle.Add(b->GetIP(), n.Kabelliste.GetZeiger(0));
    Sende(n, a, b);
    n.Nachrichtenliste.Takt();
    ASSERT_EQ(n.Nachrichtenliste.Count(), 1);
    n.Nachrichtenliste.Takt();
    EXPECT_EQ(n.Nachrichtenliste.Count(), 0);
}

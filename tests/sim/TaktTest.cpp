#include "Melderaufzeichnung.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

using namespace verbundo;
using test::Sende;
using test::TMelderaufzeichnung;
using Texte = std::vector<std::string>;

namespace {

// A network with a notifier; Takt(n) runs n ticks.
struct TBasis {
    TNetz Netz;
    TMelderaufzeichnung Melder;
    TNachrichtenList& Liste = Netz.Nachrichtenliste;
    TBasis() { Liste.SetMelder(&Melder); }
    void Takt(int n = 1) {
        for (int i = 0; i < n; ++i)
            Liste.Takt();
    }
    int Unterwegs() const { return Liste.Count(); }
    Texte Meldungen() const {
        Texte t;
        for (const auto& m : Melder.Meldungen)
            t.push_back(m.Text);
        return t;
    }
};

// Computer A - switch S - device B on a line, tables computed.
struct TDreier : TBasis {
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
    }
};

// A line of n cables from a computer through n - 1 switches to a computer at 10.0.0.2.
struct TKette : TBasis {
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
        Sende(Netz, Anfang, Ende);
    }
};

} // namespace

TEST(Takt, UeberDenSwitchInDreiTakten) {
    TDreier d;
    TKabel* k3 = d.Netz.Verbinde(d.S, d.Netz.Neu<TComputer>(300, 300));
    d.Netz.BerechneRouting();
    TNachricht* m = Sende(d.Netz, d.A, d.B);
    EXPECT_EQ(m->GetHops(), 1);
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
    EXPECT_FALSE(k3->IsAktiv()); // a switch sends only toward the destination
    EXPECT_TRUE(d.Melder.Meldungen.empty());
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_FALSE(d.KB->IsAktiv());
    ASSERT_EQ(d.Melder.Meldungen.size(), 1u);
    EXPECT_EQ(d.Melder.Meldungen[0].Empfaenger, d.B);
    EXPECT_EQ(d.Meldungen(), Texte{"Nachricht angekommen."});

    // Mail server, decided at delivery, and printer.
    Sende(d.Netz, d.A, d.B);
    d.Takt(2);
    static_cast<TComputer*>(d.B)->SetMailserver(true);
    d.Takt();
    TDreier p(true);
    Sende(p.Netz, p.A, p.B);
    p.Takt(3);
    EXPECT_EQ(d.Meldungen().back(), "Nachricht auf Server gespeichert.");
    EXPECT_EQ(p.Meldungen(), Texte{"Nachricht wird gedruckt."});
}

TEST(Takt, AnSichSelbstImErstenTaktOhneKabelStill) {
    TDreier d;
    Sende(d.Netz, d.A, d.A);
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_FALSE(d.KA->IsAktiv());
    ASSERT_EQ(d.Melder.Meldungen.size(), 1u);
    EXPECT_EQ(d.Melder.Meldungen[0].Empfaenger, d.A);

    // Without a cable a message vanishes silently; without a notifier nothing breaks.
    TNetz n;
    n.Nachrichtenliste.Takt();
    auto* a = n.Neu<TComputer>(0, 0);
    Sende(n, a, n.Neu<TComputer>(100, 0));
    Sende(n, a, a);
    n.Nachrichtenliste.Takt();
    EXPECT_EQ(n.Nachrichtenliste.Count(), 0);
    EXPECT_FALSE(n.Nachrichtenliste.IsBusy());
}

TEST(Takt, AchtKabelKommenAnNeunNicht) {
    TKette acht(8);
    acht.Takt(8);
    ASSERT_EQ(acht.Unterwegs(), 1);
    EXPECT_EQ(acht.Liste.GetNachricht(0).GetPosition(), acht.Ende);
    EXPECT_EQ(acht.Liste.GetNachricht(0).GetHops(), 9);
    acht.Takt();
    EXPECT_EQ(acht.Unterwegs(), 0);
    EXPECT_EQ(acht.Meldungen(), Texte{"Nachricht angekommen."});

    TKette neun(9);
    neun.Takt(8);
    ASSERT_EQ(neun.Unterwegs(), 1);
    EXPECT_NE(neun.Liste.GetNachricht(0).GetPosition(), neun.Ende);
    neun.Takt(); // the ninth move is not made
    EXPECT_EQ(neun.Unterwegs(), 0);
    EXPECT_TRUE(neun.Melder.Meldungen.empty());
}

TEST(Takt, HubKopiertAufJedenAnderenPortInPortfolge) {
    TBasis n;
    auto* sender = n.Netz.Neu<TComputer>(0, 0);
    auto* hub = n.Netz.Neu<TSwitch>(200, 0);
    auto* c2 = n.Netz.Neu<TComputer>(400, 0);
    auto* c3 = n.Netz.Neu<TComputer>(200, 200);
    auto* ziel = n.Netz.Neu<TComputer>(200, -200);
    auto* weit = n.Netz.Neu<TComputer>(900, 900);
    auto* s = n.Netz.Neu<TSwitch>(900, 700);
    ziel->SetIPText("10.0.0.4");
    hub->Hub = true;
    TKabel* k3 = n.Netz.Verbinde(hub, c3); // port 0
    TKabel* k1 = n.Netz.Verbinde(sender, hub);
    TKabel* kz = n.Netz.Verbinde(ziel, hub);
    TKabel* k2 = n.Netz.Verbinde(hub, c2);
    n.Netz.Verbinde(weit, s);
    n.Netz.BerechneRouting();
    Sende(n.Netz, weit, s); // ends at the switch, never delivered
    Sende(n.Netz, sender, ziel);
    n.Takt();
    TNachricht* hinten = Sende(n.Netz, weit, s);
    n.Takt();
    // Three copies in port order, in the original's place, with its hop count.
    ASSERT_EQ(n.Unterwegs(), 4);
    const TKabel* kabel[] = {k3, kz, k2};
    const TKomponente* orte[] = {c3, ziel, c2};
    for (int i = 0; i < 3; ++i) {
        const TNachricht& m = n.Liste.GetNachricht(i);
        EXPECT_EQ(m.GetKabel(), kabel[i]);
        EXPECT_EQ(m.GetPosition(), orte[i]);
        EXPECT_EQ(m.GetHops(), 3);
        EXPECT_EQ(m.GetSender(), sender);
        EXPECT_EQ(m.GetZiel(), ziel);
        EXPECT_EQ(m.GetText(), "Testnachricht");
        EXPECT_TRUE(kabel[i]->IsAktiv());
    }
    EXPECT_EQ(&n.Liste.GetNachricht(3), hinten);
    EXPECT_FALSE(k1->IsAktiv());
    n.Takt(2);
    // The copy at the destination is delivered; the others find only the cable they came by.
    EXPECT_EQ(n.Unterwegs(), 0);
    ASSERT_EQ(n.Melder.Meldungen.size(), 1u);
    EXPECT_EQ(n.Melder.Meldungen[0].Empfaenger, ziel);
}

TEST(Takt, ZweiWegeUeberHubsGebenZweiMeldungen) {
    TBasis n;
    auto* sender = n.Netz.Neu<TComputer>(0, 0);
    auto* h1 = n.Netz.Neu<TSwitch>(200, 0);
    auto* h2 = n.Netz.Neu<TSwitch>(400, 0);
    auto* ziel = n.Netz.Neu<TComputer>(600, 0);
    ziel->SetIPText("10.0.0.9");
    h1->Hub = h2->Hub = true;
    n.Netz.Verbinde(sender, h1);
    n.Netz.Verbinde(h1, h2);
    n.Netz.Verbinde(h2, h1); // a second way
    n.Netz.Verbinde(h2, ziel);
    n.Netz.BerechneRouting();
    Sende(n.Netz, sender, ziel);
    n.Takt(3);
    EXPECT_TRUE(n.Melder.Meldungen.empty());
    n.Takt();
    EXPECT_EQ(n.Melder.Meldungen.size(), 2u);
    n.Takt(12);
    EXPECT_EQ(n.Unterwegs(), 0); // the hop limit ends the ring
    for (const auto& m : n.Melder.Meldungen)
        EXPECT_EQ(m.Empfaenger, ziel);
}

TEST(Takt, GleicheAdresseGehtZumSpaeterenGeraet) {
    TDreier d;
    auto* spaeter = d.Netz.Neu<TComputer>(300, 300);
    spaeter->SetIPText("10.0.0.2");
    d.Netz.Verbinde(d.S, spaeter);
    d.Netz.BerechneRouting();
    ASSERT_EQ(d.Netz.Komponentenliste.FindeIP("10.0.0.2"), spaeter);
    Sende(d.Netz, d.A, spaeter);
    Sende(d.Netz, d.A, d.B); // meant for the earlier device, goes toward the later one
    d.Takt(4);
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
    Sende(d.Netz, d.A, r);
    Sende(d.Netz, d.A, s2);
    Sende(d.Netz, d.A, d.S);
    bool amZiel = false;
    for (int i = 0; i < 12; ++i) {
        d.Takt();
        for (int j = 0; j < d.Unterwegs(); ++j) {
            const TNachricht& m = d.Liste.GetNachricht(j);
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
    Sende(d.Netz, d.A, d.B);
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 1);
    d.Takt(); // the switch knows no route for the new address
    EXPECT_EQ(d.Unterwegs(), 0);
    EXPECT_TRUE(d.Melder.Meldungen.empty());
    d.Netz.BerechneRouting();
    Sende(d.Netz, d.A, d.B);
    d.Takt(3);
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
        busy = d.Liste.IsBusy();
        d.Takt(2);
        ++verschachtelt;
    };
    d.Takt();
    EXPECT_EQ(verschachtelt, 2);
    EXPECT_TRUE(busy);
    EXPECT_FALSE(d.Liste.IsBusy());
    // The message between the two notices moved exactly one cable.
    ASSERT_EQ(d.Unterwegs(), 1);
    EXPECT_EQ(&d.Liste.GetNachricht(0), unterwegs);
    EXPECT_EQ(unterwegs->GetPosition(), d.S);
    EXPECT_EQ(unterwegs->GetHops(), 2);
    d.Melder.Waehrenddessen = nullptr; // once the notices are closed, ticks go on
    d.Takt(2);
    EXPECT_EQ(d.Melder.Meldungen.size(), 3u);
}

TEST(Takt, AktivWirdInDerReiheDerNachrichtGeloescht) {
    // m1 crosses KA this tick; m2 arrived over KA in the last one and clears KA at its turn.
    for (const bool m1Zuerst : {true, false}) {
        TDreier d;
        auto neu = [&] {
            return std::make_unique<TNachricht>(test::Zeiger(d.Netz, d.A),
                                                test::Zeiger(d.Netz, d.B), "Testnachricht");
        };
        auto m1 = neu(), m2 = neu();
        m2->SetPosition(test::Zeiger(d.Netz, d.S));
        m2->SetKabel(d.KA);
        d.KA->SetAktiv(true);
        d.Liste.Add(std::move(m1Zuerst ? m1 : m2));
        d.Liste.Add(std::move(m1Zuerst ? m2 : m1));
        d.Takt();
        ASSERT_EQ(d.Unterwegs(), 2);
        // A later message can clear the mark an earlier one has just set.
        EXPECT_EQ(d.KA->IsAktiv(), !m1Zuerst) << m1Zuerst;
        EXPECT_TRUE(d.KB->IsAktiv());
    }
}

TEST(Takt, NieZurueckUeberDasAnkunftskabel) {
    TDreier d;
    // A wrong table, made by hand: the route to B leads back to A.
    d.S->Routingtabelle.Leeren();
    d.S->Routingtabelle.Add(d.B->GetIP(), d.Netz.Kabelliste.GetZeiger(0));
    Sende(d.Netz, d.A, d.B);
    d.Takt();
    ASSERT_EQ(d.Unterwegs(), 1);
    d.Takt();
    EXPECT_EQ(d.Unterwegs(), 0);
}

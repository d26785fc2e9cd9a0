#include "MausHilfe.h"

#include <QAction>

namespace verbundo::test {
namespace {

using MenueTest = TMausFenster;

QStringList Liste(std::initializer_list<const char*> texte) {
    QStringList l;
    for (const char* t : texte)
        l << QString::fromUtf8(t);
    return l;
}

TEST_F(MenueTest, OffersExactlyTheItemsThatFitTheSelection) {
    auto* c = F->Netz.Neu<TComputer>(300, 300);
    F->Netz.Neu<TDrucker>(300, 500);
    auto* s = F->Netz.Neu<TSwitch>(600, 300);
    F->Netz.Neu<TRouter>(600, 500);
    F->Netz.Verbinde(c, s);
    F->Netz.NeuesSubnetz({800, 600, 1000, 700});

    EXPECT_EQ(Menue({300, 300}), Liste({"Löschen", "IP Adresse festlegen", "Mailserver starten",
                                        "Nachricht senden", "Routingtabelle anzeigen"}));
    c->SetMailserver(true);
    EXPECT_EQ(Menue({300, 300}), Liste({"Löschen", "IP Adresse festlegen", "Mailserver stoppen",
                                        "Nachricht senden", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({300, 500}),
              Liste({"Löschen", "IP Adresse festlegen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({600, 300}), Liste({"Löschen", "Berechne Routingtabelle", "Auf Hub umstellen",
                                        "Auf 24 Anschlüsse umstellen", "Routingtabelle anzeigen"}));
    s->Hub = true;
    s->SetMaxPorts(24);
    EXPECT_EQ(Menue({600, 300}),
              Liste({"Löschen", "Berechne Routingtabelle", "Auf Switch umstellen",
                     "Auf 6 Anschlüsse umstellen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({600, 500}),
              Liste({"Löschen", "IP Adresse festlegen", "Zweite IP Adresse festlegen",
                     "Berechne Routingtabelle", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({450, 300}), Liste({"Löschen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({810, 610}), Liste({"Löschen", "Netz ID festlegen", "Subnetmask festlegen",
                                        "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({900, 900}), Liste({"Routingtabelle anzeigen"}));

    Waehle({900, 900}, "Routingtabelle anzeigen");
    EXPECT_EQ(Menue({900, 900}), Liste({"Routingtabelle anzeigen", "Routingtabelle ausblenden"}));
    EXPECT_EQ(Menue({300, 500}), Liste({"Löschen", "IP Adresse festlegen",
                                        "Routingtabelle anzeigen", "Routingtabelle ausblenden"}));
    Waehle({900, 900}, "Routingtabelle ausblenden");
    EXPECT_EQ(Menue({900, 900}), Liste({"Routingtabelle anzeigen"}));
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
}

// C1 - S - C2, addressed, tables computed.
struct TKette {
    TComputer* c1;
    TSwitch* s;
    TComputer* c2;
    TKabel* k1;
    TKabel* k2;
    explicit TKette(TForm1& f) {
        c1 = f.Netz.Neu<TComputer>(300, 300);
        s = f.Netz.Neu<TSwitch>(600, 300);
        c2 = f.Netz.Neu<TComputer>(900, 300);
        c1->SetIPText("10.0.0.1");
        c2->SetIPText("10.0.0.2");
        k1 = f.Netz.Verbinde(c1, s);
        k2 = f.Netz.Verbinde(s, c2);
        f.Netz.BerechneRouting();
    }
};

TEST_F(MenueTest, DeletingADeviceInFlightKeepsItAliveButNeverDeliversToIt) {
    TKette n(*F.Form);
    std::weak_ptr<TKomponente> c2 = F->Komponentenliste.GetZeiger(2);
    F.Dialoge.Eingaben = {"10.0.0.2"};
    Waehle({300, 300}, "Nachricht senden");
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    F->Timer1Timer();

    Waehle({900, 300}, "Löschen");
    EXPECT_EQ(F->AktKomponente, nullptr);
    EXPECT_EQ(F->Komponentenliste.Count(), 2);
    EXPECT_EQ(F->Kabelliste.Count(), 1);
    EXPECT_EQ(F->Komponentenliste.FindeBei(900, 300), nullptr);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000002), nullptr); // recomputed
    EXPECT_FALSE(c2.expired());
    for (int i = 0; i < 10; ++i)
        F->Timer1Timer();
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);
    EXPECT_TRUE(F.Dialoge.Informationen.empty());
    EXPECT_TRUE(c2.expired());
}

TEST_F(MenueTest, DeletingACableRecomputesDeletingASubnetDoesNot) {
    TKette n(*F.Form);
    F->Netz.NeuesSubnetz({200, 500, 400, 600});
    Waehle({450, 300}, "Löschen");
    EXPECT_EQ(F->AktKabel, nullptr);
    ASSERT_EQ(F->Kabelliste.Count(), 1);
    EXPECT_EQ(F->Kabelliste.GetKabel(0), n.k2);
    EXPECT_EQ(n.c1->KabelCount(), 0);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000001), nullptr);

    // An address change is not seen by the tables until they are recomputed.
    n.c2->SetIPText("10.0.0.9");
    Waehle({210, 510}, "Löschen");
    EXPECT_TRUE(F->Subnetzliste.empty());
    EXPECT_EQ(F->AktSubnetz, nullptr);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000002), n.k2);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000009), nullptr);
}

// Selects with a right click (no choice), changes the model behind the canvas's back, then runs
// the command: its redraw, or the lack of one, shows in Puffer.
struct TNeuzeichnen {
    TMausFenster& T;
    QImage Vorher;
    void Vorbereiten(TPunkt auswahl, TKomponente* verschoben) {
        T.Menue(auswahl);
        verschoben->SetPos(verschoben->GetX() + 40, verschoben->GetY());
        Vorher = T.F->Puffer.copy();
    }
    bool Neugezeichnet() const { return T.F->Puffer != Vorher; }
};

TEST_F(MenueTest, AddressDialogsTakeValidTextAndRefuseBadFields) {
    auto* c = F->Netz.Neu<TComputer>(300, 300);
    auto* r = F->Netz.Neu<TRouter>(600, 300);
    TKomponente* schieb = F->Netz.Neu<TDrucker>(900, 600);
    TNeuzeichnen z{*this, {}};

    z.Vorbereiten({300, 300}, schieb);
    F.Dialoge.Eingaben = {"192.168.0.300"};
    F->MIp->trigger();
    ASSERT_EQ(F.Dialoge.Eingabefragen.size(), 1u);
    EXPECT_EQ(F.Dialoge.Eingabefragen[0].caption, "Eingabe der IP-Adresse");
    EXPECT_EQ(F.Dialoge.Eingabefragen[0].prompt, "IP-Adresse:");
    EXPECT_EQ(F.Dialoge.Eingabefragen[0].vorgabe, "0.0.0.0");
    EXPECT_EQ(c->GetIPText(), "192.168.1.44");
    EXPECT_TRUE(z.Neugezeichnet());

    z.Vorbereiten({300, 300}, schieb);
    F->MIp->trigger(); // cancelled: the default comes back
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().vorgabe, "192.168.1.44");
    EXPECT_EQ(c->GetIPText(), "192.168.1.44");
    EXPECT_TRUE(z.Neugezeichnet());

    z.Vorbereiten({300, 300}, schieb);
    F.Dialoge.Eingaben = {"1.2.3"}; // wrong field count: silently kept
    F->MIp->trigger();
    EXPECT_EQ(c->GetIPText(), "192.168.1.44");
    EXPECT_TRUE(z.Neugezeichnet());
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());

    z.Vorbereiten({300, 300}, schieb);
    F.Dialoge.Eingaben = {"192.168.o.1"};
    F->MIp->trigger();
    EXPECT_EQ(F.Dialoge.Fehlermeldungen, std::vector<QString>{"'o' is not a valid integer value"});
    EXPECT_EQ(c->GetIPText(), "192.168.1.44");
    EXPECT_FALSE(z.Neugezeichnet());

    z.Vorbereiten({600, 300}, schieb);
    F.Dialoge.Eingaben = {"10.0.0.1"};
    F->MIp->trigger();
    F.Dialoge.Eingaben = {"10.1.0.1"};
    F->MIp2->trigger();
    EXPECT_EQ(r->GetIPText(), "10.0.0.1");
    EXPECT_EQ(r->GetIP2Text(), "10.1.0.1");
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().caption, "Eingabe der zweiten IP-Adresse");
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().prompt, "IP-Adresse:");
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().vorgabe, "0.0.0.0");

    z.Vorbereiten({600, 300}, schieb);
    F.Dialoge.Eingaben = {""};
    F->MIp2->trigger();
    EXPECT_EQ(F.Dialoge.Fehlermeldungen.size(), 2u);
    EXPECT_EQ(F.Dialoge.Fehlermeldungen.back(), "'' is not a valid integer value");
    EXPECT_EQ(r->GetIP2Text(), "10.1.0.1");
    EXPECT_FALSE(z.Neugezeichnet());
}

TEST_F(MenueTest, NetIdAndMaskDialogs) {
    TSubnet* s = F->Netz.NeuesSubnetz({300, 300, 500, 400});
    TKomponente* schieb = F->Netz.Neu<TDrucker>(900, 600);
    TNeuzeichnen z{*this, {}};

    F.Dialoge.Eingaben = {"192.168.1.0", "255.255.255.0"};
    Waehle({310, 310}, "Netz ID festlegen");
    Waehle({310, 310}, "Subnetmask festlegen");
    EXPECT_EQ(s->GetNetzIDText(), "192.168.1.0");
    EXPECT_EQ(s->GetMaskText(), "255.255.255.0");
    ASSERT_EQ(F.Dialoge.Eingabefragen.size(), 2u);
    EXPECT_EQ(F.Dialoge.Eingabefragen[0].caption, "Eingabe der Netz ID");
    EXPECT_EQ(F.Dialoge.Eingabefragen[0].prompt, "Netz ID:");
    EXPECT_EQ(F.Dialoge.Eingabefragen[0].vorgabe, "0.0.0.0");
    EXPECT_EQ(F.Dialoge.Eingabefragen[1].caption, "Eingabe der Subnetmask");
    EXPECT_EQ(F.Dialoge.Eingabefragen[1].prompt, "Subnetmask:");

    z.Vorbereiten({310, 310}, schieb);
    F.Dialoge.Eingaben = {"255.x.0.0"};
    F->MSubNet->trigger();
    EXPECT_EQ(F.Dialoge.Fehlermeldungen, std::vector<QString>{"'x' is not a valid integer value"});
    EXPECT_EQ(s->GetMaskText(), "255.255.255.0");
    EXPECT_FALSE(z.Neugezeichnet());

    z.Vorbereiten({310, 310}, schieb);
    F->MNetzID->trigger(); // cancelled
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().vorgabe, "192.168.1.0");
    EXPECT_EQ(s->GetNetzIDText(), "192.168.1.0");
    EXPECT_TRUE(z.Neugezeichnet());
}

TEST_F(MenueTest, RecomputesEveryTableWhateverIsSelected) {
    TKette n(*F.Form);
    auto* r = F->Netz.Neu<TRouter>(600, 600);
    F->Netz.Verbinde(n.s, r);
    n.c1->SetIPText("10.0.0.7");
    Waehle({600, 600}, "Berechne Routingtabelle");
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000007), n.k1);
    EXPECT_EQ(r->Routingtabelle.FindeKabel(0x0A000007), r->GetKabel(0));

    n.c2->SetIPText("10.0.0.8");
    Menue({1200, 900});
    ASSERT_EQ(F->AktKomponente, nullptr);
    F->MRoutingClick(); // the selection is not looked at
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000008), n.k2);
    EXPECT_EQ(r->Routingtabelle.FindeKabel(0x0A000008), r->GetKabel(0));
}

TEST_F(MenueTest, HubAndPortToggles) {
    auto* s = F->Netz.Neu<TSwitch>(600, 300);
    Waehle({600, 300}, "Auf Hub umstellen");
    EXPECT_TRUE(s->Hub);
    Waehle({600, 300}, "Auf Switch umstellen");
    EXPECT_FALSE(s->Hub);
    Waehle({600, 300}, "Auf 24 Anschlüsse umstellen");
    EXPECT_EQ(s->GetMaxPorts(), 24);

    std::vector<TKabel*> kabel;
    for (int i = 0; i < 8; ++i)
        kabel.push_back(F->Netz.Verbinde(s, F->Netz.Neu<TComputer>(200 + 100 * i, 800)));
    ASSERT_EQ(s->KabelCount(), 8);
    Waehle({600, 300}, "Auf 6 Anschlüsse umstellen");
    EXPECT_EQ(F.Dialoge.Informationen,
              std::vector<QString>{QString::fromUtf8("Es sind zu vielen Anschlüsse vorhanden\r"
                                                     "Bitte löschen sie 2 Verbindungen")});
    EXPECT_EQ(s->GetMaxPorts(), 24);

    F->Netz.EntferneKabel(kabel[0]);
    F->Netz.EntferneKabel(kabel[1]);
    Waehle({600, 300}, "Auf 6 Anschlüsse umstellen");
    EXPECT_EQ(s->GetMaxPorts(), 6);
    EXPECT_EQ(F.Dialoge.Informationen.size(), 1u);
}

TEST_F(MenueTest, MessageFromTheMenuArrivesWithTheNoticeOfTheMailServerSetting) {
    TKette n(*F.Form);
    auto sende = [&](const char* an) {
        F.Dialoge.Eingaben = {an};
        Waehle({300, 300}, "Nachricht senden");
        for (int i = 0; i < 6 && F->Nachrichtenliste.Count() > 0; ++i)
            F->Timer1Timer();
    };
    sende("10.0.0.2");
    EXPECT_EQ(F.Dialoge.Informationen, std::vector<QString>{"Nachricht angekommen."});
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().caption, "Nachricht senden");
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().prompt, "an IP-Adresse:");
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().vorgabe, "0.0.0.0");

    Waehle({900, 300}, "Mailserver starten");
    EXPECT_TRUE(n.c2->IsMailserver());
    sende("10.0.0.2");
    EXPECT_EQ(F.Dialoge.Informationen.back(), "Nachricht auf Server gespeichert.");
    Waehle({900, 300}, "Mailserver stoppen");
    EXPECT_FALSE(n.c2->IsMailserver());
    sende("10.0.0.2");
    EXPECT_EQ(F.Dialoge.Informationen.back(), "Nachricht angekommen.");
    EXPECT_EQ(F.Dialoge.Informationen.size(), 3u);
}

TEST_F(MenueTest, SendFindsTheLastDeviceWithTheAddressOrNothing) {
    TKette n(*F.Form);
    auto sende = [&](const char* an) {
        if (an)
            F.Dialoge.Eingaben = {an};
        Waehle({300, 300}, "Nachricht senden");
    };
    sende("10.9.9.9");
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);

    sende(nullptr); // cancelled: "0.0.0.0", which only the switch still carries
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetZiel(), n.s);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetSender(), n.c1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetText(), "Testnachricht");
    F->Nachrichtenliste.Clear();

    auto* doppelt = F->Netz.Neu<TDrucker>(900, 600);
    doppelt->SetIPText("10.0.0.2");
    sende("10.0.0.2");
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetZiel(), doppelt);
    F->Nachrichtenliste.Clear();

    // To itself: delivered at the next tick.
    sende("10.0.0.1");
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetPosition(), n.c1);
    F->Timer1Timer();
    EXPECT_EQ(F.Dialoge.Informationen, std::vector<QString>{"Nachricht angekommen."});
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);
}

} // namespace
} // namespace verbundo::test

#include "Testhilfe.h"

#include <QAction>

namespace verbundo::test {
namespace {

using MenueTest = TMausFenster;

TEST_F(MenueTest, OffersExactlyTheItemsThatFitTheSelection) {
    auto* c = F->Netz.Neu<TComputer>(300, 300);
    F->Netz.Neu<TDrucker>(300, 500);
    auto* s = F->Netz.Neu<TSwitch>(600, 300);
    F->Netz.Neu<TRouter>(600, 500);
    F->Netz.Verbinde(c, s);
    F->Netz.NeuesSubnetz({800, 600, 1000, 700});

    EXPECT_EQ(Menue({300, 300}),
              QStringList({"Löschen", "IP Adresse festlegen", "Mailserver starten",
                           "Nachricht senden", "Routingtabelle anzeigen"}));
    c->SetMailserver(true);
    EXPECT_EQ(Menue({300, 300}),
              QStringList({"Löschen", "IP Adresse festlegen", "Mailserver stoppen",
                           "Nachricht senden", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({300, 500}),
              QStringList({"Löschen", "IP Adresse festlegen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({600, 300}),
              QStringList({"Löschen", "Berechne Routingtabelle", "Auf Hub umstellen",
                           "Auf 24 Anschlüsse umstellen", "Routingtabelle anzeigen"}));
    s->Hub = true;
    s->SetMaxPorts(24);
    EXPECT_EQ(Menue({600, 300}),
              QStringList({"Löschen", "Berechne Routingtabelle", "Auf Switch umstellen",
                           "Auf 6 Anschlüsse umstellen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({600, 500}),
              QStringList({"Löschen", "IP Adresse festlegen", "Zweite IP Adresse festlegen",
                           "Berechne Routingtabelle", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({450, 300}), QStringList({"Löschen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({810, 610}), QStringList({"Löschen", "Netz ID festlegen",
                                              "Subnetmask festlegen", "Routingtabelle anzeigen"}));
    EXPECT_EQ(Menue({900, 900}), QStringList({"Routingtabelle anzeigen"}));

    Waehle({900, 900}, "Routingtabelle anzeigen");
    EXPECT_EQ(Menue({900, 900}),
              QStringList({"Routingtabelle anzeigen", "Routingtabelle ausblenden"}));
    EXPECT_EQ(Menue({300, 500}),
              QStringList({"Löschen", "IP Adresse festlegen", "Routingtabelle anzeigen",
                           "Routingtabelle ausblenden"}));
    Waehle({900, 900}, "Routingtabelle ausblenden");
    EXPECT_EQ(Menue({900, 900}), QStringList({"Routingtabelle anzeigen"}));
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
}

// C1 - S - C2, addressed, tables computed.
struct TKette {
    TNetz& n;
    TComputer* c1 = n.Neu<TComputer>(300, 300);
    TSwitch* s = n.Neu<TSwitch>(600, 300);
    TComputer* c2 = n.Neu<TComputer>(900, 300);
    TKabel* k1 = n.Verbinde(c1, s);
    TKabel* k2 = n.Verbinde(s, c2);
    explicit TKette(TForm1& f) : n(f.Netz) {
        c1->SetIPText("10.0.0.1");
        c2->SetIPText("10.0.0.2");
        n.BerechneRouting();
    }
};

TEST_F(MenueTest, DeletingDeviceInFlightSubnetAndCable) {
    TKette n(*F.Form);
    F->Netz.NeuesSubnetz({200, 500, 400, 600});
    std::weak_ptr<TKomponente> c2 = F->Komponentenliste.GetZeiger(2);
    F.Dialoge.Eingaben = {"10.0.0.2"};
    Waehle({300, 300}, "Nachricht senden");
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    F->Timer1Timer();
    // Kept alive while the message is under way, but never delivered to.
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

    // Deleting a subnet does not recompute: an address change is not seen yet.
    n.c1->SetIPText("10.0.0.9");
    Waehle({210, 510}, "Löschen");
    EXPECT_TRUE(F->Subnetzliste.empty());
    EXPECT_EQ(F->AktSubnetz, nullptr);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000001), n.k1);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000009), nullptr);
    // Deleting a cable does.
    Waehle({450, 300}, "Löschen");
    EXPECT_EQ(F->AktKabel, nullptr);
    EXPECT_EQ(F->Kabelliste.Count(), 0);
    EXPECT_EQ(n.c1->KabelCount(), 0);
    EXPECT_EQ(n.s->Routingtabelle.FindeKabel(0x0A000001), nullptr);
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

TEST_F(MenueTest, AddressNetIdAndMaskDialogsTakeValidTextAndRefuseBadFields) {
    auto* c = F->Netz.Neu<TComputer>(300, 300);
    auto* r = F->Netz.Neu<TRouter>(600, 300);
    TKomponente* schieb = F->Netz.Neu<TDrucker>(900, 600);
    TNeuzeichnen z{*this, {}};
    auto frage = [&](int i) {
        const auto& v = F.Dialoge.Eingabefragen;
        const auto& f = v.at(i < 0 ? v.size() + i : std::size_t(i));
        return (f.caption + "|" + f.prompt + "|" + f.vorgabe).toStdString();
    };

    z.Vorbereiten({300, 300}, schieb);
    F.Dialoge.Eingaben = {"192.168.0.300"};
    F->MIp->trigger();
    EXPECT_EQ(frage(-1), "Eingabe der IP-Adresse|IP-Adresse:|0.0.0.0");
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
    EXPECT_EQ(frage(-1), "Eingabe der zweiten IP-Adresse|IP-Adresse:|0.0.0.0");

    z.Vorbereiten({600, 300}, schieb);
    F.Dialoge.Eingaben = {""};
    F->MIp2->trigger();
    EXPECT_EQ(F.Dialoge.Fehlermeldungen.size(), 2u);
    EXPECT_EQ(F.Dialoge.Fehlermeldungen.back(), "'' is not a valid integer value");
    EXPECT_EQ(r->GetIP2Text(), "10.1.0.1");
    EXPECT_FALSE(z.Neugezeichnet());

    // The subnet's net ID and mask.
    TSubnet* s = F->Netz.NeuesSubnetz({1000, 100, 1200, 200});
    F.Dialoge.Fehlermeldungen.clear();
    F.Dialoge.Eingaben = {"192.168.1.0", "255.255.255.0"};
    Waehle({1010, 110}, "Netz ID festlegen");
    Waehle({1010, 110}, "Subnetmask festlegen");
    EXPECT_EQ(s->GetNetzIDText(), "192.168.1.0");
    EXPECT_EQ(s->GetMaskText(), "255.255.255.0");
    EXPECT_EQ(frage(-2), "Eingabe der Netz ID|Netz ID:|0.0.0.0");
    EXPECT_EQ(frage(-1), "Eingabe der Subnetmask|Subnetmask:|0.0.0.0");

    z.Vorbereiten({1010, 110}, schieb);
    F.Dialoge.Eingaben = {"255.x.0.0"};
    F->MSubNet->trigger();
    EXPECT_EQ(F.Dialoge.Fehlermeldungen, std::vector<QString>{"'x' is not a valid integer value"});
    EXPECT_EQ(s->GetMaskText(), "255.255.255.0");
    EXPECT_FALSE(z.Neugezeichnet());

    z.Vorbereiten({1010, 110}, schieb);
    F->MNetzID->trigger(); // cancelled
    EXPECT_EQ(F.Dialoge.Eingabefragen.back().vorgabe, "192.168.1.0");
    EXPECT_EQ(s->GetNetzIDText(), "192.168.1.0");
    EXPECT_TRUE(z.Neugezeichnet());
}

TEST_F(MenueTest, RecomputesEveryTableWhateverIsSelectedAndTogglesHubAndPorts) {
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

    auto* s = F->Netz.Neu<TSwitch>(1100, 500);
    Waehle({1100, 500}, "Auf Hub umstellen");
    EXPECT_TRUE(s->Hub);
    Waehle({1100, 500}, "Auf Switch umstellen");
    EXPECT_FALSE(s->Hub);
    Waehle({1100, 500}, "Auf 24 Anschlüsse umstellen");
    EXPECT_EQ(s->GetMaxPorts(), 24);

    std::vector<TKabel*> kabel;
    for (int i = 0; i < 8; ++i)
        kabel.push_back(F->Netz.Verbinde(s, F->Netz.Neu<TComputer>(200 + 100 * i, 800)));
    ASSERT_EQ(s->KabelCount(), 8);
    Waehle({1100, 500}, "Auf 6 Anschlüsse umstellen");
    EXPECT_EQ(F.Dialoge.Informationen,
              std::vector<QString>{QString::fromUtf8("Es sind zu vielen Anschlüsse vorhanden\r"
                                                     "Bitte löschen sie 2 Verbindungen")});
    EXPECT_EQ(s->GetMaxPorts(), 24);

    F->Netz.EntferneKabel(kabel[0]);
    F->Netz.EntferneKabel(kabel[1]);
    Waehle({1100, 500}, "Auf 6 Anschlüsse umstellen");
    EXPECT_EQ(s->GetMaxPorts(), 6);
    EXPECT_EQ(F.Dialoge.Informationen.size(), 1u);
}

TEST_F(MenueTest, MessageFromTheMenuGoesToTheLastDeviceWithTheAddressAndArrivesWithItsNotice) {
    TKette n(*F.Form);
    auto sende = [&](const char* an, bool bisAnkunft) {
        if (an)
            F.Dialoge.Eingaben = {an};
        Waehle({300, 300}, "Nachricht senden");
        for (int i = 0; bisAnkunft && i < 6 && F->Nachrichtenliste.Count() > 0; ++i)
            F->Timer1Timer();
    };
    sende("10.9.9.9", false);
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);
    sende(nullptr, false); // cancelled: "0.0.0.0", which only the switch still carries
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetZiel(), n.s);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetSender(), n.c1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetText(), "Testnachricht");
    F->Nachrichtenliste.Clear();

    sende("10.0.0.2", true);
    EXPECT_EQ(F.Dialoge.Informationen, std::vector<QString>{"Nachricht angekommen."});
    const auto& f = F.Dialoge.Eingabefragen.back();
    EXPECT_EQ(f.caption + "|" + f.prompt + "|" + f.vorgabe,
              "Nachricht senden|an IP-Adresse:|0.0.0.0");
    Waehle({900, 300}, "Mailserver starten");
    EXPECT_TRUE(n.c2->IsMailserver());
    sende("10.0.0.2", true);
    EXPECT_EQ(F.Dialoge.Informationen.back(), "Nachricht auf Server gespeichert.");
    Waehle({900, 300}, "Mailserver stoppen");
    EXPECT_FALSE(n.c2->IsMailserver());
    sende("10.0.0.2", true);
    EXPECT_EQ(F.Dialoge.Informationen.back(), "Nachricht angekommen.");
    EXPECT_EQ(F.Dialoge.Informationen.size(), 3u);

    auto* doppelt = F->Netz.Neu<TDrucker>(900, 600);
    doppelt->SetIPText("10.0.0.2");
    sende("10.0.0.2", false);
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetZiel(), doppelt);
    F->Nachrichtenliste.Clear();
    // To itself: delivered at the next tick.
    sende("10.0.0.1", false);
    ASSERT_EQ(F->Nachrichtenliste.Count(), 1);
    EXPECT_EQ(F->Nachrichtenliste.GetNachricht(0).GetPosition(), n.c1);
    F->Timer1Timer();
    EXPECT_EQ(F.Dialoge.Informationen.size(), 4u);
    EXPECT_EQ(F->Nachrichtenliste.Count(), 0);
}

} // namespace
} // namespace verbundo::test

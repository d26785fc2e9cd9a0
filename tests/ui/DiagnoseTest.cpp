#include "Testhilfe.h"

#include "diag/Konsole.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace verbundo::test {
namespace {

using DiagnoseTest = TMausFenster;

TEST_F(DiagnoseTest, ConfigurationTestReportsInOneBoxAndChangesNothing) {
    auto* c1 = F->Netz.Neu<TComputer>(300, 300);
    F->Netz.Neu<TSwitch>(400, 300);
    auto* c2 = F->Netz.Neu<TComputer>(500, 300);
    c1->SetIPText("192.168.1.2");
    c2->SetIPText("192.168.1.3");
    TSubnet* s = F->Netz.NeuesSubnetz({200, 200, 700, 400});
    s->SetNetzIDText("192.168.1.0");
    s->SetMaskText("255.255.255.0");
    F->Timer1->start();
    QTest::mouseClick(F->Button2, Qt::LeftButton);
    EXPECT_EQ(F.Dialoge.Informationen,
              std::vector<QString>{"Alle Ip-Adressen sind korrekt eingestellt."});

    // A net ID with a host bit: one subnet error and both computers misplaced.
    s->SetNetzIDText("192.168.1.5");
    c1->SetPos(320, 300); // behind the canvas's back: a redraw would show it
    const QImage vorher = F->Puffer.copy();
    QTest::mouseClick(F->Button2, Qt::LeftButton);
    ASSERT_EQ(F.Dialoge.Informationen.size(), 2u);
    EXPECT_EQ(F.Dialoge.Informationen[1], "Es sind noch 3 Fehler vorhanden.");
    EXPECT_TRUE(F->Timer1->isActive());
    EXPECT_EQ(F->Puffer, vorher);
    EXPECT_EQ(s->GetNetzIDText(), "192.168.1.5");
    EXPECT_EQ(c1->GetIPText(), "192.168.1.2");
    EXPECT_EQ(F->Komponentenliste.Count(), 3);
}

// A on a hub with B, R (to the far side S2 - C), an uncabled printer P and two unaddressed
// computers U1, U2: the hub sends 0.0.0.0 to U2, so the walk to U1 comes back to the hub.
TComputer* AnzeigeNetz(TNetz& n) {
    auto* a = n.Neu<TComputer>(200, 200);
    auto* h = n.Neu<TSwitch>(400, 200);
    auto* b = n.Neu<TComputer>(400, 400);
    auto* r = n.Neu<TRouter>(600, 200);
    auto* s2 = n.Neu<TSwitch>(800, 200);
    auto* c = n.Neu<TComputer>(800, 400);
    n.Neu<TDrucker>(1000, 600)->SetIPText("192.168.100.109");
    h->Hub = true;
    a->SetIPText("192.168.100.102");
    b->SetIPText("192.168.100.110");
    r->SetIPText("100.100.100.1");
    r->SetIP2Text("192.168.100.100");
    c->SetIPText("100.100.100.200");
    for (auto [x, y] : {std::pair<TKomponente*, TKomponente*>{a, h},
                        {h, b},
                        {h, r},
                        {r, s2},
                        {s2, c},
                        {h, n.Neu<TComputer>(300, 400)},
                        {h, n.Neu<TComputer>(500, 400)}})
        n.Verbinde(x, y);
    n.BerechneRouting();
    return a;
}

QStringList Zeilen(const QListWidget& l) {
    QStringList z;
    for (int i = 0; i < l.count(); ++i)
        z << l.item(i)->text();
    return z;
}

TEST_F(DiagnoseTest, RoutingDisplayListsEveryReachableWayInListBoxOrder) {
    TComputer* a = AnzeigeNetz(F->Netz);
    const QStringList erwartet{
        "0.0.0.0 : direkte Verbindung",
        "0.0.0.0 : keine Verbindung",
        "100.100.100.1 : direkte Verbindung",
        QString::fromUtf8("100.100.100.200 : über Router 192.168.100.100"),
        "192.168.100.109 : keine Verbindung",
        "192.168.100.110 : direkte Verbindung",
    };
    Waehle({200, 200}, "Routingtabelle anzeigen");
    EXPECT_EQ(Zeilen(*F->ListBox1), erwartet);
    EXPECT_FALSE(F->ListBox1->isHidden());
    EXPECT_FALSE(F->RoutingTabelle->isHidden());

    const QFontMetrics fm(F->ListBox1->font());
    int breitest = 0;
    for (const QString& z : erwartet)
        breitest = std::max(breitest, fm.horizontalAdvance(z));
    EXPECT_EQ(F->HorizontalerUmfang, breitest + 5);
    EXPECT_EQ(F->ListBox1->visualItemRect(F->ListBox1->item(0)).height(), 14);
    // The widest line is wider than the box: the scroll bar reaches exactly the extent.
    QApplication::processEvents();
    const int sichtbar = F->ListBox1->viewport()->width();
    ASSERT_GT(F->HorizontalerUmfang, sichtbar);
    EXPECT_EQ(F->ListBox1->horizontalScrollBar()->maximum(), F->HorizontalerUmfang - sichtbar);

    // A snapshot: later changes do not show; showing again rebuilds, without doubling.
    a->SetPos(260, 200);
    F->Netz.EntferneKomponente(F->Komponentenliste.GetKomponente(6)); // the printer
    EXPECT_EQ(Zeilen(*F->ListBox1), erwartet);
    Waehle({260, 200}, "Routingtabelle anzeigen");
    QStringList ohneDrucker = erwartet;
    ohneDrucker.removeAt(4);
    EXPECT_EQ(Zeilen(*F->ListBox1), ohneDrucker);

    // Without a device the display is shown empty.
    Waehle({1200, 900}, "Routingtabelle anzeigen");
    EXPECT_EQ(F->ListBox1->count(), 0);
    EXPECT_EQ(F->HorizontalerUmfang, 5);
    EXPECT_FALSE(F->ListBox1->isHidden());
    QApplication::processEvents();
    EXPECT_EQ(F->ListBox1->horizontalScrollBar()->maximum(), 0);

    Waehle({260, 200}, "Routingtabelle ausblenden");
    EXPECT_TRUE(F->ListBox1->isHidden());
    EXPECT_TRUE(F->RoutingTabelle->isHidden());
    EXPECT_EQ(F->ListBox1->count(), 0);
}

TEST_F(DiagnoseTest, ConsoleButtonsHandTheLauncherEachWordSeparately) {
    auto& aufrufe = F.Starter.Aufrufe;
    // The first terminal, a shell running the script, then the words as "$@".
    auto pruefe = [&](const QString& befehl, const QStringList& woerter) {
        ASSERT_EQ(aufrufe.size(), 1u);
        EXPECT_EQ(aufrufe[0].programm, "x-terminal-emulator");
        const QStringList& a = aufrufe[0].argumente;
        ASSERT_EQ(a.size(), 5 + woerter.size());
        EXPECT_EQ(a.mid(0, 3), (QStringList{"-e", "/bin/sh", "-c"}));
        EXPECT_TRUE(a[3].contains(befehl)) << a[3].toStdString();
        EXPECT_EQ(a[4], "sh");
        EXPECT_EQ(a.mid(5), woerter);
        aufrufe.clear();
    };

    QTest::mouseClick(F->BIpConfig, Qt::LeftButton);
    pruefe("ip address show", {});
    QTest::mouseClick(F->BRoute, Qt::LeftButton);
    pruefe("ip route show", {});

    EXPECT_EQ(F->Edit1->text(), "0.0.0.0");
    const std::pair<QString, QStringList> spur[] = {
        {"0.0.0.0", QStringList{"0.0.0.0"}},
        {"", QStringList{}},
        {"example.org  -m 5", QStringList{"example.org", "-m", "5"}}};
    for (const auto& [text, woerter] : spur) {
        F->Edit1->setText(text);
        QTest::mouseClick(F->Tracert, Qt::LeftButton);
        pruefe("traceroute \"$@\"", woerter);
    }
    F->Edit1->setText("; rm -rf x");
    QTest::mouseClick(F->Tracert, Qt::LeftButton);
    QStringList kern;
    const auto befehl = TracertBefehl("; rm -rf x");
    for (const std::string& w : befehl.Kandidaten.at(0).Argumente)
        kern << QString::fromStdString(w);
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].argumente, kern);
    pruefe("traceroute \"$@\"", {";", "rm", "-rf", "x"});

    // Two clicks, two consoles; a terminal that does not start gives way to the next.
    QTest::mouseClick(F->BRoute, Qt::LeftButton);
    QTest::mouseClick(F->BRoute, Qt::LeftButton);
    EXPECT_EQ(aufrufe.size(), 2u);
    aufrufe.clear();
    F.Starter.Gelingt = false;
    QTest::mouseClick(F->BIpConfig, Qt::LeftButton);
    QStringList programme;
    for (const auto& a : aufrufe)
        programme << a.programm;
    EXPECT_EQ(programme, (QStringList{"x-terminal-emulator", "gnome-terminal", "konsole",
                                      "xfce4-terminal", "xterm"}));
    EXPECT_TRUE(F.Dialoge.Informationen.empty());
    EXPECT_TRUE(F.Dialoge.Fehlermeldungen.empty());
}

} // namespace
} // namespace verbundo::test

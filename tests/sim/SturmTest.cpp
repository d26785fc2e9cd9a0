// A broadcast storm is bounded: hub copies stop at the cap of messages in flight.

#include "sim/Netz.h"
#include "sim/Protokoll.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace verbundo;

namespace {

TNachricht* Sende(TNetz& n, const TKomponente* von, const TKomponente* an) {
    auto m = std::make_unique<TNachricht>(n.Komponentenliste.ZeigerVon(von),
                                          n.Komponentenliste.ZeigerVon(an), "Testnachricht");
    TNachricht* roh = m.get();
    n.Nachrichtenliste.Add(std::move(m));
    return roh;
}

} // namespace

TEST(Sturm, SturmZwischenZweiHubsEndetUnterDerGrenze) {
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

TEST(Sturm, GrenzeZaehltDieNochWartendenMit) {
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
        m->SetPosition(n.Komponentenliste.ZeigerVon(hub));
        m->SetKabel(sender->GetKabel(0));
    }
    TNachricht* letzte = Sende(n, a, s);
    TProtokollSpeicher protokoll;
    n.Nachrichtenliste.SetProtokoll(&protokoll);
    n.Nachrichtenliste.Takt();
    // The log keeps only the newest lines; the copies not made are among them.
    const std::vector<std::string> zeilen = protokoll.Zeilen();
    EXPECT_EQ(zeilen.size(), TProtokollSpeicher::Grenze);
    EXPECT_GT(protokoll.Geschrieben(), TNachrichtenList::MaxUnterwegs);
    EXPECT_NE(zeilen[zeilen.size() - 2].find("nicht: Es sind schon 100 000"), std::string::npos);
    EXPECT_EQ(n.Nachrichtenliste.Count(), static_cast<int>(TNachrichtenList::MaxUnterwegs));
    const TNachricht& m = n.Nachrichtenliste.GetNachricht(n.Nachrichtenliste.Count() - 1);
    EXPECT_EQ(&m, letzte);
    EXPECT_EQ(m.GetPosition(), s);
}

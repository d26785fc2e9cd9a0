#include "Aufzeichner.h"
#include "model/Komponente.h"
#include "model/Subnetz.h"

#include <gtest/gtest.h>

using namespace verbundo;
using test::TAufzeichner;
using Zeilen = std::vector<std::string>;

TEST(Zeichnen, IconUndAdressenMittigDarunter) {
    TAufzeichner l;
    TComputer c(100, 200);
    c.Zeichne(l); // "0.0.0.0": 35 pixels, half truncated to 17
    TComputer m(100, 200);
    m.SetIPText("10.0.0.1"); // 40 pixels
    m.SetMailserver(true);
    m.Zeichne(l);
    TRouter r(300, 40);
    r.SetIPText("10.0.0.1");
    r.SetIP2Text("192.168.100.25"); // 70 pixels
    r.Zeichne(l);
    TSwitch s(16, 16);
    s.Hub = true;
    s.Zeichne(l);
    EXPECT_EQ(
        l.Aufrufe,
        (Zeilen{"Bild Computer 84 184 32 32", "Schrift Arial Narrow 8", "Text 83 220 0.0.0.0",
                "Bild Mailserver 84 184 32 32", "Schrift Arial Narrow 8", "Text 80 220 10.0.0.1",
                "Bild Router 284 24 32 32", "Schrift Arial Narrow 8", "Text 280 60 10.0.0.1",
                "Text 265 72 192.168.100.25", "Bild Switch 0 0 32 32"}));
}

TEST(Zeichnen, UngeradeBreiteWirdZurNullHinAbgeschnitten) {
    TAufzeichner l;
    l.Breite = [](const std::string&) { return 1; };
    TDrucker d(0, 0);
    d.Zeichne(l);
    l.Breite = [](const std::string&) { return 33; };
    d.SetPos(-5, 7);
    d.Zeichne(l);
    EXPECT_EQ(l.Aufrufe, (Zeilen{"Bild Drucker -16 -16 32 32", "Schrift Arial Narrow 8",
                                 "Text 0 20 0.0.0.0", "Bild Drucker -21 -9 32 32",
                                 "Schrift Arial Narrow 8", "Text -21 27 0.0.0.0"}));
}

TEST(Zeichnen, SubnetzRahmenUndBeschriftung) {
    TAufzeichner l;
    TSubnet s({100, 50, 400, 300});
    s.SetNetzIDText("192.168.1.0");
    s.SetMaskText("255.255.255.0");
    s.Zeichne(l);
    // W = width of "Subnetmask:" = 55; the values start at Left + W + 4.
    EXPECT_EQ(l.Aufrufe, (Zeilen{"Pinsel leer", "StiftBreite 1", "Stift gepunktet",
                                 "Rechteck 100 50 400 300", "Stift durchgezogen", "Pinsel voll",
                                 "Text 102 44 Netz-Id:", "Text 102 56 Subnetmask:",
                                 "Text 159 44 192.168.1.0", "Text 159 56 255.255.255.0"}));
    // The column follows the measured width.
    l.Aufrufe.clear();
    l.Breite = [](const std::string& t) { return t == "Subnetmask:" ? 61 : 3; };
    s.SetRect({-20, 10, 0, 20});
    s.Zeichne(l);
    EXPECT_EQ(l.Aufrufe[3], "Rechteck -20 10 0 20");
    EXPECT_EQ(l.Aufrufe[8], "Text 45 4 192.168.1.0");
    EXPECT_EQ(l.Aufrufe[9], "Text 45 16 255.255.255.0");
}

// The words of a task: device letters, points, and the nets a check may name.

#include "diag/Aufgabe.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>

namespace verbundo {
namespace {

TEST(Aufgabentexte, BuchstabenPunkteUndNetzangaben) {
    for (const auto& [stelle, text] : {std::pair{0, "A"},
                                       {25, "Z"},
                                       {26, "AA"},
                                       {27, "AB"},
                                       {51, "AZ"},
                                       {52, "BA"},
                                       {701, "ZZ"},
                                       {702, "AAA"}})
        EXPECT_EQ(Kennbuchstaben(stelle), text);
    EXPECT_EQ(Punktetext(1), "1 Punkt");
    EXPECT_EQ(Punktetext(0), "0 Punkte");
    EXPECT_EQ(Ergebnistext(1, 1), "1 von 1 Punkt");
    EXPECT_EQ(Ergebnistext(7, 10), "7 von 10 Punkten");

    for (const auto& [ein, aus] : {std::pair{"10.0.0.1", "10.0.0.1"},
                                   {"10.0.0.0/8", "10.0.0.0/8"},
                                   {"10.0.0.0/255.0.0.0", "10.0.0.0/8"},
                                   {"192.168.1.128/25", "192.168.1.128/25"},
                                   {"128.0.0.0/1", "128.0.0.0/1"},
                                   {"10.1.2.3/32", "10.1.2.3"},
                                   {"10.1.2.3/255.255.255.255", "10.1.2.3"}})
        EXPECT_EQ(Netzangabetext(LeseNetzangabe(ein)), aus) << ein;
    for (const char* falsch :
         {"", "10.0.0", "10,0,0,1", "10.0.0.1.", "1000.0.0.1", "0010.0.0.1", "a.b.c.d",
          "10.0.0.0/8x", "10.0.0.1/", "10.0.0.0/0", "10.0.0.0/33", "10.0.0.0/0.0.0.0",
          "10.0.0.0/255.0.255.0", "10.0.0.1/8", "0.0.0.0", "0.0.0.0/8"})
        EXPECT_THROW(LeseNetzangabe(falsch), EFehler) << falsch;
}

} // namespace
} // namespace verbundo

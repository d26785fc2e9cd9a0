#include "NetzDateiHilfe.h"

#include "model/Fehler.h"

#include <gtest/gtest.h>

namespace verbundo {
namespace {

using test::Abbild;
using test::Lies;

const std::string Beispiel = "Comp.,  100,   80,192.168.0.1\r\n"
                             "Druck,  250,   80,192.168.0.2\r\n"
                             "Swit.,  175,  200,0.0.0.0\r\n";

// A drawn network with a cable at each end of a switch and a free printer: the devices an
// added file may plug into.
void BaueVorhanden(TNetz& netz) {
    auto* c = netz.Neu<TComputer>(10, 10);
    c->SetIPText("10.0.0.1");
    auto* s = netz.Neu<TSwitch>(40, 10);
    netz.Verbinde(c, s);
    netz.Neu<TDrucker>(80, 10);
}

// The text must stop the reader with exactly this error, and neither the network read into
// nor the devices of the network it is added to may show any trace of it.
// Added to a network of three devices the message may differ (beimHinzufuegen).
void ErwarteFehler(const std::string& text, const std::string& meldung,
                   const std::string& beimHinzufuegen = "") {
    SCOPED_TRACE(text);
    for (bool hinzufuegen : {false, true}) {
        TNetz netz;
        BaueVorhanden(netz);
        const std::string vorher = Abbild(netz);
        try {
            Lies(text, netz, hinzufuegen ? &netz.Komponentenliste : nullptr);
            ADD_FAILURE() << "no error";
        } catch (const EFehler& e) {
            EXPECT_EQ(std::string(e.what()),
                      hinzufuegen && !beimHinzufuegen.empty() ? beimHinzufuegen : meldung);
        }
        EXPECT_EQ(Abbild(netz), vorher);
    }
}

TEST(NetzLeser, MalformedRecordsStopWithTheirErrorAndChangeNothing) {
    ErwarteFehler(Beispiel + "Comp.,  100,   80,192.168.x.1\r\n",
                  "'x' is not a valid integer value");
    ErwarteFehler(Beispiel + "Comp.,  100,   80,\r\n", "'' is not a valid integer value");
    ErwarteFehler("Comp.,100,80,192.168.0.1\r\n", "'100,8' is not a valid integer value");
    // The second address runs on over the LF into the next line, up to its comma.
    ErwarteFehler("Rout.,  175,  320,192.168.0.254\r\nKabel,    0,    0\r\n",
                  "'\nKabel' is not a valid integer value");
    ErwarteFehler(Beispiel + "Netz ,   50,   40,  300,  250,1.2.3.q,255.255.255.0\r\n",
                  "'q' is not a valid integer value");
    ErwarteFehler(Beispiel + "Netz ,   50,   40,  300,  250,1.2.3.0,255.z.255.0\r\n",
                  "'z' is not a valid integer value");
}

TEST(NetzLeser, FileEndingInsideANumberFieldIsAConversionError) {
    ErwarteFehler(Beispiel + "Comp.,  10", "'  10' is not a valid integer value");
    ErwarteFehler(Beispiel + "Kabel,    0,  ", "'  ' is not a valid integer value");
    ErwarteFehler(Beispiel + "Netz ,   50,   40,", "'' is not a valid integer value");
}

TEST(NetzLeser, CableIndicesOutOfRangeNameTheIndexTried) {
    ErwarteFehler(Beispiel + "Kabel,    7,    0\r\n", "List index out of bounds (7)",
                  "List index out of bounds (10)");
    ErwarteFehler(Beispiel + "Kabel,    0,   -4\r\n", "List index out of bounds (-4)",
                  "List index out of bounds (-1)");
    // End B is fetched first.
    ErwarteFehler(Beispiel + "Kabel,    7,    9\r\n", "List index out of bounds (9)",
                  "List index out of bounds (12)");
    // A cable may only name devices read before it.
    ErwarteFehler("Kabel,    0,    1\r\n" + Beispiel, "List index out of bounds (1)",
                  "List index out of bounds (4)");

    // Added to three devices, indices count from Base 3.
    TNetz netz;
    BaueVorhanden(netz);
    const std::string vorher = Abbild(netz);
    try {
        Lies(Beispiel + "Kabel,   -1,    0\r\nKabel,    7,    0\r\n", netz, &netz.Komponentenliste);
        ADD_FAILURE() << "no error";
    } catch (const EFehler& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (10)");
    }
    EXPECT_EQ(Abbild(netz), vorher);
    try {
        Lies(Beispiel + "Kabel,   -4,    0\r\n", netz, &netz.Komponentenliste);
        ADD_FAILURE() << "no error";
    } catch (const EFehler& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_EQ(Abbild(netz), vorher);
}

TEST(NetzLeser, AddedFileJoinsItsCablesFromBaseAndMayPlugIntoDrawnDevices) {
    TNetz netz;
    BaueVorhanden(netz);
    TNetz frisch;
    Lies(test::LiesDatei(test::Testdatei("beispiel.nz")) + "Kabel,   -1,    2\r\n", frisch,
         &netz.Komponentenliste);
    netz.Anhaengen(std::move(frisch));
    ASSERT_EQ(netz.Komponentenliste.Count(), 7);
    const auto& g = netz.Komponentenliste;
    std::vector<std::pair<int, int>> enden;
    for (const auto& k : netz.Kabelliste)
        enden.emplace_back(g.IndexVon(k->GetA()), g.IndexVon(k->GetB()));
    EXPECT_EQ(enden, (std::vector<std::pair<int, int>>{{0, 1}, {3, 5}, {4, 5}, {5, 6}, {2, 5}}));
    // The free printer now has the file's cable in its port.
    EXPECT_EQ(g.GetKomponente(2)->KabelCount(), 1);
    EXPECT_EQ(netz.Subnetzliste.size(), 1u);

    // The same network may be reader target and Base at once.
    Lies(Beispiel + "Kabel,    0,   -7\r\n", netz, &netz.Komponentenliste);
    ASSERT_EQ(netz.Komponentenliste.Count(), 10);
    EXPECT_EQ(g.IndexVon(netz.Kabelliste.GetKabel(5)->GetA()), 7);
    EXPECT_EQ(g.IndexVon(netz.Kabelliste.GetKabel(5)->GetB()), 0);
}

TEST(NetzLeser, FixedColumnsSkipsAndTextEnds) {
    TNetz netz;
    // Skipped positions and the tag's last four characters are never looked at; a text keeps
    // blanks; an unknown first character consumes six characters, not five.
    Lies("CxyzQ|  100|   80| 1.2.3.4\r\n"
         "######Druck,    1,    2,5.6.7.8\r\n"
         "??????Swit.,    3,    4,0.0.0.0\r\n"
         "Rout.,    5,    6,1.1.1.1,2.2.2.2\r\n"
         "Kabel,    0,    2\r\n"
         "Netz ,    0,    0,  500,  500,192.168.1,255.255.255.0\r\n"
         "Kabel,    3,    0",
         netz);
    EXPECT_EQ(Abbild(netz), "Comp. 100 80 1.2.3.4 max1 ports 0\n"
                            "Druck 1 2 5.6.7.8 max1 ports\n"
                            "Swit. 3 4 0.0.0.0 max6 ports 0\n"
                            "Rout. 5 6 1.1.1.1 2.2.2.2 max2 ports 1\n"
                            "K 0 2\n"
                            "K 3 0\n"
                            "N 0 0 500 500 0.0.0.0 255.255.255.0\n");
}

TEST(NetzLeser, LastLineWithoutLineEndIsReadCompletely) {
    TNetz netz;
    Lies(Beispiel + "Rout.,  175,  320,192.168.0.254,10.0.0.254", netz);
    ASSERT_EQ(netz.Komponentenliste.Count(), 4);
    EXPECT_EQ(dynamic_cast<TRouter&>(*netz.Komponentenliste.GetKomponente(3)).GetIP2Text(),
              "10.0.0.254");

    TNetz subnetz;
    Lies("Netz ,   50,   40,   60,   45,192.168.0.0,255.255.255.0", subnetz);
    ASSERT_EQ(subnetz.Subnetzliste.size(), 1u);
    EXPECT_EQ(subnetz.Subnetzliste[0]->GetMaskText(), "255.255.255.0");
    EXPECT_EQ(subnetz.Subnetzliste[0]->GetRect(), (TRect{50, 40, 160, 70}));
}

TEST(NetzLeser, ShortAndEmptyFiles) {
    TNetz netz;
    BaueVorhanden(netz);
    const std::string vorher = Abbild(netz);
    for (const char* text : {"", "Comp", "\r\n", "Kab"}) {
        Lies(text, netz, &netz.Komponentenliste);
        EXPECT_EQ(Abbild(netz), vorher) << text;
    }
}

TEST(NetzLeser, LoadingAFileComputesTheRoutingTables) {
    const std::string pfad = test::Testdatei("beispiel.nz");
    TNetz netz = LadeNetzdatei(pfad);
    ASSERT_EQ(netz.Komponentenliste.Count(), 4);
    const auto& s = dynamic_cast<TSwitch&>(*netz.Komponentenliste.GetKomponente(2));
    EXPECT_EQ(s.Routingtabelle.Count(), 4);

    for (const std::string& fehlt :
         {test::Testdatei("gibt-es-nicht.nz"), std::string(VERBUNDO_TESTDATA)}) {
        try {
            LadeNetzdatei(fehlt);
            ADD_FAILURE() << fehlt;
        } catch (const EFehler& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + fehlt);
        }
    }
}

} // namespace
} // namespace verbundo

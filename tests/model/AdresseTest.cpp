#include "model/Adresse.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>

using namespace verbundo;

namespace {

TAdresse Ip(const char* text) {
    TAdresse w = 12345;
    EXPECT_TRUE(StrToIP(text, w)) << text;
    return w;
}

std::string FehlerText(const char* text) {
    TAdresse w = 7;
    try {
        StrToIP(text, w);
    } catch (const EFehler& e) {
        EXPECT_EQ(w, 0u);
        return e.what();
    }
    return "kein Fehler";
}

} // namespace

TEST(Adresse, TextUndWertGehenHinUndZurueck) {
    EXPECT_EQ(IPToStr(0), "0.0.0.0");
    EXPECT_EQ(IPToStr(0xFFFFFFFFu), "255.255.255.255");
    EXPECT_EQ(IPToStr(0xC0A80001u), "192.168.0.1");
    EXPECT_EQ(IPToStr(Ip("10.0.0.1")), "10.0.0.1");
    EXPECT_EQ(Ip("010.001.000.001"), Ip("10.1.0.1"));
    EXPECT_EQ(IPToStr(Ip("010.001.000.001")), "10.1.0.1");
}

TEST(Adresse, FelderTragenUeberUndBorgen) {
    EXPECT_EQ(Ip("1.2.3.256"), Ip("1.2.4.0"));
    EXPECT_EQ(Ip("0.0.0.-1"), 0xFFFFFFFFu);
    EXPECT_EQ(IPToStr(Ip("192.168.0.300")), "192.168.1.44");
    EXPECT_EQ(Ip("  $A.x1F.0x10.+7"), (10u << 24) | (31u << 16) | (16u << 8) | 7u);
    // A field far beyond 255 wraps modulo 2^32 instead of failing.
    EXPECT_EQ(Ip("0.0.0.2147483647"), 2147483647u);
    EXPECT_EQ(Ip("0.0.0.-2147483648"), 0x80000000u);
    EXPECT_EQ(Ip("$FFFFFFFF.0.0.0"), 0xFF000000u);
}

TEST(Adresse, FalscheFeldzahlIstKeinFehlerAberFalse) {
    TAdresse w = 99;
    EXPECT_FALSE(StrToIP("10.0.1", w));
    EXPECT_EQ(w, 0u);
    EXPECT_FALSE(StrToIP("1.2.3.4.5", w));
    EXPECT_FALSE(StrToIP("7", w));
}

TEST(Adresse, UngueltigeFelderNennenDasFeld) {
    EXPECT_EQ(FehlerText("1..2.3"), "'' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3."), "'' is not a valid integer value");
    EXPECT_EQ(FehlerText(""), "'' is not a valid integer value");
    EXPECT_EQ(FehlerText("a.b.c.d"), "'a' is not a valid integer value");
    EXPECT_EQ(FehlerText("192.168.o.1"), "'o' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3.4 "), "'4 ' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3.-"), "'-' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3.$"), "'$' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3.2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3.-2147483649"), "'-2147483649' is not a valid integer value");
    EXPECT_EQ(FehlerText("1.2.3.$100000000"), "'$100000000' is not a valid integer value");
    // The bad field stops the conversion before the field count is looked at.
    EXPECT_EQ(FehlerText("x.1"), "'x' is not a valid integer value");
}

TEST(Adresse, StrToIntWieDieZahlenfelderDerDatei) {
    EXPECT_EQ(StrToInt("  120"), 120);
    EXPECT_EQ(StrToInt("  -15"), -15);
    EXPECT_EQ(StrToInt("    0"), 0);
    EXPECT_THROW(StrToInt("100,8"), EFehler);
    EXPECT_THROW(StrToInt("     "), EFehler);
    EXPECT_THROW(StrToInt(" 1 2"), EFehler);
}

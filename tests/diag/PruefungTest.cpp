#include "diag/Pruefung.h"
#include "sim/Netz.h"

#include <gtest/gtest.h>

#include <sstream>

namespace verbundo {
namespace {

// Builds a network from lines "C|D|S|R x y [ip [ip2]]" and "N left top right bottom [id mask]"
// and counts its errors.
long long Fehler(const std::vector<std::string>& zeilen) {
    TNetz netz;
    for (const auto& zeile : zeilen) {
        std::istringstream ein(zeile);
        char art = 0;
        int x = 0, y = 0;
        std::string ip, ip2;
        ein >> art >> x >> y;
        if (art == 'N') {
            int r = 0, b = 0;
            ein >> r >> b >> ip >> ip2;
            auto* s = netz.NeuesSubnetz({x, y, r, b});
            if (!ip.empty()) {
                s->SetNetzIDText(ip);
                s->SetMaskText(ip2);
            }
            continue;
        }
        ein >> ip >> ip2;
        TKomponente* k = art == 'C'   ? netz.Neu<TComputer>(x, y)
                         : art == 'D' ? static_cast<TKomponente*>(netz.Neu<TDrucker>(x, y))
                         : art == 'S' ? netz.Neu<TSwitch>(x, y)
                                      : netz.Neu<TRouter>(x, y);
        if (!ip.empty())
            k->SetIPText(ip);
        if (!ip2.empty())
            dynamic_cast<TRouter&>(*k).SetIP2Text(ip2);
    }
    return ZaehleKonfigurationsfehler(netz);
}

TEST(Pruefung, ReportTexts) {
    EXPECT_EQ(Pruefbericht(0), "Alle Ip-Adressen sind korrekt eingestellt.");
    EXPECT_EQ(Pruefbericht(12345), "Es sind noch 12345 Fehler vorhanden.");
}

TEST(Pruefung, CountsEachError) {
    const std::string n24 = "N 100 100 300 300 192.168.1.0 255.255.255.0";
    const auto netz = [](std::string id, std::string mask) {
        return std::vector<std::string>{"N 0 0 200 200 " + id + " " + mask};
    };
    const std::vector<std::pair<std::vector<std::string>, long long>> faelle = {
        {{}, 0},
        // Duplicates count each comparison; a switch is compared only as the later device.
        {{"C 0 0", "C 1 0"}, 1},
        {{"D 0 0", "D 1 0", "D 2 0"}, 3},
        {{"C 0 0", "S 1 0"}, 1},
        {{"S 1 0", "C 0 0"}, 0},
        {{"R 0 0 0.0.0.0 0.0.0.0", "S 1 0"}, 2},
        {{"R 0 0 1.1.1.1 1.1.1.1"}, 0},
        {{"C 0 0 2.2.2.2", "R 0 0 1.1.1.1 2.2.2.2"}, 1},
        {{"R 0 0 1.1.1.1 2.2.2.2", "C 0 0 2.2.2.2"}, 1},
        // Router pairs: each of the four comparisons on its own.
        {{"R 0 0 1.0.0.1 1.0.0.2", "R 0 0 1.0.0.1 1.0.0.3"}, 1},
        {{"R 0 0 1.0.0.1 1.0.0.2", "R 0 0 1.0.0.2 1.0.0.3"}, 1},
        {{"R 0 0 1.0.0.1 1.0.0.2", "R 0 0 1.0.0.3 1.0.0.1"}, 1},
        {{"R 0 0 1.0.0.1 1.0.0.2", "R 0 0 1.0.0.3 1.0.0.2"}, 1},
        {{"R 0 0 1.0.0.1 1.0.0.2", "R 0 0 1.0.0.2 1.0.0.1"}, 2},
        {{"R 0 0 1.0.0.1 1.0.0.1", "R 0 0 1.0.0.1 1.0.0.1"}, 4},
        // Mask: one run of bits from the top; net ID: nothing below the run.
        {netz("192.168.1.5", "255.255.255.0"), 1},
        {netz("192.168.1.0", "255.255.255.0"), 0},
        {netz("192.0.1.0", "255.0.255.0"), 1},
        {netz("0.0.0.0", "0.0.255.0"), 1},
        {netz("1.2.3.4", "0.0.0.0"), 0},
        {netz("1.2.3.4", "255.255.255.255"), 0},
        {netz("64.0.0.0", "128.0.0.0"), 1},
        {netz("128.0.0.0", "128.0.0.0"), 0},
        {netz("10.0.0.0", "255.255.252.0"), 0},
        {netz("10.0.2.0", "255.255.252.0"), 1},
        {netz("1.2.3.4", "0.255.0.255"), 1},
        // Placement: the border belongs to the rectangle; a switch is never placed.
        {{n24, "C 100 100 192.168.1.1", "D 300 300 192.168.1.2", "C 100 300 192.168.1.3",
          "S 170 200"},
         0},
        {{n24, "C 301 200 192.168.1.1"}, 1},
        {{n24, "C 200 99 192.168.1.1"}, 1},
        {{n24, "C 200 200 192.168.2.1"}, 1},
        {{n24, "C 500 500 192.168.2.1"}, 0},
        {{n24, "N 150 150 350 350 192.168.2.0 255.255.255.0", "D 200 200 192.168.1.7"}, 1},
        // A router joining two subnets must stand where they overlap.
        {{n24, "N 250 100 450 300 10.0.0.0 255.0.0.0", "R 275 200 192.168.1.254 10.0.0.254"}, 0},
        {{n24, "N 250 100 450 300 10.0.0.0 255.0.0.0", "R 150 200 192.168.1.254 10.0.0.254"}, 1},
        {{n24, "N 250 100 450 300 10.0.0.0 255.0.0.0", "R 400 200 192.168.1.254 10.0.0.254"}, 1},
        {{n24, "N 250 100 450 300 10.0.0.0 255.0.0.0", "R 600 200 192.168.1.254 10.0.0.254"}, 2},
        // A fresh subnet matches every address: inside fine, outside wrong.
        {{"N 0 0 200 200", "C 50 50 1.2.3.4", "R 60 60 5.6.7.8 9.9.9.9"}, 0},
        {{"N 0 0 200 200", "C 500 50 1.2.3.5", "R 600 60 5.6.7.9 9.9.9.8", "S 700 700"}, 2},
    };
    for (const auto& [zeilen, fehler] : faelle) {
        std::string text;
        for (const auto& z : zeilen)
            text += z + "; ";
        EXPECT_EQ(Fehler(zeilen), fehler) << text;
    }
}

} // namespace
} // namespace verbundo

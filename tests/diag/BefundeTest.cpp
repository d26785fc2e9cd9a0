// On random networks with subnets the explained test names exactly as many errors as a count
// made straight from the rules.

#include "diag/Befunde.h"
#include "diag/Pruefung.h"
#include "sim/Zufallsnetz.h"

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

long long Referenz(const TNetz& n) {
    long long f = 0;
    for (const auto& s : n.Subnetzliste) {
        const TAdresse m = s->GetMask(), unten = m & (~m + 1);
        f += m != 0 && ((s->GetNetzID() & (unten - 1)) || (m | (unten - 1)) != 0xFFFFFFFFu);
    }
    const auto adressen = [](const TKomponente& k) {
        std::vector<TAdresse> a{k.GetIP()};
        if (const auto* r = Als<TRouter>(&k))
            a.push_back(r->GetIP2());
        return a;
    };
    const auto& k = n.Komponentenliste;
    for (int i = 0; i < k.Count(); ++i) {
        if (k.Get(i)->Art() == TArt::Switch)
            continue;
        for (int j = i + 1; j < k.Count(); ++j)
            for (TAdresse a : adressen(*k.Get(i)))
                for (TAdresse b : adressen(*k.Get(j)))
                    f += a == b;
        for (const auto& s : n.Subnetzliste)
            f += !s->Passt(*k.Get(i));
    }
    return f;
}

TEST(Befunde, SovieleWieDieRegelnZaehlen) {
    const char* ids[] = {"0.0.0.0", "10.0.0.0", "10.0.0.1", "10.0.0.4", "128.0.0.0"};
    const char* masken[] = {"0.0.0.0",         "255.255.255.0",   "255.255.255.252",
                            "255.255.255.255", "255.0.255.0",     "0.0.255.255",
                            "128.0.0.0",       "255.255.255.254", "254.255.255.255"};
    for (std::uint32_t saat = 1; saat <= 400; ++saat) {
        TNetz n;
        BaueZufallsnetz(n, saat, {.Geraete = 1 + static_cast<int>(saat % 30), .Kabel = 0});
        std::mt19937 z(saat);
        for (unsigned i = z() % 4; i > 0; --i) {
            const int x = static_cast<int>(z() % 500), y = static_cast<int>(z() % 500);
            TSubnet* s = n.NeuesSubnetz({x, y, x + static_cast<int>(z() % 400), y + 200});
            s->SetNetzIDText(ids[z() % std::size(ids)]);
            s->SetMaskText(masken[z() % std::size(masken)]);
        }
        long long gemeldet = 0;
        const long long anzahl = ErklaerePruefung(n, [&](const TBefund& b) {
            ++gemeldet;
            EXPECT_NE(b.Text.find(' '), std::string::npos);
        });
        const long long erwartet = Referenz(n);
        ASSERT_EQ(gemeldet, erwartet) << "saat " << saat;
        EXPECT_EQ(anzahl, erwartet);
        EXPECT_EQ(ZaehleKonfigurationsfehler(n), erwartet);
        const TErklaerung erste = ErklaerePruefung(n, 3);
        EXPECT_EQ(erste.Anzahl, erwartet);
        EXPECT_EQ(erste.Befunde.size(), std::min<std::size_t>(3, erwartet));
    }
}

} // namespace
} // namespace verbundo::test

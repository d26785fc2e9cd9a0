#include "RoutingAnzeige.h"

#include "../sim/Netz.h"

#include <algorithm>
#include <bit>

namespace verbundo {

namespace {

bool KleinerOhneGross(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto klein = [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
        };
        return klein(x) < klein(y);
    });
}

// Length of the common leading-bit prefix; the last bit is never compared.
int GemeinsamePraefixlaenge(TAdresse a, TAdresse b) {
    return std::min(std::countl_zero(a ^ b), 31);
}

std::string RouterAdresse(const TKomponente& start, const TRouter& router) {
    const int k1 = GemeinsamePraefixlaenge(start.GetIP(), router.GetIP());
    const int k2 = GemeinsamePraefixlaenge(start.GetIP(), router.GetIP2());
    return k2 > k1 ? router.GetIP2Text() : router.GetIPText();
}

std::string Urteil(const TKomponente& start, const TKomponente& ziel) {
    const TKomponente* hop = &start;
    const TKabel* kabel = start.NaechstesKabel(ziel);
    // Devices sharing an address can send the walk round in a circle. Each step depends on
    // the device alone, so a walk that comes back to a device goes round for ever: Brent's
    // test notices the circle within two rounds, without remembering every device passed.
    const TKomponente* merke = hop;
    std::size_t runde = 1, schritte = 0;
    while (hop != &ziel && !(hop != &start && hop->Art() == TArt::Router) && kabel) {
        hop = kabel->GetA() == hop ? kabel->GetB() : kabel->GetA();
        if (!hop || hop == merke)
            return "keine Verbindung";
        if (++schritte == runde) {
            merke = hop;
            runde *= 2;
            schritte = 0;
        }
        kabel = hop->NaechstesKabel(ziel);
    }
    if (hop == &ziel)
        return "direkte Verbindung";
    if (!kabel)
        return "keine Verbindung";
    return "über Router " + RouterAdresse(start, *Als<TRouter>(hop));
}

} // namespace

std::vector<std::string> RoutingAnzeige(const TNetz& netz, const TKomponente* aktuell) {
    std::vector<std::string> zeilen;
    if (!aktuell)
        return zeilen;
    for (const auto& d : netz.Komponentenliste) {
        const TKomponente* ziel = d.get();
        // Hubs and plain switches get no line.
        if (ziel == aktuell || ziel->Art() == TArt::Switch)
            continue;
        zeilen.push_back(ziel->GetIPText() + " : " + Urteil(*aktuell, *ziel));
    }
    // A stable sort places each line after its equals, as inserting one by one would.
    std::stable_sort(zeilen.begin(), zeilen.end(), KleinerOhneGross);
    return zeilen;
}

void SortiertEinfuegen(std::vector<std::string>& zeilen, const std::string& zeile) {
    zeilen.insert(std::upper_bound(zeilen.begin(), zeilen.end(), zeile, KleinerOhneGross), zeile);
}

} // namespace verbundo

#include "RoutenIndex.h"

#include <utility>

namespace verbundo {

namespace {

std::size_t Z(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

TRoutenIndex::TRoutenIndex(std::vector<int> gebiet, const std::vector<TAdresse>& adresse,
                           const std::vector<int>& knoten)
    : Gebiet(std::move(gebiet)), EigeneAnfang(Gebiet.size() + 1, 0), EigeneRaenge(knoten.size()),
      Plaetze(2 * knoten.size() + 1) {
    std::vector<std::uint32_t> rang(Gebiet.size(), 0); // per part, entries so far
    Eintraege.reserve(knoten.size());
    for (std::size_t e = 0; e < knoten.size(); ++e) {
        const int k = knoten[e], g = Gebiet[Z(k)];
        TPlatz& p = Plaetze[Platz(adresse[e], g)];
        Eintraege.push_back({k, p.Letzter, rang[Z(g)]++});
        p = {adresse[e], g, static_cast<int>(e)};
        ++EigeneAnfang[Z(k) + 1];
    }
    for (std::size_t k = 0; k < Gebiet.size(); ++k)
        EigeneAnfang[k + 1] += EigeneAnfang[k];
    std::vector<int> frei(EigeneAnfang.begin(), EigeneAnfang.end() - 1);
    for (const TEintrag& e : Eintraege)
        EigeneRaenge[Z(frei[Z(e.Knoten)]++)] = e.Rang;
}

std::size_t TRoutenIndex::Platz(TAdresse adresse, int gebiet) const {
    const std::uint32_t streu =
        (adresse ^ static_cast<std::uint32_t>(gebiet) * 0x85EBCA6Bu) * 0x9E3779B1u;
    std::size_t i = static_cast<std::size_t>((std::uint64_t{streu} * Plaetze.size()) >> 32);
    // At most half full: a free place always ends the search.
    while (Plaetze[i].Letzter >= 0 &&
           (Plaetze[i].Adresse != adresse || Plaetze[i].Gebiet != gebiet))
        i = i + 1 == Plaetze.size() ? 0 : i + 1;
    return i;
}

long long TRoutenIndex::Position(TAdresse adresse, int knoten) const {
    if (knoten < 0 || Z(knoten) >= Gebiet.size())
        return -1;
    int e = Plaetze[Platz(adresse, Gebiet[Z(knoten)])].Letzter;
    // The switch has no route to itself.
    while (e >= 0 && Eintraege[Z(e)].Knoten == knoten)
        e = Eintraege[Z(e)].Vorige;
    if (e < 0)
        return -1;
    const std::uint32_t rang = Eintraege[Z(e)].Rang;
    long long eigeneDavor = 0;
    for (int i = EigeneAnfang[Z(knoten)];
         i < EigeneAnfang[Z(knoten) + 1] && EigeneRaenge[Z(i)] < rang; ++i)
        ++eigeneDavor;
    return rang - eigeneDavor;
}

} // namespace verbundo

#pragma once

#include "Adresse.h"

#include <cstdint>
#include <vector>

namespace verbundo {

// Where each address stands in the routing tables of one computation of all tables, shared by
// them: the routes of a table are the entries of its switch's connected part, in entry order,
// without the switch's own entries. So one index serves every table, and a lookup costs the
// same in a table of 50 000 routes as in one of five.
class TRoutenIndex {
public:
    // gebiet: per node, its connected part (any number that the part's nodes share).
    // adresse and knoten: per entry, in the order of the tables.
    TRoutenIndex(std::vector<int> gebiet, const std::vector<TAdresse>& adresse,
                 const std::vector<int>& knoten);

    // The position in the table of node's switch of the last route for adresse; -1 for none.
    long long Position(TAdresse adresse, int knoten) const;
    // The bytes it holds.
    std::size_t Speicher() const {
        return sizeof(*this) + Gebiet.capacity() * sizeof(int) +
               Eintraege.capacity() * sizeof(TEintrag) + EigeneAnfang.capacity() * sizeof(int) +
               EigeneRaenge.capacity() * sizeof(std::uint32_t) +
               Plaetze.capacity() * sizeof(TPlatz);
    }

private:
    struct TEintrag {
        int Knoten;
        int Vorige;         // the entry before with the same address in the same part; -1 for none
        std::uint32_t Rang; // entries of the same part before it
    };
    struct TPlatz {
        TAdresse Adresse = 0;
        int Gebiet = 0;
        int Letzter = -1; // the last entry with this address in this part; -1: a free place
    };
    // The place of the address in the part, or the free place where it would go.
    std::size_t Platz(TAdresse adresse, int gebiet) const;

    std::vector<int> Gebiet;
    std::vector<TEintrag> Eintraege;
    std::vector<int> EigeneAnfang;           // per node, its first place in EigeneRaenge
    std::vector<std::uint32_t> EigeneRaenge; // the ranks of each node's own entries, ascending
    std::vector<TPlatz> Plaetze;
};

} // namespace verbundo

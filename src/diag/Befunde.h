#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace verbundo {

class TNetz;

enum class TBefundArt { Subnetz, DoppelteAdresse, Lage };

// One error of the configuration test, explained: what is wrong, with what, in a sentence a
// learner understands.
struct TBefund {
    TBefundArt Art = TBefundArt::Subnetz;
    std::vector<int> Geraete; // positions in the device list, in the sentence's order
    int Subnetz = -1;         // position in the subnet list, or -1
    std::string Text;
};

struct TErklaerung {
    long long Anzahl = 0;         // every error, as the test counts them
    std::vector<TBefund> Befunde; // the first of them, up to the limit asked for
};

// The errors one by one in counting order; returns how many there were.
long long ErklaerePruefung(const TNetz& netz, const std::function<void(const TBefund&)>& jeder);
// Thousands of unaddressed devices make millions of duplicate pairs: only the first
// hoechstens are explained, all are counted.
TErklaerung ErklaerePruefung(const TNetz& netz, std::size_t hoechstens);
// The lines the result box lists: each explained finding, and "… und N weitere." for those
// counted but not explained.
std::vector<std::string> Befundzeilen(const TErklaerung& e);

// How many findings the window and the command-line tool list; more would only flood a list,
// or a terminal, that nobody reads to its end.
constexpr std::size_t ErklaerteBefunde = 1000;
// The line after a cut list: "… und N weitere." for the n findings left out.
std::string WeitereBefunde(long long n);

} // namespace verbundo

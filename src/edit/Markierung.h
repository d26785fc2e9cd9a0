#pragma once

#include "../diag/Befunde.h"

#include <memory>
#include <vector>

namespace verbundo {

class TKomponente;
class TSubnet;

// The last configuration test's findings and the objects of the one the learner chose. Both
// hold only while nothing has been edited since (the editor's change count tells).
struct TMarkierung {
    TErklaerung Erklaerung;
    unsigned long long Stand = ~0ull;
    std::vector<std::weak_ptr<TKomponente>> Geraete;
    std::weak_ptr<TSubnet> Subnetz;
};

} // namespace verbundo

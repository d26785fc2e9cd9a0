#pragma once

#include "Fehler.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace verbundo {

// Set while an object is out of its network's list: a device a message still names, a cable or
// subnet the editor's history keeps for undoing. Nothing reaches such an object for editing,
// forwarding or drawing.
class TListenteil {
public:
    bool IstEntfernt() const { return Entfernt; }
    void SetEntfernt(bool wert) { Entfernt = wert; }

private:
    bool Entfernt = false;
};

// An ordered list of shared objects, in the order they were made or loaded. Lookups over the
// list return the last match, so later objects win as they are drawn over earlier ones.
template <class T> class TListe {
public:
    using Zeiger = std::shared_ptr<T>;

    int Count() const { return static_cast<int>(Liste.size()); }
    // Raises "List index out of bounds (%d)" outside the list.
    T* Get(int index) const { return GetZeiger(index).get(); }
    const Zeiger& GetZeiger(int index) const {
        if (index < 0 || index >= Count())
            throw IndexFehler(index);
        return Liste[static_cast<std::size_t>(index)];
    }
    int IndexVon(const T* objekt) const {
        for (std::size_t i = 0; i < Liste.size(); ++i)
            if (Liste[i].get() == objekt)
                return static_cast<int>(i);
        return -1;
    }
    // The shared pointer of a listed object; empty when it is not listed.
    Zeiger ZeigerVon(const T* objekt) const {
        const int i = IndexVon(objekt);
        return i < 0 ? Zeiger() : Liste[static_cast<std::size_t>(i)];
    }

    void Add(Zeiger objekt) { Liste.push_back(std::move(objekt)); }
    void Reserviere(int n) { Liste.reserve(static_cast<std::size_t>(n)); }
    // Drops the objects from position n on.
    void Kuerze(int n) noexcept {
        while (Count() > n)
            Liste.pop_back();
    }
    // Takes the object out of the list and hands it to the caller, who decides its lifetime.
    Zeiger Remove(const T* objekt) {
        const auto it = std::find_if(Liste.begin(), Liste.end(),
                                     [&](const Zeiger& z) { return z.get() == objekt; });
        if (it == Liste.end())
            return nullptr;
        Zeiger weg = std::move(*it);
        Liste.erase(it);
        return weg;
    }
    void Clear() { Liste.clear(); }

    // The whole list at once, for the editor's history.
    const std::vector<Zeiger>& Alle() const { return Liste; }
    void SetAlle(std::vector<Zeiger> alle) { Liste = std::move(alle); }

    // The last object for which treffer holds, or none.
    template <class P> T* FindeLetztes(P treffer) const {
        for (auto it = Liste.rbegin(); it != Liste.rend(); ++it)
            if (treffer(**it))
                return it->get();
        return nullptr;
    }

    auto begin() const { return Liste.begin(); }
    auto end() const { return Liste.end(); }

protected:
    std::vector<Zeiger> Liste;
};

} // namespace verbundo

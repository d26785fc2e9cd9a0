#pragma once

#include "Liste.h"

#include <memory>
#include <vector>

namespace verbundo {

class TKomponente;

// A cable shares its two end devices, so an end can never be destroyed before the cable that
// names it. The cable list owns cables; routes and messages refer to them weakly, so a cable
// dies (and unplugs itself) the moment the list lets it go.
class TKabel : public TListenteil, public std::enable_shared_from_this<TKabel> {
public:
    using Ende = std::shared_ptr<TKomponente>;

    static std::shared_ptr<TKabel> Create(Ende a, Ende b);
    ~TKabel();
    TKabel(const TKabel&) = delete;
    TKabel& operator=(const TKabel&) = delete;

    // Takes the cable out of both ends' port lists; it keeps its ends, so that the editor's
    // history can plug it in again exactly where it was.
    void Abziehen();

    void SetA(Ende k);
    void SetB(Ende k);
    TKomponente* GetA() const { return A.get(); }
    TKomponente* GetB() const { return B.get(); }
    // The end that is not von (A when von is neither end, as the callers expect).
    TKomponente* AndereSeite(const TKomponente* von) const;
    const Ende& AndereSeiteZeiger(const TKomponente* von) const { return A.get() == von ? B : A; }
    const Ende& AZeiger() const { return A; }
    const Ende& BZeiger() const { return B; }

    void SetAktiv(bool wert) { Aktiv = wert; }
    bool IsAktiv() const { return Aktiv; }

    // Extended precision: exact ties between sums of lengths decide routes.
    long double Laenge() const;
    // Distance of the point from the line through both centres; from the centre itself when
    // both ends stand on one point.
    double Abstand(int x, int y) const;

private:
    TKabel() = default;
    void Setze(Ende& ende, Ende k);

    Ende A;
    Ende B;
    bool Aktiv = false;
};

class TKabelList : public TListe<TKabel> {
public:
    TKabel* GetKabel(int index) const { return Get(index); }
    // The last cable within 7 pixels of the point and inside its box grown by 7 pixels.
    TKabel* FindeBei(int x, int y) const;
    // Takes every cable that has k at either end out of the list, in list order, and returns
    // them; each is destroyed (and unplugs itself) unless the caller keeps it.
    std::vector<Zeiger> EntferneVon(const TKomponente* k);
};

} // namespace verbundo

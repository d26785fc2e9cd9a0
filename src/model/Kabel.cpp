#include "Kabel.h"

#include "Adresse.h"
#include "Fehler.h"
#include "Komponente.h"

#include <algorithm>
#include <cmath>

namespace verbundo {

std::shared_ptr<TKabel> TKabel::Create(Ende a, Ende b) {
    std::shared_ptr<TKabel> kabel(new TKabel());
    kabel->SetA(std::move(a));
    kabel->SetB(std::move(b));
    return kabel;
}

TKabel::~TKabel() {
    Abziehen();
}

void TKabel::Abziehen() {
    if (A)
        A->RemoveKabel(this);
    if (B)
        B->RemoveKabel(this);
}

void TKabel::Setze(Ende& ende, Ende k) {
    if (ende)
        ende->RemoveKabel(this);
    ende = std::move(k);
    if (ende)
        ende->AddKabel(this);
}

void TKabel::SetA(Ende k) {
    Setze(A, std::move(k));
}
void TKabel::SetB(Ende k) {
    Setze(B, std::move(k));
}

TKomponente* TKabel::AndereSeite(const TKomponente* von) const {
    return A.get() == von ? B.get() : A.get();
}

long double TKabel::Laenge() const {
    // Integer squares; each is exact in long double's 64-bit mantissa, so on any real surface
    // the sum is the exact integer sum, and even absurd coordinates cannot overflow.
    const auto quadrat = [](long long d) {
        const auto b = static_cast<unsigned long long>(d < 0 ? -d : d);
        return static_cast<long double>(b * b);
    };
    const long long dx = static_cast<long long>(B->GetX()) - A->GetX();
    const long long dy = static_cast<long long>(B->GetY()) - A->GetY();
    return std::sqrt(quadrat(dx) + quadrat(dy));
}

double TKabel::Abstand(int x, int y) const {
    const double dy = static_cast<double>(B->GetY()) - A->GetY();
    const double nx = static_cast<double>(A->GetX()) - B->GetX();
    const double ax = static_cast<double>(x) - A->GetX();
    const double ay = static_cast<double>(y) - A->GetY();
    const double nenner = std::sqrt(dy * dy + nx * nx);
    if (nenner == 0.0)
        return std::sqrt(ax * ax + ay * ay);
    return std::fabs(ax * dy + ay * nx) / nenner;
}

TKabel* TKabelList::FindeBei(int x, int y) const {
    return FindeLetztes([&](const TKabel& k) {
        // Wide enough that the grown box cannot overflow at the ends of the int range.
        const long long ax = k.GetA()->GetX(), ay = k.GetA()->GetY();
        const long long bx = k.GetB()->GetX(), by = k.GetB()->GetY();
        const bool inBox = std::min(ax, bx) - 7 <= x && x <= std::max(ax, bx) + 7 &&
                           std::min(ay, by) - 7 <= y && y <= std::max(ay, by) + 7;
        return inBox && k.Abstand(x, y) <= 7.0;
    });
}

std::vector<TKabelList::Zeiger> TKabelList::EntferneVon(const TKomponente* k) {
    std::vector<Zeiger> weg, bleibt;
    for (Zeiger& z : Liste)
        (z->GetA() == k || z->GetB() == k ? weg : bleibt).push_back(std::move(z));
    Liste = std::move(bleibt);
    return weg;
}

} // namespace verbundo

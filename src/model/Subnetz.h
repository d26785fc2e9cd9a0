#pragma once

#include "Adresse.h"
#include "Liste.h"

#include <memory>
#include <string>
#include <vector>

namespace verbundo {

class TKomponente;
class TLeinwand;

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPunkt {
    int x = 0, y = 0;
    friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

class TSubnet : public TListenteil {
public:
    static constexpr int MinBreite = 110;
    static constexpr int MinHoehe = 30;

    // Widens the rectangle to at least MinBreite x MinHoehe.
    explicit TSubnet(TRect rect);

    TRect GetRect() const { return Rect; }
    // No minimum here: the editor shrinks and moves subnets through this.
    void SetRect(TRect rect) { Rect = rect; }

    TAdresse GetNetzID() const { return NetzID; }
    std::string GetNetzIDText() const { return IPToStr(NetzID); }
    void SetNetzIDText(const std::string& text);
    TAdresse GetMask() const { return Mask; }
    std::string GetMaskText() const { return IPToStr(Mask); }
    void SetMaskText(const std::string& text);
    void SetNetzID(TAdresse wert) { NetzID = wert; }
    void SetMask(TAdresse wert) { Mask = wert; }

    // The caller sets the pen colour first.
    void Zeichne(TLeinwand& canvas) const;
    // Whether the device's addresses agree with where its centre stands.
    bool Passt(const TKomponente& k) const;

private:
    TAdresse NetzID = 0;
    TAdresse Mask = 0;
    TRect Rect;
};

class TSubnetList : public TListe<TSubnet> {};

} // namespace verbundo

#pragma once

#include "../model/Leinwand.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace verbundo {

// The drawing operations of a picture, collected into one array of 32-bit numbers that a front
// end replays in one go (the page onto its HTML canvas: no call across per line). Each
// operation is its code followed by its arguments:
//   StiftFarbe rgb | StiftBreite b | StiftStil 0 solid, 1 dotted | PinselFarbe rgb |
//   PinselStil 0 solid, 1 clear | Schrift name punkte | Fuelle l o r u | Rechteck l o r u |
//   Linie x1 y1 x2 y2 | Text x y text | Bild art x y b h
// rgb is 0xRRGGBB; name and text are numbers of Texte(), which keeps every text of the pictures
// drawn since the last Vergessen, so a front end decodes each only once. Replaying starts, as
// every canvas here does, with a solid 1-pixel black pen, a solid white brush and
// "MS Sans Serif" at 8 points. A setting that changes nothing is left out.
enum class TZug : std::int32_t {
    StiftFarbe = 1,
    StiftBreite,
    StiftStil,
    PinselFarbe,
    PinselStil,
    Schrift,
    Fuelle,
    Rechteck,
    Linie,
    Text,
    Bild,
};

class TSammelleinwand : public TLeinwand {
public:
    // The width of text in pixels in the font name at punkte points; asked once per font and
    // text.
    using TMesser =
        std::function<int(const std::string& name, int punkte, const std::string& text)>;

    explicit TSammelleinwand(TMesser messer);

    // A new picture: the operations go, texts and widths stay.
    void Beginne();
    const std::vector<std::int32_t>& Befehle() const { return Codes; }
    const std::vector<std::string>& Texte() const { return TexteWert; }
    // Past this many texts they are forgotten at the next Beginne, and Generation counts up:
    // a front end holding decoded texts drops them then.
    static constexpr std::size_t MaxTexte = 50000;
    unsigned Generation() const { return GenerationWert; }

    void SetStiftFarbe(TFarbe farbe) override;
    void SetStiftBreite(int breite) override;
    void SetStiftStil(TStrich stil) override;
    void SetPinselFarbe(TFarbe farbe) override;
    void SetPinselStil(TPinsel stil) override;
    void SetSchrift(const std::string& name, int punkte) override;
    void FuelleRechteck(int links, int oben, int rechts, int unten) override;
    void Rechteck(int links, int oben, int rechts, int unten) override;
    void Linie(int x1, int y1, int x2, int y2) override;
    void TextAus(int x, int y, const std::string& text) override;
    int TextBreite(const std::string& text) override;
    void KopiereBild(TBild bild, int x, int y, int breite, int hoehe) override;

private:
    struct TStand {
        std::int32_t StiftFarbe = 0, StiftBreite = 1, StiftStil = 0, PinselFarbe = 0xffffff,
                     PinselStil = 0;
    };
    void Setze(std::int32_t& wert, TZug zug, std::int32_t neu);
    void Zug(TZug zug, std::initializer_list<std::int32_t> werte);
    std::int32_t Nummer(const std::string& text);

    TMesser Messer;
    std::vector<std::int32_t> Codes;
    std::vector<std::string> TexteWert;
    std::unordered_map<std::string, std::int32_t> Nummern;
    std::unordered_map<std::string, int> Breiten; // by font number and text
    unsigned GenerationWert = 0;
    TStand Stand;
    std::string SchriftName = "MS Sans Serif";
    int SchriftPunkte = 8;
    std::int32_t SchriftNummer = -1; // of "name/punkte" in Texte, once used
};

} // namespace verbundo

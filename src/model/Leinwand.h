#pragma once

#include <cstdint>
#include <string>

namespace verbundo {

struct TFarbe {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const TFarbe&, const TFarbe&) = default;
};

inline constexpr TFarbe clSchwarz{0, 0, 0};
inline constexpr TFarbe clWeiss{255, 255, 255};
inline constexpr TFarbe clRot{255, 0, 0};
inline constexpr TFarbe clGruen{0, 128, 0};
inline constexpr TFarbe clBlau{0, 0, 255};

enum class TStrich { Durchgezogen, Gepunktet };
enum class TPinsel { Voll, Leer };

// The pictures the core draws, named by kind; the owner of the canvas maps them to bitmaps.
enum class TBild { Computer, Mailserver, Switch, Drucker, Router, Dokument };

// Exactly the drawing operations that devices, subnets and the network picture need. The window
// implements it over its off-screen surface; tests record the calls.
class TLeinwand {
public:
    virtual ~TLeinwand() = default;

    virtual void SetStiftFarbe(TFarbe farbe) = 0;
    virtual void SetStiftBreite(int breite) = 0;
    virtual void SetStiftStil(TStrich stil) = 0;
    virtual void SetPinselFarbe(TFarbe farbe) = 0;
    virtual void SetPinselStil(TPinsel stil) = 0;
    virtual void SetSchrift(const std::string& name, int punkte) = 0;

    // Fills with the brush, no outline; right and bottom are exclusive.
    virtual void FuelleRechteck(int links, int oben, int rechts, int unten) = 0;
    // Outline only, with the pen; right and bottom are exclusive as on the platform it mimics.
    virtual void Rechteck(int links, int oben, int rechts, int unten) = 0;
    virtual void Linie(int x1, int y1, int x2, int y2) = 0;
    // Top-left corner at (x, y); on an opaque background in the brush colour while the brush is
    // solid.
    virtual void TextAus(int x, int y, const std::string& text) = 0;
    virtual int TextBreite(const std::string& text) = 0;
    // Opaque copy of the picture's top-left block of breite x hoehe pixels to (x, y).
    virtual void KopiereBild(TBild bild, int x, int y, int breite, int hoehe) = 0;
};

} // namespace verbundo

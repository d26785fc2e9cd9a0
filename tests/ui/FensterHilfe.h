#pragma once

// Small helpers of the window tests that look at pixels and locales.

#include <QImage>
#include <QLocale>
#include <QRgb>

namespace verbundo::test {

// The colour of a pixel without its alpha byte.
inline QRgb Farbe(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) & 0xffffffu;
}

inline constexpr QRgb Weiss = 0xffffffu;
inline constexpr QRgb Schwarz = 0x000000u;
inline constexpr QRgb Rot = 0xff0000u;
inline constexpr QRgb Gruen = 0x008000u;
inline constexpr QRgb Blau = 0x0000ffu;

// Sets the default locale for one test and restores the previous one.
class TGebietsschema {
public:
    explicit TGebietsschema(const QLocale& neu) { QLocale::setDefault(neu); }
    ~TGebietsschema() { QLocale::setDefault(Alt); }
    TGebietsschema(const TGebietsschema&) = delete;
    TGebietsschema& operator=(const TGebietsschema&) = delete;

private:
    QLocale Alt;
};

} // namespace verbundo::test

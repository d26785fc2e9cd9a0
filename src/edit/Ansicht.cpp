#include "Ansicht.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace verbundo {

int TAnsicht::MaxX() const {
    return std::max(0, Flaeche - Breite * Zoom / 100);
}

int TAnsicht::MaxY() const {
    return std::max(0, Flaeche - Hoehe * Zoom / 100);
}

TAnsicht TAnsicht::Gezoomt(int neu, int x, int y) const {
    TAnsicht a = *this;
    a.Zoom = std::clamp(neu, 100, 600);
    const auto zurueck = [](int punkt, int zoom, int v) {
        return punkt - static_cast<int>((zoom * v) / 100.0);
    };
    a.SX = std::clamp(zurueck(PufferX(x), a.Zoom, x), 0, a.MaxX());
    a.SY = std::clamp(zurueck(PufferY(y), a.Zoom, y), 0, a.MaxY());
    return a;
}

TAnsicht TAnsicht::Begrenzt() const {
    TAnsicht a = *this;
    a.SX = std::clamp(SX, 0, MaxX());
    a.SY = std::clamp(SY, 0, MaxY());
    return a;
}

TAnsicht TAnsicht::Gerollt(int dx, int dy) const {
    TAnsicht a = *this;
    a.SX = SX - dx * Zoom / 100;
    a.SY = SY - dy * Zoom / 100;
    return a.Begrenzt();
}

TAnsicht TAnsicht::Mit(TPunkt p, int rand) const {
    const TRect q = Quelle();
    if (p.x >= q.Left + rand && p.x <= q.Right - rand && p.y >= q.Top + rand &&
        p.y <= q.Bottom - rand)
        return *this;
    TAnsicht a = *this;
    a.SX = p.x - (q.Right - q.Left) / 2;
    a.SY = p.y - (q.Bottom - q.Top) / 2;
    return a.Begrenzt();
}

int TRastung::Rasten(int winkel) {
    Rest += winkel;
    const int rasten = Rest / 120;
    Rest -= rasten * 120;
    return rasten;
}

int RadZoom(int zoom, int rasten) {
    double z = zoom;
    for (int i = 0; i < std::abs(rasten) && i < 20; ++i)
        z = rasten > 0 ? z * 4 / 5 : z * 5 / 4;
    return std::clamp(static_cast<int>(std::lround(z)), 100, 600);
}

std::string Faktor(double v, char dezimal) {
    if (!(v > 0.0))
        return "0";
    int e = static_cast<int>(std::floor(std::log10(v)));
    long ziffer = std::lround(v / std::pow(10.0, e));
    if (ziffer >= 10) {
        ziffer = 1;
        ++e;
    }
    if (e >= 0)
        return std::to_string(ziffer) + std::string(static_cast<std::size_t>(e), '0');
    return std::string("0") + dezimal + std::string(static_cast<std::size_t>(-e - 1), '0') +
           std::to_string(ziffer);
}

std::string ZoomText(int zoom, char dezimal) {
    return "Zoomfaktor " + Faktor(zoom / 100.0, dezimal) + "x";
}

std::string GeschwindigkeitText(int intervall, char dezimal) {
    return "Geschwindigkeit " + Faktor(200.0 / intervall, dezimal) + "x";
}

} // namespace verbundo

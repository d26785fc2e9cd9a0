#pragma once

#include "../model/Subnetz.h"

#include <string>

namespace verbundo {

// The view onto the 3000 x 3000 surface: zoom z (100 to 600: z/100 surface pixels per view
// pixel), the surface point at the view's top-left corner, and the view's size in view pixels.
struct TAnsicht {
    static constexpr int Flaeche = 3000;

    int Zoom = 100;
    int SX = 0, SY = 0;
    int Breite = 609, Hoehe = 521;

    // View to surface coordinates: the product in integers, the rest in floating point,
    // truncated toward zero. Points beyond the view are fine (a held button leaves it).
    int PufferX(int x) const { return static_cast<int>(SX + (Zoom * x) / 100.0); }
    int PufferY(int y) const { return static_cast<int>(SY + (Zoom * y) / 100.0); }
    // The part of the surface the view shows.
    TRect Quelle() const { return {SX, SY, SX + Breite * Zoom / 100, SY + Hoehe * Zoom / 100}; }
    // The scroll bars' maxima: far out the view is wider than the surface, and they stay at 0.
    int MaxX() const;
    int MaxY() const;
    // Zoomed to neu (kept within 100..600) about the view point (x, y): the surface point shown
    // there stays there as far as the scroll range allows.
    TAnsicht Gezoomt(int neu, int x, int y) const;
    // The scroll position kept within 0..MaxX and 0..MaxY, as scroll bars keep theirs.
    TAnsicht Begrenzt() const;
    // Scrolled by (dx, dy) view pixels as the wheel or two fingers move it: forward (positive)
    // is up and to the left.
    TAnsicht Gerollt(int dx, int dy) const;
    // With p in view: a point nearer than rand surface pixels to the shown part's edge, or
    // outside it, is centred as far as the scroll range allows; otherwise nothing moves.
    TAnsicht Mit(TPunkt p, int rand = 40) const;
};

// Ctrl+wheel zooms by whole notches of 120 (the wheel's angle units); what a fine-stepping
// wheel or touchpad turns beyond them waits for the next turn.
class TRastung {
public:
    int Rasten(int winkel);

private:
    int Rest = 0;
};

// The zoom after turning the wheel by rasten notches (forward is closer): a quarter closer or
// farther per notch, within 100..600.
int RadZoom(int zoom, int rasten);

// v rounded to one significant digit, halves away from zero, without trailing zeros or
// exponent, with the given decimal separator: 1.49 -> "1", 2.5 -> "3", 0.333 -> "0,3".
std::string Faktor(double v, char dezimal);
// "Zoomfaktor 2x" and "Geschwindigkeit 0,5x" (one tick every 200 ms is 1x).
std::string ZoomText(int zoom, char dezimal);
std::string GeschwindigkeitText(int intervall, char dezimal);

} // namespace verbundo

#pragma once

#include "../model/Subnetz.h"

namespace verbundo {

class TLeinwand;
class TNetz;

// The box around everything the picture of netz shows (without selection or gesture), found
// by drawing it: whatever the drawing puts beside a device or a subnet is inside. Texts are
// measured by mass, the canvas the picture is going to be drawn on. Right and bottom are
// exclusive; an empty network gives an empty box at (0, 0).
TRect Ausdehnung(const TNetz& netz, TLeinwand& mass);

// That box grown by rand on every side: the part of the surface a picture or printout shows.
TRect Bildausschnitt(const TNetz& netz, TLeinwand& mass, int rand = 20);

} // namespace verbundo

#pragma once

#include "../model/Subnetz.h"

namespace verbundo {

class TLeinwand;
class TNetz;

// The box around everything the picture of netz shows on the 3000 x 3000 surface (without
// selection or gesture), found by drawing it: whatever the drawing puts beside a device or a
// subnet is inside, as far as it lies on the surface. A device far off it (a file may place
// one at -9999) is no more in a picture than in the window, and no picture is larger than the
// surface. Texts are measured by mass, the canvas the picture is going to be drawn on. Right
// and bottom are exclusive; nothing on the surface gives an empty box at (0, 0).
TRect Ausdehnung(const TNetz& netz, TLeinwand& mass);

// That box grown by rand on every side: the part of the surface a picture or printout shows.
TRect Bildausschnitt(const TNetz& netz, TLeinwand& mass, int rand = 20);

} // namespace verbundo

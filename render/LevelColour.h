#pragma once
// The colour of a band from its position on the scale.
//
// t runs from 0 (the lowest band) to 1 (the highest). In colour mode the
// scale passes through blue, cyan, green, yellow and red in four equal
// segments; inside a segment the changing component follows an arc of a
// superellipse of exponent 1.4, so at a segment's middle it is 181 rather
// than a straight ramp's 128. Above 1 is white, below 0 grey (100, 100, 100).
// In grey mode every component is 30 + 225 t, between 30 and 255. In pattern
// mode every band is black (the patterns carry the difference).
//
// Each component is rounded to a whole number with halves to even and
// limited to 255 before the colour is composed.

#include "render/gdi/GdiTypes.h"
#include "settings/DrawSettings.h"

namespace plotvane {

gdi::COLORREF LevelColour(double t, FillMode mode);

}  // namespace plotvane

#pragma once
// DrawTitle: all the text of the page, into the title picture (MM_TEXT:
// pixels of the reference device, y downward; its frame covers the page).
//
// Positions are given in 0.01 mm from the page's top-left corner and turned
// into pixels with k = HORZRES / HORZSIZE / 100 (pixels per 0.01 mm of the
// reference device); font heights are in points of pt = k x 25.4 / 72 x 100
// pixels. [v] is v rounded to a whole pixel with halves to even; where a
// position adds a font height the sum is rounded once.
//
// Fonts ("ＭＳ Ｐゴシック", cell heights, default weight, default character
// set): the title font [pt x 12] (16 pixels at 96 per inch), the label font
// [pt x 9] (12 pixels) and the vertical label font [pt x 9] with escapement
// and orientation 900 (reading upward). fh is the height of the font in use.
//
//   text            rectangle (left, top, right, bottom)                       aligned
//   labelZ (title)  [2300k], [320k], [12300k], [320k + fh]                      centre
//   Y1              0, [11085k - fh/2], [1760k], [11085k + fh/2]                right
//   Y2              0, [1085k - fh/2], [1760k], [1085k + fh/2]                  right
//   X1              [1300k], [11620k], [3300k], [11620k + fh]                   centre
//   X2              [11300k], [11620k], [13300k], [11620k + fh]                 centre
//   labelX          [2300k], [11620k + 1.2 fh], [12300k], [11620k + 2.2 fh]      centre
//   Z1 value        [13900k], [11085k - fh/2], [18900k], [11085k + fh/2]        left
//   Z2 value        [13900k], [1085k - fh/2], [18900k], [1085k + fh/2]          left
// The X and Y texts are the settings' texts as they stand; the Z values are
// their numeric-prefix values in single precision with at most 7
// significant digits (a value beyond the single-precision range is written
// with 15). Each text is clipped to its rectangle. labelY is written with the
// vertical font from ([600k], [6085k + 50 W k]), W being its width in mm in
// that font, so that it is centred on the map's vertical middle. Empty texts
// draw nothing.

#include "data/Document.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"

namespace plotvane {

void DrawTitle(gdi::DeviceContext& hdc, const PointSet& points, const DrawSettings& settings,
               const DrawParameters& parameters);

}  // namespace plotvane

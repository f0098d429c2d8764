#pragma once
// A small page composed the way the program composes its page: a map picture
// (0.01 mm, y upward) with bands, a pattern piece, a contour line and the
// white margin masks; a title picture in reference pixels (y downward) with
// centred, right-aligned and vertical text; both played into the page at
// their rectangles, with a bracket and a bar drawn on the page itself.
// Tests know where each piece lands and check it there.

#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane::test {

inline constexpr gdi::RECT kPageFrame{0, -12620, 15795, 0};
inline constexpr gdi::RECT kMapFrame{0, -10000, 10000, 0};
inline constexpr gdi::RECT kTitleFrame{0, 0, 15795, 12620};
inline constexpr gdi::RECT kMapOnPage{2300, 11535, 12300, 1535};
inline constexpr gdi::RECT kTitleOnPage{0, 12620, 15795, 0};

inline constexpr gdi::COLORREF kLowBand = gdi::RGB(0, 0, 255);
inline constexpr gdi::COLORREF kHighBand = gdi::RGB(255, 0, 0);
// Pattern 3 of the fill styles: a regular diagonal grid of 16 black pixels.
inline constexpr gdi::MonoPattern kDemoPattern{0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22};

// The map: white background, the lower half (map y 0..5000) in kLowBand with
// a width-20 outline in its own colour, the upper-left quarter in kHighBand,
// the upper-right quarter in kDemoPattern with the null pen, a black contour
// line from (0, 5000) to (10000, 5000), then the margin masks.
gdi::EnhMetaFile MakeDemoMap();
// The title: "Demo 標高" centred at the top, "12.5" right-aligned left of
// the map, and "標高ｶﾅ" written upward (escapement 900) at (23, 230).
gdi::EnhMetaFile MakeDemoTitle();
// The page: the map and the title played at their rectangles, then a black
// bracket polyline (2115,1535)-(1880,1535)-(1880,11535)-(2115,11535) and a
// bar segment 13300..13700 x 1535..11535 in kHighBand without outline.
gdi::EnhMetaFile MakeDemoPage();

}  // namespace plotvane::test

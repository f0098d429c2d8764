#pragma once
// The read-out of the data coordinates and the mesh value under the cursor.
//
// The cursor comes in millimetres from the page's top-left corner at its
// real size, 96 pixels per inch (the surface maps it back through any zoom
// and pan); the map square lies 23..123 mm from the left and 10.85..110.85 mm
// from the top. The read-out inverts that
// placement and the map's mapping of the settings' window X1..X2, Y1..Y2
// onto the square:
// - u = X - 23 and v = 100 - (Y - 10.85), rounded to single precision: the
//   cursor in percent of the square from its left and bottom edges; the
//   edges themselves (0 and 100) count as inside;
// - the window edges are the values of the texts X1, X2, Y1, Y2 (numeric-
//   prefix rule), the data extent where a text is empty;
// - Xm = XL + u * (XR - XL) / 100 and Ym likewise, in double precision and
//   then rounded to single precision: the coordinates shown and looked up.
// No state is kept between events.

#include <optional>
#include <string>

#include "data/Document.h"

namespace plotvane::app {

// A position on the page in pixels at 100 % (96 per inch) as millimetres
// from its top-left corner, in single precision.
float PixelsToMillimetres(double pixels);

// The text of the status bar's first panel for the cursor at X, Y mm:
// "  X=" + Xm + ",  Y=" + Ym + ",  Z=" + Z (at most 7 significant digits
// each); "" outside the map square, before a mesh of at least three triangles
// exists, or outside the mesh; nullopt when the panel is to keep its text
// (the point lies in a triangle whose vertices are collinear).
std::optional<std::string> CursorReadout(const Document& doc, float X, float Y);

}  // namespace plotvane::app

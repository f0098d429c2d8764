#pragma once
// The site boundary on the map picture (tools/Boundary.h): everything drawn
// outside it is painted over in white, and on request the boundary itself
// is drawn as a thin black line.
//
// The mask is one polygon filled by the alternate (even-odd) rule that
// every player of the page honours: a rectangle around the map and its
// margins, then each ring, each reached from the rectangle's first corner
// and left back to it. Each bridge runs there and back along the same line,
// so it crosses every scan line twice and changes no parity: the filled
// region is exactly the rectangle minus the even-odd inside of the rings.
// It has no outline, and is drawn after the bands, lines and triangle edges
// and before the labels, the posts and the rest of the page.
//
// The ring corners go through the mapping of ConvertToMap (ContourMap.h), so
// the mask meets the triangles where the look-ups say the boundary is.

#include "data/Document.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// Nothing when doc's mesh has no boundary.
void DrawBoundaryMask(gdi::DeviceContext& hdc, const Document& doc, const DrawParameters& parameters);

}  // namespace plotvane

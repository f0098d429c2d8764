#pragma once
// The site boundary on the map picture (tools/Boundary.h): the polygon the
// bands, lines and triangle edges are clipped to, and on request the
// boundary itself as a thin black line.
//
// The clip is one polygon whose even-odd inside is the boundary's: the first
// ring, then each further ring reached from the first ring's first corner
// and left back to it. Each bridge runs there and back along the same line,
// so it crosses every scan line twice and changes no parity. The ring
// corners go through the mapping of ConvertToMap (ContourMap.h), so the clip
// meets the triangles where the look-ups say the boundary is.

#include <vector>

#include "data/Document.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// Empty when doc's mesh has no boundary.
std::vector<gdi::POINT> BoundaryClipPolygon(const Document& doc, const DrawParameters& parameters);

// The boundary as a 0.1 mm black line, when doc.boundaryLine asks for it.
void DrawBoundaryLine(gdi::DeviceContext& hdc, const Document& doc, const DrawParameters& parameters);

}  // namespace plotvane

#pragma once
// The difference of two surfaces as a triangulation of its own: the plan
// where both exist cut into the pieces where one triangle of each overlap
// (ConvexPiece.h), each piece fanned into triangles, with d = S - R at every
// corner. Both surfaces are linear on a piece, so the difference is exactly
// linear on each triangle: contouring it draws S - R itself, and its zero
// line is where cut turns into fill.
//
// Neighbouring pieces compute their common corners separately, so a corner
// may come out a rounding error apart in each; corners closer than a
// billionth of the plan's extent are taken as one, which makes the pieces
// share their edges and lets contour lines run on across them.

#include <cstdint>
#include <vector>

#include "tools/VolumeSurface.h"

namespace plotvane {

struct DifferenceOverlay {
  // The corners, in coordinates shifted by the origin given, and d there.
  std::vector<double> x, y, d;
  // Three corners (0-based) per triangle, counter-clockwise.
  std::vector<std::int32_t> corners;
};

// The overlay of s's and r's admitted triangles, shifted by -(originX,
// originY). Empty when the two do not overlap with any area.
DifferenceOverlay OverlayDifference(const VolumeSurface& s, const VolumeSurface& r, double originX, double originY);

}  // namespace plotvane

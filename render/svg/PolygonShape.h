#pragma once
// The shape tests that decide whether polygons of one style may share one
// path of a vector file (SVG and PDF): a path filled by the nonzero rule
// fills the union of its pieces exactly as drawing them one by one would
// when each piece is convex and all turn the same way round.

#include <vector>

#include "render/svg/SvgPathData.h"

namespace plotvane::svg {

// Twice the signed area of the polygon (positive when clockwise on the page,
// y downward).
double DoubleArea(const std::vector<FixedPoint>& polygon);

// Convex and winding once: every turn the same way, and the x direction
// reversing exactly twice around the outline (a star turns one way too, but
// winds more than once). Such a polygon fills the same by either rule.
bool IsSimpleConvex(const std::vector<FixedPoint>& polygon);

}  // namespace plotvane::svg

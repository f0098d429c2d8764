#pragma once
// The contour data kept to the site boundary (tools/Boundary.h), so that the
// exported files show what the page shows.
//
// - Lines are cut at the rings, their inside pieces kept (levels/BoundaryLines.h).
// - Band polygons are intersected by GEOS (through OGR) with the boundary's
//   region, the symmetric difference of the rings' polygons (exactly the
//   even-odd inside of rings that do not cross one another).
// Levels and bands left with nothing are dropped, as the contour set lists
// only levels and bands that have something.

#include "data/Document.h"
#include "levels/ContourSet.h"

namespace plotvane {

// Nothing when doc's mesh has no boundary. The contours are in doc's data
// coordinates.
void ClipToBoundary(ContourSet& contours, const Document& doc);

}  // namespace plotvane

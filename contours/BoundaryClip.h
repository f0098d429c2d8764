#pragma once
// The contour data kept to the site boundary (tools/Boundary.h), so that the
// exported files show what the page shows.
//
// - Lines are cut where they cross a ring; of the pieces between crossings
//   those whose middle lies inside (even-odd) are kept, consecutive kept
//   pieces joined again. A closed line wholly inside stays closed; one the
//   boundary cuts becomes open lines. Crossings are found through a grid of
//   the ring edges, so a line away from the boundary costs one inside test
//   per segment.
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

#pragma once
// Band polygons as OGR geometry and back, for the work GEOS does on them
// (BandRepair.h, BoundaryClip.h).

#include <ogr_geometry.h>

#include <vector>

#include "levels/ContourSet.h"

namespace plotvane {

// The band's polygons, each ring closed as OGR wants it.
OGRMultiPolygon BandToOgr(const ContourBand& band);

// Appends the polygons of a geometry GEOS made (a polygon, several, or a
// collection with lines and points of no area, which are dropped), outer
// rings counter-clockwise and holes clockwise, open as the bands keep them.
void CollectPolygons(const OGRGeometry& geometry, std::vector<BandPolygon>& out);

}  // namespace plotvane

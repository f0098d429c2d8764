#pragma once
// The last guarantee that every band polygon is valid in OGC's simple
// features, which GIS programs check before they will clip, dissolve or
// measure a layer.
//
// The band walk (levels/BandPolygons.h) already keeps rings simple. What it
// cannot see are nodes that are distinct but lie a rounding step apart: a
// vertex a hair off a level gives crossings beside it whose rings may touch
// or cross by 1e-15. Each band is therefore checked by GEOS (through OGR),
// in groups of polygons whose boxes meet; only a group that fails is rebuilt
// by GEOS's MakeValid, which keeps every vertex and turns the touching rings
// into polygons and holes that meet at points. Its polygonal parts take the
// group's place, with outer rings counter-clockwise and holes clockwise
// again; valid bands and groups are left exactly as they were.

#include "levels/ContourSet.h"

namespace plotvane {

void RepairBand(ContourBand& band);

}  // namespace plotvane

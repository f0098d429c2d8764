#pragma once
// Whether a triangle table is a triangulation: the check BuildMesh makes of
// its own result when a step gave cause for doubt.

#include <cstdint>
#include <vector>

#include "mesh/MeshWork.h"

namespace plotvane {

// True when triangles 1..ntri of ipt (corner triples, 1-based, super-triangle
// corners nv+1..nv+3 included) cover the super-triangle exactly once and use
// every point 1..nv. That holds when every triangle is strictly clockwise (by
// the exact test) and every edge meets its reverse exactly once but for the
// three edges of the super-triangle: such a set of triangles covers each
// place as many times as the super-triangle's outline winds around it, once.
bool TilesSuperTriangle(const MeshPointTable& points, PointIndex nv, const std::vector<std::int32_t>& ipt,
                        TriangleIndex ntri);

}  // namespace plotvane

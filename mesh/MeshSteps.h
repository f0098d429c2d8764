#pragma once
// The steps of building a mesh that the fast and the literal triangulation
// share: placing the super-triangle, deleting the shared edges of a cavity and
// removing the triangles that use a super-triangle corner.

#include <cstdint>
#include <vector>

#include "mesh/MeshWork.h"

namespace plotvane {

// Writes the super-triangle corners to points nv+1..nv+3 (the table must have
// room): offset from the centre of the bounding box of points 1..nv by 2 dmax
// sideways or upward and dmax downward, so the corners of normalised data are
// always (-150, -50), (50, 250) and (250, -50).
void PlaceSuperTriangle(MeshPointTable& points, PointIndex nv);

// Deletes, for edges 1..nedge in order, every edge together with the first
// later edge that runs the other way between the same points (both become 0).
// Two copies in the same direction are not a pair. Linear in the count. Place
// 0 of edges, unused, may be written with zeros.
void DeleteSharedEdges(std::vector<MeshEdge>& edges, int nedge);

// Removes every triangle of 1..ntri (corner triples in ipt, 1-based) that
// uses a point above nv, by moving the last triangle into its slot; returns
// the number left and shrinks ipt to match.
TriangleIndex RemoveSuperTriangles(std::vector<std::int32_t>& ipt, TriangleIndex ntri, PointIndex nv);

}  // namespace plotvane

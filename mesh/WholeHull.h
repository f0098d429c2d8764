#pragma once
// Keeping the mesh in one piece.
//
// The triangles that BuildMesh removes with the super-triangle's corners are
// not always outside the points' hull: where the corners lie closer to part
// of the hull than the points beyond it, a triangle of that corner holds
// ground of the hull, and its removal can leave the mesh in separate pieces,
// or with a hole. A mesh that is one disc is kept as the method leaves it
// (at worst a sliver of the hull missing along points nearly on one line);
// one that is not is replaced by the Delaunay triangulation of the whole
// hull, made by a sweep and exact edge flips.

#include <cstdint>
#include <vector>

#include "mesh/MeshWork.h"

namespace plotvane {

// True when triangles 1..nt (clockwise, 1-based corner triples) are one disc:
// no edge twice in one direction and nt = 2 v - b - 2, v the points they use
// and b their edges without a neighbour.
bool FormsOneDisc(PointIndex nv, const std::vector<std::int32_t>& ipt, TriangleIndex nt);

// The same answer for the triangles that removing every triangle with a
// corner above nv leaves of triangles 1..ntri, a triangulation of the
// super-triangle, asked before the removal. Each edge between data points
// has a triangle on either side, so the rest's edges without a neighbour are
// the removed triangles' data edges that no other removed triangle shares:
// only the few removed triangles need matching, not every edge of the mesh.
bool RemovalLeavesOneDisc(const std::vector<std::int32_t>& ipt, TriangleIndex ntri, PointIndex nv);

// The Delaunay triangulation of points 1..nv (not all on one line, no two
// equal) over their whole hull, written to ipt as clockwise triples; returns
// the count, 2 nv - h - 2.
TriangleIndex SweepDelaunay(const MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt);

}  // namespace plotvane

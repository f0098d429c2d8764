#pragma once
// The Delaunay triangulation by the same method as BuildMesh (points in
// ascending X inside the same super-triangle, removed at the end), with every
// decision taken by the exact tests of ExactPredicates.
//
// BuildMesh turns to it when its own circles, computed in floating point,
// would give overlapping triangles: on points that lie on one circle, or
// nearly so, those circles contradict each other. Here the triangles that a
// new point removes are found by walking from the triangle that holds it to
// its neighbours whose circle holds it strictly; a point exactly on a circle
// leaves that triangle alone. That region is always star-shaped from the
// point, so joining the point to its rim gives a valid triangulation, and the
// result is a Delaunay triangulation of the points with the super-triangle
// corners. Where several exist (points on one circle) it is one of them.
//
// The result follows BuildMesh's conventions: triangles clockwise, listed
// (p1, p2, inserted point). Their numbering is that of this method's own
// table, not the floating-point method's.

#include <cstdint>
#include <vector>

#include "common/Progress.h"
#include "mesh/MeshWork.h"

namespace plotvane {

// The arguments and result are those of BuildMesh; the only fault is Cancelled.
BuildMeshResult BuildMeshExact(MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt,
                               ProgressSink& progress);

}  // namespace plotvane

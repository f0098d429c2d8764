#pragma once
// Bowyer-Watson triangulation of points 1..nv of a MeshPointTable, inserted in
// ascending X inside an enclosing super-triangle that is removed at the end.
//
// The result is exactly that of the plain method, which scans every triangle
// slot for every point: the same triangles, in the same slots, with the same
// vertex order (p1, p2, inserted point). The plain scan touches each slot for
// each point and so takes quadratic time; this one asks a CircleIndex for the
// triangles whose circle may hold the point, and replays only the moves the
// scan would make among those slots (a removed triangle's slot receives the
// last one, which is examined next). Triangles the scan would merely pass over
// need no work at all.
//
// On points that lie on one circle, or nearly so, the plain method's rounded
// circles can disagree and leave overlapping triangles. Each cavity is checked
// with an exact orientation test as it is filled; when one was not
// star-shaped from its point and the final table is not a tiling of the
// super-triangle, or the run failed, the mesh is built again by
// BuildMeshExact. Wherever the plain method's table ends as a sound tiling,
// its mesh is the result, bit for bit, even when a cavity on the way was not
// (a later, larger one can clear the overlaps away).

#include <cstdint>
#include <functional>
#include <vector>

#include "common/Progress.h"
#include "mesh/MeshWork.h"

namespace plotvane {

// points: 1..nv in ascending X (as SortPoints leaves them), room for nv+3
// (the super-triangle is written there).
// ipt: receives triangle k as ipt[3k-2], ipt[3k-1], ipt[3k] = p1, p2, p3 for
// k = 1..ntri (resized to 3 ntri + 1).
// progress: 10 + 90 i / nv after every nv/20 points.
BuildMeshResult BuildMesh(MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt,
                          ProgressSink& progress);

using BuildMeshFunction =
    std::function<BuildMeshResult(MeshPointTable&, PointIndex, std::vector<std::int32_t>&, ProgressSink&)>;

// Progress is reported after every this many points.
inline PointIndex ProgressStep(PointIndex nv) { return nv / 20 > 1 ? nv / 20 : 1; }

}  // namespace plotvane

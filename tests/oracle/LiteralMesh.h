#pragma once
// The triangulation written exactly as the method reads, step by step: every
// point scans every triangle slot. Quadratic, so only for tests and
// benchmarks, where it is the oracle the fast code must match bit for bit.

#include <vector>

#include "mesh/BuildMesh.h"

namespace plotvane::oracle {

BuildMeshResult BuildMeshLiteral(MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt,
                                 ProgressSink& progress);

// The recursive quicksort as written.
void SortPointsRecursive(std::vector<double>& x, std::vector<double>& y, std::vector<double>& z, PointIndex lo,
                         PointIndex hi);

// The duplicate check as written: every later point of the same X.
bool HasDuplicatePointsLiteral(const std::vector<double>& x, const std::vector<double>& y, PointIndex nn);

// Shared-edge deletion as written: pairwise over the whole list.
void DeleteSharedEdgesLiteral(std::vector<MeshEdge>& edges, int nedge);

}  // namespace plotvane::oracle

#pragma once
// Query points for comparing the fast look-up with the plain scan: the places
// where they could disagree if the index missed a triangle.

#include <cstdint>
#include <vector>

#include "tools/ToolMeshes.h"

namespace plotvane::test {

struct QueryPoint {
  float x, y;  // data units
};

// Uniform points over and around the mesh, vertices, edge midpoints, points a
// few float steps off vertices, and points on the lines through edges far
// beyond the edges' ends. count sets how many of each kind.
std::vector<QueryPoint> QueryPointsFor(const ToolMesh& t, int count, std::uint32_t seed);

}  // namespace plotvane::test

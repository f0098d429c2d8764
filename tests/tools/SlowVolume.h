#pragma once
// An independent volume computation for the tests: every triangle of one
// surface against every triangle of the other, clipped as plain polygons, the
// difference interpolated by barycentric weights, and the positive and
// negative parts of each fan triangle integrated in closed form. Slow, short
// and sharing nothing with the code under test but the reading of the mesh.

#include <optional>
#include <string>

#include "tools/ToolMeshes.h"

namespace plotvane::test {

struct SlowFigures {
  double cut = 0, fill = 0, area = 0, cutArea = 0, fillArea = 0;
};

// s against r, or against the plane z = plane when r is null; sq is the
// distortion limit text of both ("" for none).
SlowFigures SlowVolume(const ToolMesh& s, const ToolMesh* r, double plane, const std::string& sq);

}  // namespace plotvane::test

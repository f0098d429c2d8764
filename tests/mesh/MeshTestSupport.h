#pragma once
// Point sets turned into the normalised, 1-based mesh arrays the load road
// hands to the triangulation, and a triangulation run captured as a value.

#include <string>
#include <vector>

#include "mesh/Triangulate.h"
#include "support/PointGenerators.h"

namespace plotvane::test {

struct MeshRun {
  TriangulateOutcome outcome = TriangulateOutcome::Failed;
  std::string errMsg;
  std::vector<double> x, y, z;  // after the sort, 1-based
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt;
};

// (v - min) * 100 / (max - min) per axis, 1-based, as the load road computes it.
void Normalise(const Points& points, std::vector<double>& x, std::vector<double>& y, std::vector<double>& z);

MeshRun RunTriangulate(const Points& points, const BuildMeshFunction& build = BuildMesh);

}  // namespace plotvane::test

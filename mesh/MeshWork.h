#pragma once
// The working tables of one triangulation run.
//
// MeshPoints holds the points to join, 1..nv, followed by the three corners of
// the enclosing super-triangle at nv+1..nv+3. A MeshTriangle names three of
// those points and carries its circumcircle (centre xc, yc and radius r). Slot
// 0 of both tables exists and is never used.
//
// Every triangle is listed clockwise (X to the right, Y upward): the
// super-triangle is created clockwise, and each new triangle (p1, p2, i) takes
// an edge in the direction a removed clockwise triangle listed it, with the new
// point on its right. The containment test of the value look-up relies on it.

#include <cstdint>
#include <vector>

#include "common/Index.h"

namespace plotvane {

struct MeshPointTable {
  std::vector<double> x{0.0}, y{0.0};
};

struct MeshTriangle {
  std::int32_t p1 = 0, p2 = 0, p3 = 0;
  double xc = 0, yc = 0, r = 0;
};

struct MeshEdge {
  std::int32_t p1 = 0, p2 = 0;  // both 0: deleted
};

// Why a run stopped before it finished.
enum class MeshFault {
  None,
  CircleFault,  // a circumcircle came out infinite or undefined (three corners on one slanted line)
  TableFull,    // more triangles or cavity edges than the working tables hold
  Cancelled,    // the progress sink asked to stop
};

struct BuildMeshResult {
  TriangleIndex ntri = 0;  // triangles 1..ntri of the output table; 0 when none remains
  MeshFault fault = MeshFault::None;
};

}  // namespace plotvane

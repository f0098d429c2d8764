// The value look-up: see MeshValueAt.h. The two entry points differ only in
// which triangles they offer to the shared per-triangle step.

#include "tools/MeshValueAt.h"

#include <cassert>
#include <cmath>
#include <limits>

#include "tools/Boundary.h"
#include "tools/MeshLocator.h"
#include "tools/TriangleKernel.h"

namespace plotvane {
namespace {

// Turns the winning triangle's normalised value back into data units.
MeshValue ToDataUnits(const DataRange& range, float zn) {
  const double z = range.zMin + (range.zMax - range.zMin) * zn / 100.0;
  if (!std::isfinite(z) || std::fabs(z) > std::numeric_limits<float>::max()) return {};
  return {MeshValue::Kind::Value, static_cast<float>(z)};
}

// The step both scans take for triangle i; true when it decides the answer.
struct Scan {
  const Mesh& mesh;
  const DistortionLimit& limit;
  double xn, yn;
  TriangleTest found{};

  bool operator()(TriangleIndex i) {
    if (!limit.admits(mesh.hh[i])) return false;
    found = TestTriangle(mesh, i, xn, yn);
    return found.kind != TriangleTest::Kind::Miss;
  }
};

}  // namespace

// The point in mesh coordinates; invalid when the extents leave no valid
// normalisation (the mesh then cannot belong to this data).
NormalisedPoint NormalisePoint(const DataRange& range, double X, double Y) {
  const double width = MeshSpanX(range);
  const double height = MeshSpanY(range);
  if (width == 0 || height == 0) return {};
  return {true, (X - range.xMin) / width * 100.0, (Y - range.yMin) / height * 100.0};
}

MeshValue AnswerOf(const DataRange& range, const TriangleTest& found) {
  switch (found.kind) {
    case TriangleTest::Kind::Hit: return ToDataUnits(range, found.zn);
    case TriangleTest::Kind::Degenerate: return {MeshValue::Kind::Degenerate, 0.0f};
    case TriangleTest::Kind::Miss: break;
  }
  return {};
}

MeshValue MeshValueAt(const Mesh& mesh, const DataRange& range, const DistortionLimit& limit, double X, double Y) {
  if (mesh.nt <= 0) return {};
  const NormalisedPoint p = NormalisePoint(range, X, Y);
  if (!p.valid || OutsideBoundary(mesh, p.xn, p.yn)) return {};
  const MeshLocator& index = LocatorOf(mesh);
  if (index.triangleCount() != mesh.nt) return {};
  assert(mesh.hh.size() > static_cast<std::size_t>(mesh.nt) && "hh must hold a distortion per triangle");
  Scan scan{mesh, limit, p.xn, p.yn};
  index.forEachCandidate(p.xn, p.yn, scan);
  return AnswerOf(range, scan.found);
}

MeshValue MeshValueAt(const Document& document, float X, float Y) {
  return MeshValueAt(document.mesh, document.range, ReadDistortionLimit(document.settings), X, Y);
}

MeshValue MeshValueAtLinear(const Mesh& mesh, const DataRange& range, const DistortionLimit& limit, float X, float Y) {
  if (mesh.nt <= 0) return {};
  const NormalisedPoint p = NormalisePoint(range, X, Y);
  if (!p.valid || OutsideBoundary(mesh, p.xn, p.yn)) return {};
  assert(mesh.hh.size() > static_cast<std::size_t>(mesh.nt) && "hh must hold a distortion per triangle");
  Scan scan{mesh, limit, p.xn, p.yn};
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (scan(i)) break;
  }
  return AnswerOf(range, scan.found);
}

}  // namespace plotvane

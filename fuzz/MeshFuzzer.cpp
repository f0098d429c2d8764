// Fuzzes the triangulation against the literal method, on point sets made for
// degenerate geometry: small integer lattices (equal X, equal Y, collinear and
// cocircular points, duplicates), points near one line, and arbitrary doubles.
// The points are normalised as the load road does and triangulated twice.
//
// Input (FuzzedDataProvider): the kind of point set and its size from the
// end, coordinates from the rest.
//
// Properties, beyond "no crash, no sanitizer finding":
// - both sort the points alike;
// - wherever the literal method triangulates the whole hull, the fast one
//   equals it bit for bit: the outcome, its message, the triangles in their
//   slots with their vertex order;
// - where the literal method fails, finds no triangle, overlaps its
//   triangles or loses some of the hull (points on one circle, points near a
//   line), the fast one still gives a valid triangulation;
// - on a mesh, the spatial look-up agrees with the plain scan at every
//   vertex, every triangle centre and edge midpoint, and at lattice points.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "mesh/Distortion.h"
#include "mesh/ExactPredicates.h"
#include "mesh/Triangulate.h"
#include "oracle/LiteralMesh.h"
#include "tools/MeshValueAt.h"

namespace plotvane::fuzz {
namespace {

constexpr int kMaxPoints = 160;

struct PointColumns {
  std::vector<double> x{0.0}, y{0.0}, z{0.0};  // 1-based
  PointIndex nn() const { return static_cast<PointIndex>(x.size()) - 1; }
};

PointColumns MakePoints(FuzzedDataProvider& input) {
  const int kind = input.ConsumeIntegralInRange(0, 3);
  const int count = input.ConsumeIntegralInRange(0, kMaxPoints);
  PointColumns p;
  for (int i = 0; i < count && input.remaining_bytes() > 0; ++i) {
    double x = 0, y = 0;
    switch (kind) {
      case 0:  // a 16 x 16 lattice
        x = input.ConsumeIntegralInRange(0, 15);
        y = input.ConsumeIntegralInRange(0, 15);
        break;
      case 1:  // a lattice stretched a million to one
        x = input.ConsumeIntegralInRange(0, 255) * 1e6;
        y = input.ConsumeIntegralInRange(0, 255) * 1e-3;
        break;
      case 2:  // one unit in the last place off the line y = x / 3
        x = input.ConsumeIntegralInRange(0, 1 << 20);
        y = std::nextafter(x / 3, input.ConsumeBool() ? 1e9 : -1e9);
        break;
      default: x = input.ConsumeFloatingPointInRange(-1e6, 1e6); y = input.ConsumeFloatingPointInRange(-1e6, 1e6);
    }
    p.x.push_back(x);
    p.y.push_back(y);
    p.z.push_back(input.ConsumeIntegralInRange(0, 7));
  }
  return p;
}

// (v - min) * 100 / (max - min), as the load road computes it; false when the
// range is empty (the road stops before the triangulation then).
bool Normalise(std::vector<double>& v, PointIndex nn) {
  double lo = v[1], hi = v[1];
  for (PointIndex i = 1; i <= nn; ++i) {
    lo = std::fmin(lo, v[i]);
    hi = std::fmax(hi, v[i]);
  }
  if (hi == lo) return false;
  for (PointIndex i = 1; i <= nn; ++i) v[i] = (v[i] - lo) * 100.0 / (hi - lo);
  return true;
}

struct Run {
  TriangulateOutcome outcome{};
  std::string errMsg;
  PointColumns points;
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt{0};
};

Run Triangulated(const PointColumns& points, const BuildMeshFunction& build) {
  Run run;
  run.points = points;
  PointColumns& p = run.points;
  run.outcome = Triangulate(p.nn(), p.x, p.y, p.z, run.nt, run.ipt, run.errMsg, NullProgress(), build);
  return run;
}

// A valid triangulation, told from the triangles alone: each strictly
// clockwise by the exact test, no edge twice in one direction, and a union
// that is one disc (2v - b - 2 triangles, v the points used, b the edges
// without a neighbour). Overlapping triangles break one of these. A point may
// be in no triangle: on points that nearly lie on one line, the triangles
// along the hull reach the super-triangle's corners and go with them.
bool IsTriangulation(const Run& run) {
  if (run.outcome != TriangulateOutcome::Meshed) return false;
  const PointColumns& p = run.points;
  const PointIndex n = p.nn();
  std::map<std::pair<std::int32_t, std::int32_t>, int> directed;
  std::vector<bool> used(static_cast<std::size_t>(n) + 1);
  for (TriangleIndex k = 1; k <= run.nt; ++k) {
    const std::int32_t v[3] = {run.ipt[3 * k - 2], run.ipt[3 * k - 1], run.ipt[3 * k]};
    for (int c = 0; c < 3; ++c) {
      if (v[c] < 1 || v[c] > n) return false;
      used[static_cast<std::size_t>(v[c])] = true;
      if (++directed[{v[c], v[(c + 1) % 3]}] == 2) return false;
    }
    const auto at = [&p](std::int32_t i) { return ExactPoint{p.x[i], p.y[i]}; };
    if (OrientationSign(at(v[0]), at(v[1]), at(v[2])) >= 0) return false;
  }
  const auto vertices = static_cast<TriangleIndex>(std::count(used.begin(), used.end(), true));
  TriangleIndex rim = 0;
  for (const auto& entry : directed) rim += directed.count({entry.first.second, entry.first.first}) == 0;
  return run.nt == 2 * vertices - rim - 2;
}

// The points on the convex hull's outline, corners and points along its
// edges alike, by the monotone chain with the exact orientation test.
PointIndex HullPointCount(const PointColumns& p) {
  std::vector<ExactPoint> sorted;
  for (PointIndex i = 1; i <= p.nn(); ++i) sorted.push_back({p.x[i], p.y[i]});
  std::sort(sorted.begin(), sorted.end(),
            [](const ExactPoint& a, const ExactPoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  std::vector<ExactPoint> hull;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t base = hull.size();
    for (const ExactPoint& q : sorted) {
      while (hull.size() >= base + 2 && OrientationSign(hull[hull.size() - 2], hull.back(), q) < 0) hull.pop_back();
      hull.push_back(q);
    }
    hull.pop_back();  // the last is the first of the other chain
    std::reverse(sorted.begin(), sorted.end());
  }
  return static_cast<PointIndex>(hull.size());
}

// The triangulation of the whole hull: every point used and 2n - h - 2
// triangles, h the points on the hull's outline.
bool TriangulatesTheHull(const Run& run) {
  return IsTriangulation(run) && run.nt == 2 * run.points.nn() - HullPointCount(run.points) - 2;
}

void Compare(const Mesh& mesh, const DataRange& range, float X, float Y) {
  const DistortionLimit none{};
  const MeshValue fast = MeshValueAt(mesh, range, none, X, Y);
  const MeshValue plain = MeshValueAtLinear(mesh, range, none, X, Y);
  Require(fast.kind == plain.kind, "the spatial look-up and the scan agree on the kind");
  if (fast.hasValue()) Require(std::memcmp(&fast.z, &plain.z, sizeof fast.z) == 0, "and on Z");
}

// Look-ups on the mesh in its own normalised units (the range 0..100).
void CheckLookUps(const Run& run) {
  Mesh mesh;
  mesh.meshX = run.points.x;
  mesh.meshY = run.points.y;
  mesh.meshZ = run.points.z;
  mesh.nt = run.nt;
  mesh.ipt = run.ipt;
  TriangleDistortions(mesh.meshX, mesh.meshY, mesh.nt, mesh.ipt, mesh.hh);
  const DataRange range{0, 100, 0, 100, 0, 100};
  for (PointIndex i = 1; i <= run.points.nn(); ++i) {
    Compare(mesh, range, static_cast<float>(mesh.meshX[i]), static_cast<float>(mesh.meshY[i]));
  }
  for (TriangleIndex k = 1; k <= mesh.nt; ++k) {
    const auto a = mesh.ipt[3 * k - 2], b = mesh.ipt[3 * k - 1], c = mesh.ipt[3 * k];
    Compare(mesh, range, static_cast<float>((mesh.meshX[a] + mesh.meshX[b] + mesh.meshX[c]) / 3),
            static_cast<float>((mesh.meshY[a] + mesh.meshY[b] + mesh.meshY[c]) / 3));
    Compare(mesh, range, static_cast<float>((mesh.meshX[a] + mesh.meshX[b]) / 2),
            static_cast<float>((mesh.meshY[a] + mesh.meshY[b]) / 2));
  }
  for (int gx = -1; gx <= 21; ++gx) {
    for (int gy = -1; gy <= 21; ++gy) Compare(mesh, range, static_cast<float>(gx * 5), static_cast<float>(gy * 5));
  }
}

}  // namespace
}  // namespace plotvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  using namespace plotvane::fuzz;
  FuzzedDataProvider input(data, size);
  PointColumns points = MakePoints(input);
  const PointIndex nn = points.nn();
  if (nn >= 1 && !(Normalise(points.x, nn) && Normalise(points.y, nn) && Normalise(points.z, nn))) return 0;

  const Run fast = Triangulated(points, BuildMesh);
  const Run literal = Triangulated(points, oracle::BuildMeshLiteral);
  Require(fast.points.x == literal.points.x && fast.points.y == literal.points.y && fast.points.z == literal.points.z,
          "both methods sort the points alike");
  // The literal method's circles can also lose every triangle on such points,
  // which it then reports as collinear points: the fast mesh shows otherwise.
  const bool literalGaveUp =
      literal.outcome == TriangulateOutcome::Failed || literal.outcome == TriangulateOutcome::AllCollinear;
  const bool literalFailedItself = (literal.outcome == TriangulateOutcome::Meshed && !TriangulatesTheHull(literal)) ||
                                   (literalGaveUp && fast.outcome == TriangulateOutcome::Meshed);
  if (literalFailedItself) {
    Require(IsTriangulation(fast), "where the literal method fails, the fast one still triangulates");
  } else {
    Require(fast.outcome == literal.outcome, "both methods end alike");
    Require(fast.errMsg == literal.errMsg, "both methods give the same message");
    Require(fast.nt == literal.nt, "both methods make as many triangles");
    if (fast.outcome != TriangulateOutcome::Meshed) return 0;
    Require(fast.ipt == literal.ipt, "both methods make the same triangles in the same slots");
  }
  if (fast.outcome != TriangulateOutcome::Meshed) return 0;
  for (std::size_t k = 1; k < fast.ipt.size(); ++k)
    Require(fast.ipt[k] >= 1 && fast.ipt[k] <= nn, "indices name points");
  CheckLookUps(fast);
  return 0;
}

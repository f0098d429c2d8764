// The region a triangle's containment test accepts: see TriangleRegion.h.
//
// Why the margin is enough. A point the test accepts satisfies, for each
// edge k, cross(e_k, P - P_k) <= 2.01u |e_k| |P - P_k| + (underflow), with u =
// 2^-53: the rounded products and difference can hide at most that much. That
// is the union of the edge's half-plane tilted by +-2.01u about P_k, so the
// accepted set lies in the union of triangles whose lines are tilted that
// much. Tilting moves a crossing point by at most 2 * 2.01u * R / sin(theta),
// R bounding the distances involved and theta the smallest angle between the
// lines; computing the crossing points in double adds at most about
// 6u R / sin(theta) + u |Q|. The margin takes 64u R / sin(theta) + 64u |Q|,
// several times the sum, so its own rounding and second-order terms are
// covered too. The products of two float components are exact in double, so
// the signs that decide boundedness are exact.

#include "tools/TriangleRegion.h"

#include <algorithm>
#include <cmath>

#include "tools/TriangleKernel.h"

namespace plotvane {
namespace {

constexpr double kUnitRoundoff = 0x1p-53;
constexpr double kMarginFactor = 64.0 * kUnitRoundoff;
// Below this sine two lines count as nearly parallel: their crossing is too
// sensitive to rounding to bound it usefully.
constexpr double kMinSine = 1e-9;
// Covers the products that underflow in the test (at most 2^-1074 each,
// divided by an edge length of at least 2^-149 and by kMinSine).
constexpr double kAbsoluteMargin = 1e-250;

struct Vec {
  double x, y;
};

double Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
// Of an edge, whose components are floats: their squares are exact in double
// and can neither overflow nor underflow, so the plain root is as good as
// hypot (within 2u, which the margin's factor absorbs) at a fraction of its
// cost, paid for every triangle of the mesh.
double EdgeLength(Vec a) { return std::sqrt(a.x * a.x + a.y * a.y); }

// The crossing of the line through p along e with the line through q along f.
Vec Crossing(Vec p, Vec e, Vec q, Vec f) {
  const double t = Cross(f, Vec{q.x - p.x, q.y - p.y}) / Cross(f, e);
  return {p.x + t * e.x, p.y + t * e.y};
}

}  // namespace

TriangleRegion ContainmentRegion(const TriangleEdges& t) {
  const Vec p[3] = {{t.x0, t.y0}, {t.x1, t.y1}, {t.x2, t.y2}};
  const Vec e[3] = {{t.e1x, t.e1y}, {t.e2x, t.e2y}, {t.e3x, t.e3y}};

  const double s[3] = {Cross(e[0], e[1]), Cross(e[1], e[2]), Cross(e[2], e[0])};
  const bool sameTurn = (s[0] < 0 && s[1] < 0 && s[2] < 0) || (s[0] > 0 && s[1] > 0 && s[2] > 0);
  if (!sameTurn) return {};

  const double len[3] = {EdgeLength(e[0]), EdgeLength(e[1]), EdgeLength(e[2])};
  const double minSine = std::min(
      {std::fabs(s[0]) / (len[0] * len[1]), std::fabs(s[1]) / (len[1] * len[2]), std::fabs(s[2]) / (len[2] * len[0])});
  if (!(minSine >= kMinSine)) return {};

  const Vec q[3] = {Crossing(p[0], e[0], p[1], e[1]), Crossing(p[1], e[1], p[2], e[2]),
                    Crossing(p[2], e[2], p[0], e[0])};
  RegionBox box{p[0].x, p[0].y, p[0].x, p[0].y};
  for (const Vec& v : {p[1], p[2], q[0], q[1], q[2]}) {
    box.xMin = std::min(box.xMin, v.x);
    box.yMin = std::min(box.yMin, v.y);
    box.xMax = std::max(box.xMax, v.x);
    box.yMax = std::max(box.yMax, v.y);
  }
  // The box's diagonal, by the plain root as the edges: its sides are at least
  // a float step (the vertices differ), so the squares cannot underflow, and a
  // box too large to square makes the margin infinite, leaving the region
  // unbounded, which is always safe.
  const double width = box.xMax - box.xMin, height = box.yMax - box.yMin;
  const double size = std::sqrt(width * width + height * height);
  const double magnitude =
      std::max({std::fabs(box.xMin), std::fabs(box.yMin), std::fabs(box.xMax), std::fabs(box.yMax)});
  const double margin = kMarginFactor * size / minSine + kMarginFactor * magnitude + kAbsoluteMargin;
  if (!std::isfinite(margin)) return {};
  box.xMin -= margin;
  box.yMin -= margin;
  box.xMax += margin;
  box.yMax += margin;
  return {true, box};
}

}  // namespace plotvane

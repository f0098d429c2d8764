#pragma once
// The test of one triangle against one point, shared by every look-up.
//
// The arithmetic is fixed bit for bit, because the fast look-up must answer
// exactly as the plain scan does and both answer exactly as the program always
// has:
// - vertex coordinates and Z are the mesh values rounded to single precision;
// - a difference of two vertex values (x1 - x0, z2 - z0, ...) is a float
//   subtraction of floats;
// - the point (xn, yn), its differences to the vertices, every product, det, s
//   and t are double precision;
// - zn is rounded to single precision.
// With clockwise vertices (X right, Y up) the point is contained when
// c1, c2 and c3 are all <= 0, so points on edges and vertices count as inside.
// A counter-clockwise triangle contains nothing. When the float vertices are
// collinear (det == 0) the test still accepts every point of their common line;
// such a hit answers Degenerate.
//
// Build with -ffp-contract=off: a fused multiply-add would change the results.

#include <cassert>

#include "common/Index.h"
#include "data/Document.h"

namespace plotvane {

// The float-rounded vertices of a triangle and its float edge directions
// e1 = P1 - P0, e2 = P2 - P1, e3 = P0 - P2, as the test uses them.
struct TriangleEdges {
  float x0, y0, x1, y1, x2, y2;
  float e1x, e1y, e2x, e2y, e3x, e3y;
};

inline TriangleEdges GatherTriangleEdges(const Mesh& mesh, TriangleIndex i) {
  assert(i >= 1 && i <= mesh.nt && "triangle index out of range");
  const std::size_t k = 3 * static_cast<std::size_t>(i);
  TriangleEdges t{};
  t.x0 = static_cast<float>(mesh.meshX[mesh.ipt[k - 2]]);
  t.y0 = static_cast<float>(mesh.meshY[mesh.ipt[k - 2]]);
  t.x1 = static_cast<float>(mesh.meshX[mesh.ipt[k - 1]]);
  t.y1 = static_cast<float>(mesh.meshY[mesh.ipt[k - 1]]);
  t.x2 = static_cast<float>(mesh.meshX[mesh.ipt[k]]);
  t.y2 = static_cast<float>(mesh.meshY[mesh.ipt[k]]);
  t.e1x = t.x1 - t.x0;
  t.e1y = t.y1 - t.y0;
  t.e2x = t.x2 - t.x1;
  t.e2y = t.y2 - t.y1;
  t.e3x = t.x0 - t.x2;
  t.e3y = t.y0 - t.y2;
  return t;
}

struct TriangleTest {
  enum class Kind { Miss, Hit, Degenerate };
  Kind kind = Kind::Miss;
  float zn = 0.0f;  // the normalised value, meaningful for Hit
};

// Tests triangle i against the normalised point (xn, yn) and, when it contains
// the point, interpolates the normalised Z. Admission by the distortion limit
// is the caller's business.
// t is GatherTriangleEdges(mesh, i), which a caller testing many points
// gathers once.
inline TriangleTest TestTriangle(const Mesh& mesh, TriangleIndex i, const TriangleEdges& t, double xn, double yn) {
  const double dx0 = xn - t.x0, dy0 = yn - t.y0;
  const double c1 = t.e1x * dy0 - t.e1y * dx0;
  const double c2 = t.e2x * (yn - t.y1) - t.e2y * (xn - t.x1);
  const double c3 = t.e3x * (yn - t.y2) - t.e3y * (xn - t.x2);
  if (!(c1 <= 0 && c2 <= 0 && c3 <= 0)) return {};

  const float x20 = t.x2 - t.x0, y20 = t.y2 - t.y0;
  const double det = t.e1x * static_cast<double>(y20) - t.e1y * static_cast<double>(x20);
  if (det == 0) return {TriangleTest::Kind::Degenerate, 0.0f};
  const double s = (dx0 * y20 - x20 * dy0) / det;
  const double tt = c1 / det;  // t's numerator is c1, term for term

  const std::size_t k = 3 * static_cast<std::size_t>(i);
  const float z0 = static_cast<float>(mesh.meshZ[mesh.ipt[k - 2]]);
  const float z1 = static_cast<float>(mesh.meshZ[mesh.ipt[k - 1]]);
  const float z2 = static_cast<float>(mesh.meshZ[mesh.ipt[k]]);
  const float z10 = z1 - z0, z20 = z2 - z0;
  const double zn = z0 + s * z10 + tt * z20;
  return {TriangleTest::Kind::Hit, static_cast<float>(zn)};
}

inline TriangleTest TestTriangle(const Mesh& mesh, TriangleIndex i, double xn, double yn) {
  return TestTriangle(mesh, i, GatherTriangleEdges(mesh, i), xn, yn);
}

}  // namespace plotvane

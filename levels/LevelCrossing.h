#pragma once
// The points where level lines meet the edges of the mesh, each with a key
// that names it independently of the triangle it was reached from.
//
// A vertex belongs to the upper side of line k when its band is at least k
// (LevelMesh::band), as in the page's drawing: line k crosses the edge u-w
// exactly when one end is on the upper side and the other is not, and
// crosses a triangle when its three vertices are not all on one side. So
// every crossed edge holds exactly one point of each line crossing it, and
// the two triangles beside the edge meet there.
//
// The point is interpolated as the page interpolates, in data coordinates:
// f = (L - z_hi) / (z_lo - z_hi) with L = k x s and z the page's levels, then
// (1 - f) x hi + f x lo per coordinate, always from the upper end hi, so that
// both triangles beside the edge get the same bits. f is held within 0..1:
// the band of a level can round one step past its line (0.3 / 0.1 is
// 2.9999999999999996), and the point must not leave its edge for that.
//
// Keys: a point strictly inside an edge is keyed by the edge and the line; a
// point that falls on a vertex (f = 0 or 1: the vertex lies on the level) by
// the vertex alone, so that the pieces meeting there join, whichever edge
// they came along.

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "levels/LevelMesh.h"

namespace plotvane {

using NodeKey = std::uint64_t;

// Vertex and point numbers fit in 24 bits, line numbers plus the margin in 16.
inline constexpr std::int32_t kLineKeyOffset = kBandMargin;
inline constexpr NodeKey kVertexMarker = 0xFFFF;

inline NodeKey VertexNode(std::int32_t v) {
  return (static_cast<NodeKey>(v) << 40) | (static_cast<NodeKey>(v) << 16) | kVertexMarker;
}

inline NodeKey EdgeNode(std::int32_t u, std::int32_t w, std::int32_t k) {
  assert(u > 0 && w > 0 && u < (1 << 24) && w < (1 << 24) && k + kLineKeyOffset >= 0 &&
         static_cast<NodeKey>(k + kLineKeyOffset) < kVertexMarker && "within the key's fields");
  const auto [a, b] = std::minmax(u, w);
  return (static_cast<NodeKey>(a) << 40) | (static_cast<NodeKey>(b) << 16) | static_cast<NodeKey>(k + kLineKeyOffset);
}

struct CrossingNode {
  NodeKey key = 0;
  double x = 0.0, y = 0.0;
};

// The point of line k on the edge from hi (band >= k) to lo (band < k).
inline CrossingNode LineCrossing(const LevelMesh& mesh, std::int32_t hi, std::int32_t lo, std::int32_t k) {
  const double f = std::clamp(Fraction(mesh.steps().line(k), mesh.level(hi), mesh.level(lo)), 0.0, 1.0);
  if (f == 0.0) return {VertexNode(hi), mesh.x(hi), mesh.y(hi)};
  if (f == 1.0) return {VertexNode(lo), mesh.x(lo), mesh.y(lo)};
  return {EdgeNode(hi, lo, k), (1 - f) * mesh.x(hi) + f * mesh.x(lo), (1 - f) * mesh.y(hi) + f * mesh.y(lo)};
}

}  // namespace plotvane

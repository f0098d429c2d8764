// The segments of the level lines, triangle by triangle. See LevelSegments.h.

#include "levels/LevelSegments.h"

#include <algorithm>
#include <array>

namespace plotvane {
namespace {

// The point of line k on the edge hi-lo, keyed by that edge even where it
// falls on a vertex (a vertex on the level counts as above it, a hair above):
// then only the two triangles beside the edge meet there, so every line is a
// chain that closes or ends at the border of the drawn mesh, however many of
// its pieces touch that vertex.
CrossingNode SegmentEnd(const LevelMesh& mesh, std::int32_t hi, std::int32_t lo, std::int32_t k) {
  CrossingNode node = LineCrossing(mesh, hi, lo, k);
  node.key = EdgeNode(hi, lo, k);
  return node;
}

// The segment of line k in triangle t (v its vertices, band theirs), which k crosses.
LevelSegment TriangleSegment(const LevelMesh& mesh, const std::array<std::int32_t, 3>& v,
                             const std::array<std::int32_t, 3>& band, std::int32_t k) {
  // The lone vertex: the one whose side differs from both others.
  int lone = 0;
  const bool above0 = band[0] >= k, above1 = band[1] >= k, above2 = band[2] >= k;
  if (above1 != above0 && above1 != above2) lone = 1;
  if (above2 != above0 && above2 != above1) lone = 2;
  const std::int32_t l = v[lone];
  const std::int32_t next = v[(lone + 1) % 3];
  const std::int32_t prev = v[(lone + 2) % 3];
  const bool loneAbove = band[lone] >= k;
  const CrossingNode onNext = loneAbove ? SegmentEnd(mesh, l, next, k) : SegmentEnd(mesh, next, l, k);
  const CrossingNode onPrev = loneAbove ? SegmentEnd(mesh, l, prev, k) : SegmentEnd(mesh, prev, l, k);
  return loneAbove ? LevelSegment{k, onNext, onPrev} : LevelSegment{k, onPrev, onNext};
}

std::array<std::int32_t, 3> VerticesOf(const LevelMesh& mesh, TriangleIndex t) {
  return {mesh.vertex(t, 0), mesh.vertex(t, 1), mesh.vertex(t, 2)};
}

std::array<std::int32_t, 3> BandsOf(const LevelMesh& mesh, const std::array<std::int32_t, 3>& v) {
  return {mesh.band(v[0]), mesh.band(v[1]), mesh.band(v[2])};
}

// The segments of one triangle, appended to out.
void TriangleSegments(const LevelMesh& mesh, TriangleIndex t, std::vector<LevelSegment>& out) {
  const std::array<std::int32_t, 3> v = VerticesOf(mesh, t);
  const std::array<std::int32_t, 3> band = BandsOf(mesh, v);
  const auto [lowest, highest] = std::minmax({band[0], band[1], band[2]});
  for (std::int32_t k = lowest + 1; k <= highest; ++k) out.push_back(TriangleSegment(mesh, v, band, k));
}

}  // namespace

std::vector<LevelSegment> CollectLevelSegments(const LevelMesh& mesh) {
  std::vector<LevelSegment> segments;
  segments.reserve(static_cast<std::size_t>(mesh.triangleCount()));
  for (TriangleIndex t = 1; t <= mesh.triangleCount(); ++t) {
    if (mesh.draws(t)) TriangleSegments(mesh, t, segments);
  }
  return segments;
}

void CollectLineSegments(const LevelMesh& mesh, std::int32_t k, std::span<const TriangleIndex> triangles,
                         std::vector<LevelSegment>& out) {
  out.clear();
  for (const TriangleIndex t : triangles) {
    const std::array<std::int32_t, 3> v = VerticesOf(mesh, t);
    out.push_back(TriangleSegment(mesh, v, BandsOf(mesh, v), k));
  }
}

}  // namespace plotvane

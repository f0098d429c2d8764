// The segments of the level lines, triangle by triangle. See LevelSegments.h.

#include "levels/LevelSegments.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace plotvane {
namespace {

constexpr bool IsVertex(NodeKey key) { return (key & kVertexMarker) == kVertexMarker; }

// The segments of one triangle, appended to out.
void TriangleSegments(const LevelMesh& mesh, TriangleIndex t, std::vector<LevelSegment>& out) {
  const std::array<std::int32_t, 3> v{mesh.vertex(t, 0), mesh.vertex(t, 1), mesh.vertex(t, 2)};
  const std::array<std::int32_t, 3> band{mesh.band(v[0]), mesh.band(v[1]), mesh.band(v[2])};
  const auto [lowest, highest] = std::minmax({band[0], band[1], band[2]});
  for (std::int32_t k = lowest + 1; k <= highest; ++k) {
    // The lone vertex: the one whose side differs from both others.
    int lone = 0;
    const bool above0 = band[0] >= k, above1 = band[1] >= k, above2 = band[2] >= k;
    if (above1 != above0 && above1 != above2) lone = 1;
    if (above2 != above0 && above2 != above1) lone = 2;
    const std::int32_t l = v[lone];
    const std::int32_t next = v[(lone + 1) % 3];
    const std::int32_t prev = v[(lone + 2) % 3];
    const bool loneAbove = band[lone] >= k;
    const CrossingNode onNext = loneAbove ? LineCrossing(mesh, l, next, k) : LineCrossing(mesh, next, l, k);
    const CrossingNode onPrev = loneAbove ? LineCrossing(mesh, l, prev, k) : LineCrossing(mesh, prev, l, k);
    if (onNext.key == onPrev.key) continue;
    out.push_back(loneAbove ? LevelSegment{k, onNext, onPrev} : LevelSegment{k, onPrev, onNext});
  }
}

// Removes the second and later copies of a vertex-to-vertex segment.
void DropRepeatedEdges(std::vector<LevelSegment>& segments) {
  using EdgeOnLine = std::tuple<std::int32_t, NodeKey, NodeKey, std::size_t>;
  std::vector<EdgeOnLine> edges;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const LevelSegment& s = segments[i];
    if (!IsVertex(s.from.key) || !IsVertex(s.to.key)) continue;
    const auto [a, b] = std::minmax(s.from.key, s.to.key);
    edges.emplace_back(s.line, a, b, i);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end());
  std::vector<bool> repeated(segments.size(), false);
  for (std::size_t j = 1; j < edges.size(); ++j) {
    const auto& [line, a, b, index] = edges[j];
    const auto& [prevLine, prevA, prevB, prevIndex] = edges[j - 1];
    if (line == prevLine && a == prevA && b == prevB) repeated[index] = true;
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (!repeated[i]) segments[kept++] = segments[i];
  }
  segments.resize(kept);
}

}  // namespace

std::vector<LevelSegment> CollectLevelSegments(const LevelMesh& mesh) {
  std::vector<LevelSegment> segments;
  segments.reserve(static_cast<std::size_t>(mesh.triangleCount()));
  for (TriangleIndex t = 1; t <= mesh.triangleCount(); ++t) {
    if (mesh.draws(t)) TriangleSegments(mesh, t, segments);
  }
  DropRepeatedEdges(segments);
  return segments;
}

}  // namespace plotvane

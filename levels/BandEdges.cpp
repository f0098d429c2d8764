// The pieces of the bands and their outer edges. See BandEdges.h.

#include "levels/BandEdges.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace plotvane {
namespace {

// A piece has at most two crossings per edge and three vertices.
using PieceNodes = std::vector<CrossingNode>;

CrossingNode VertexCrossing(const LevelMesh& mesh, std::int32_t v) { return {VertexNode(v), mesh.x(v), mesh.y(v)}; }

// The nodes of band k's piece along the edge p -> q, p itself first.
void EdgeNodes(const LevelMesh& mesh, std::int32_t p, std::int32_t q, std::int32_t k, PieceNodes& nodes) {
  const std::int32_t bp = mesh.band(p), bq = mesh.band(q);
  if (bp == k) nodes.push_back(VertexCrossing(mesh, p));
  // Line m crosses the edge when it lies in (min band, max band].
  auto crosses = [&](std::int32_t m) { return std::min(bp, bq) < m && m <= std::max(bp, bq); };
  if (bp < bq) {  // rising: line k is met before line k + 1
    if (crosses(k)) nodes.push_back(LineCrossing(mesh, q, p, k));
    if (crosses(k + 1)) nodes.push_back(LineCrossing(mesh, q, p, k + 1));
  } else if (bp > bq) {
    if (crosses(k + 1)) nodes.push_back(LineCrossing(mesh, p, q, k + 1));
    if (crosses(k)) nodes.push_back(LineCrossing(mesh, p, q, k));
  }
}

// The edges of band k's piece of triangle t, appended to out.
void TrianglePiece(const LevelMesh& mesh, TriangleIndex t, std::int32_t k, std::vector<BandEdge>& out,
                   PieceNodes& nodes) {
  const std::array<std::int32_t, 3> v{mesh.vertex(t, 0), mesh.vertex(t, 1), mesh.vertex(t, 2)};
  nodes.clear();
  for (int i = 0; i < 3; ++i) EdgeNodes(mesh, v[i], v[(i + 1) % 3], k, nodes);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const CrossingNode& a = nodes[i];
    const CrossingNode& b = nodes[(i + 1) % nodes.size()];
    if (a.key != b.key) out.push_back({k, a, b});
  }
}

// Keeps, of the edges walked in both directions, only the surplus of one
// direction over the other (normally nothing or one edge).
std::vector<BandEdge> CancelInnerEdges(const std::vector<BandEdge>& edges) {
  using Undirected = std::tuple<std::int32_t, NodeKey, NodeKey, std::uint32_t>;
  std::vector<Undirected> order;
  order.reserve(edges.size());
  for (std::uint32_t i = 0; i < edges.size(); ++i) {
    const auto [a, b] = std::minmax(edges[i].from.key, edges[i].to.key);
    order.emplace_back(edges[i].band, a, b, i);
  }
  std::sort(order.begin(), order.end());
  std::vector<BandEdge> outer;
  for (std::size_t first = 0; first < order.size();) {
    std::size_t last = first;
    std::int64_t balance = 0;  // walks from the smaller key minus walks back
    for (;
         last < order.size() && std::get<0>(order[last]) == std::get<0>(order[first]) &&
         std::get<1>(order[last]) == std::get<1>(order[first]) && std::get<2>(order[last]) == std::get<2>(order[first]);
         ++last) {
      const BandEdge& e = edges[std::get<3>(order[last])];
      balance += e.from.key < e.to.key ? 1 : -1;
    }
    for (std::size_t j = first; j < last && balance != 0; ++j) {
      const BandEdge& e = edges[std::get<3>(order[j])];
      if ((e.from.key < e.to.key) == (balance > 0)) {
        outer.push_back(e);
        balance += balance > 0 ? -1 : 1;
      }
    }
    first = last;
  }
  return outer;
}

}  // namespace

std::vector<BandEdge> CollectBandOutline(const LevelMesh& mesh, std::int32_t k,
                                         std::span<const TriangleIndex> triangles) {
  std::vector<BandEdge> edges;
  PieceNodes nodes;
  for (const TriangleIndex t : triangles) TrianglePiece(mesh, t, k, edges, nodes);
  std::vector<BandEdge> outer = CancelInnerEdges(edges);
  edges = {};
  // By the node left and then the node reached: edges equal in both are equal
  // in every point, so the rings do not depend on how the sort orders ties.
  std::sort(outer.begin(), outer.end(), [](const BandEdge& a, const BandEdge& b) {
    return std::tie(a.from.key, a.to.key) < std::tie(b.from.key, b.to.key);
  });
  return outer;
}

}  // namespace plotvane

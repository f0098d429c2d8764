// The one-disc check and the sweep triangulation. See WholeHull.h.

#include "mesh/WholeHull.h"

#include <algorithm>

#include "mesh/ExactPredicates.h"
#include "mesh/FlipMesh.h"

namespace plotvane {
namespace {

ExactPoint At(const MeshPointTable& points, PointIndex i) {
  return ExactPoint{points.x[static_cast<std::size_t>(i)], points.y[static_cast<std::size_t>(i)]};
}

std::uint64_t DirectedEdge(std::int32_t a, std::int32_t b) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// How many of the directed edges have no reverse among them; -1 when one is
// listed twice (sorts them).
TriangleIndex EdgesWithoutReverse(std::vector<std::uint64_t>& edges) {
  std::sort(edges.begin(), edges.end());
  if (std::adjacent_find(edges.begin(), edges.end()) != edges.end()) return -1;
  TriangleIndex rim = 0;
  for (const std::uint64_t e : edges) {
    rim += std::binary_search(edges.begin(), edges.end(), (e << 32) | (e >> 32)) ? 0 : 1;
  }
  return rim;
}

// nt triangles on the points marked used, rim edges without a neighbour
// (-1: an edge twice in one direction): one disc when nt = 2 v - rim - 2.
bool IsOneDisc(TriangleIndex nt, const std::vector<bool>& used, TriangleIndex rim) {
  const auto vertices = static_cast<TriangleIndex>(std::count(used.begin(), used.end(), true));
  return rim >= 0 && nt == 2 * vertices - rim - 2;
}

// Points 1..nv by ascending X, then Y: the order of the sweep and of the hull.
std::vector<PointIndex> SweepOrder(const MeshPointTable& points, PointIndex nv) {
  std::vector<PointIndex> order(static_cast<std::size_t>(nv));
  for (PointIndex i = 1; i <= nv; ++i) order[static_cast<std::size_t>(i - 1)] = i;
  const auto before = [&points](PointIndex a, PointIndex b) {
    const ExactPoint p = At(points, a), q = At(points, b);
    return p.x < q.x || (p.x == q.x && p.y < q.y);
  };
  // The mesh's points come sorted by X; only runs of equal X need sorting.
  std::size_t run = 0;
  for (std::size_t i = 1; i <= order.size(); ++i) {
    if (i == order.size() || At(points, order[i]).x != At(points, order[run]).x) {
      std::sort(order.begin() + static_cast<std::ptrdiff_t>(run), order.begin() + static_cast<std::ptrdiff_t>(i),
                before);
      run = i;
    }
  }
  if (!std::is_sorted(order.begin(), order.end(), before)) std::sort(order.begin(), order.end(), before);
  return order;
}

// The lower and upper chains of the hull as the sweep goes: pops each point
// the next one sees past, calling onTriangle(a, b, next) with the edge a-b it
// sees, a-b-next clockwise. Points along an edge stay on the chain.
template <typename OnTriangle>
void Sweep(const MeshPointTable& points, const std::vector<PointIndex>& order, OnTriangle&& onTriangle) {
  std::vector<PointIndex> lower, upper;
  const auto turn = [&points](PointIndex a, PointIndex b, PointIndex c) {
    return OrientationSign(At(points, a), At(points, b), At(points, c));
  };
  for (const PointIndex p : order) {
    while (lower.size() >= 2 && turn(lower[lower.size() - 2], lower.back(), p) < 0) {
      onTriangle(lower[lower.size() - 2], lower.back(), p);
      lower.pop_back();
    }
    while (upper.size() >= 2 && turn(upper[upper.size() - 2], upper.back(), p) > 0) {
      onTriangle(upper.back(), upper[upper.size() - 2], p);
      upper.pop_back();
    }
    lower.push_back(p);
    upper.push_back(p);
  }
}

}  // namespace

bool FormsOneDisc(PointIndex nv, const std::vector<std::int32_t>& ipt, TriangleIndex nt) {
  std::vector<bool> used(static_cast<std::size_t>(nv) + 1);
  std::vector<std::uint64_t> edges;
  edges.reserve(3 * static_cast<std::size_t>(nt));
  for (TriangleIndex k = 1; k <= nt; ++k) {
    const std::size_t at = 3 * static_cast<std::size_t>(k);
    const std::int32_t v[3] = {ipt[at - 2], ipt[at - 1], ipt[at]};
    for (int c = 0; c < 3; ++c) {
      used[static_cast<std::size_t>(v[c])] = true;
      edges.push_back(DirectedEdge(v[c], v[(c + 1) % 3]));
    }
  }
  return IsOneDisc(nt, used, EdgesWithoutReverse(edges));
}

bool RemovalLeavesOneDisc(const std::vector<std::int32_t>& ipt, TriangleIndex ntri, PointIndex nv) {
  std::vector<bool> used(static_cast<std::size_t>(nv) + 1);
  std::vector<std::uint64_t> removedEdges;  // the removed triangles' data edges, directed
  TriangleIndex kept = 0;
  for (TriangleIndex k = 1; k <= ntri; ++k) {
    const std::size_t at = 3 * static_cast<std::size_t>(k);
    const std::int32_t v[3] = {ipt[at - 2], ipt[at - 1], ipt[at]};
    if (v[0] <= nv && v[1] <= nv && v[2] <= nv) {
      ++kept;
      for (const std::int32_t p : v) used[static_cast<std::size_t>(p)] = true;
      continue;
    }
    for (int c = 0; c < 3; ++c) {
      const std::int32_t a = v[c], b = v[(c + 1) % 3];
      if (a <= nv && b <= nv) removedEdges.push_back(DirectedEdge(a, b));
    }
  }
  return IsOneDisc(kept, used, EdgesWithoutReverse(removedEdges));
}

TriangleIndex SweepDelaunay(const MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt) {
  std::vector<std::int32_t> swept{0};
  TriangleIndex nt = 0;
  Sweep(points, SweepOrder(points, nv), [&](PointIndex a, PointIndex b, PointIndex c) {
    swept.insert(swept.end(), {a, b, c});
    ++nt;
  });
  std::vector<ExactPoint> exact(static_cast<std::size_t>(nv) + 1, ExactPoint{0.0, 0.0});
  for (PointIndex i = 1; i <= nv; ++i) exact[static_cast<std::size_t>(i)] = At(points, i);
  FlipMesh mesh(std::move(exact), nt, swept);
  mesh.restoreDelaunay();
  mesh.writeTriangles(nt, ipt);
  return nt;
}

}  // namespace plotvane

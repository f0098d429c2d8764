#include "mesh/MeshSteps.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace plotvane {

void PlaceSuperTriangle(MeshPointTable& points, PointIndex nv) {
  double xmin = points.x[1], xmax = points.x[1];
  double ymin = points.y[1], ymax = points.y[1];
  for (PointIndex i = 2; i <= nv; ++i) {
    if (points.x[i] < xmin) xmin = points.x[i];
    if (points.x[i] > xmax) xmax = points.x[i];
    if (points.y[i] < ymin) ymin = points.y[i];
    if (points.y[i] > ymax) ymax = points.y[i];
  }
  const double dx = xmax - xmin;
  const double dy = ymax - ymin;
  const double dmax = dx > dy ? dx : dy;
  const double xmid = (xmax + xmin) / 2.0;
  const double ymid = (ymax + ymin) / 2.0;
  points.x[nv + 1] = xmid - 2.0 * dmax;
  points.y[nv + 1] = ymid - dmax;
  points.x[nv + 2] = xmid;
  points.y[nv + 2] = ymid + 2.0 * dmax;
  points.x[nv + 3] = xmid + 2.0 * dmax;
  points.y[nv + 3] = ymid - dmax;
}

namespace {

// The edges between one pair of points that no earlier edge has paired with
// yet, oldest first (linked through next).
struct Waiting {
  int count;
  int first;
  int last;
  bool upward;  // they run from the lower point number to the higher
};

std::size_t PlaceOf(std::uint64_t pair, std::size_t mask) {
  return static_cast<std::size_t>((pair * 0x9E3779B97F4A7C15u) >> 32) & mask;
}

// Pairing edge m with the first later live reverse edge, for m in order, is
// the same as pairing each edge k, in order, with the oldest earlier reverse
// edge still waiting: the edges waiting between the same two points all run
// the same way, or the later of two would have taken the earlier. So one pass
// over the edges with a table by pair of points does it. Whether edge k pairs
// is unpredictable, so both outcomes are written without a branch: an outcome
// that does not apply writes to place 0 of edges and next, which is unused.
// pairs: a power of two at least twice nedge of places, all 0; waiting: as
// many; next: nedge + 1 places.
void PairReverseEdges(MeshEdge* e, int nedge, std::uint64_t* pairs, Waiting* waiting, std::size_t tableSize,
                      int* next) {
  const std::size_t mask = tableSize - 1;
  for (int k = 1; k <= nedge; ++k) {
    const std::int32_t a = e[k].p1;
    const std::int32_t b = e[k].p2;
    if (a == 0 || b == 0) continue;
    const bool upward = a < b;
    const auto low = static_cast<std::uint32_t>(upward ? a : b);
    const auto high = static_cast<std::uint32_t>(upward ? b : a);
    const std::uint64_t pair = (std::uint64_t{low} << 32) | high;  // never 0: points are numbered from 1
    std::size_t at = PlaceOf(pair, mask);
    while (pairs[at] != 0 && pairs[at] != pair) at = (at + 1) & mask;
    Waiting& w = waiting[at];
    if (pairs[at] == 0) {
      pairs[at] = pair;
      w = Waiting{0, 0, 0, upward};
    }
    // An edge from a point to itself is its own reverse.
    const bool pairsNow = (w.count > 0) & ((w.upward != upward) | (a == b));
    const bool joins = !pairsNow & (w.count > 0);
    const int m = pairsNow ? w.first : 0;
    e[m] = MeshEdge{};
    e[pairsNow ? k : 0] = MeshEdge{};
    next[joins ? w.last : 0] = k;
    w.first = pairsNow ? next[m] : (joins ? w.first : k);
    w.last = pairsNow ? w.last : k;
    w.upward = joins | pairsNow ? w.upward : upward;
    w.count += pairsNow ? -1 : 1;
  }
}

// A cavity has a few dozen edges at most but in degenerate data: for those the
// tables live on the stack.
constexpr int kStackEdgeLimit = 64;

}  // namespace

void DeleteSharedEdges(std::vector<MeshEdge>& edges, int nedge) {
  std::size_t tableSize = 8;
  while (tableSize < 2 * static_cast<std::size_t>(nedge)) tableSize *= 2;
  if (nedge <= kStackEdgeLimit) {
    std::array<std::uint64_t, 2 * kStackEdgeLimit> pairs;
    std::array<Waiting, 2 * kStackEdgeLimit> waiting;
    std::array<int, kStackEdgeLimit + 1> next;
    std::fill_n(pairs.begin(), tableSize, 0);
    PairReverseEdges(edges.data(), nedge, pairs.data(), waiting.data(), tableSize, next.data());
  } else {
    std::vector<std::uint64_t> pairs(tableSize);
    std::vector<Waiting> waiting(tableSize);
    std::vector<int> next(static_cast<std::size_t>(nedge) + 1);
    PairReverseEdges(edges.data(), nedge, pairs.data(), waiting.data(), tableSize, next.data());
  }
}

TriangleIndex RemoveSuperTriangles(std::vector<std::int32_t>& ipt, TriangleIndex ntri, PointIndex nv) {
  if (ntri > 0) {
    TriangleIndex i = 0;
    do {
      ++i;
      const std::size_t at = 3 * static_cast<std::size_t>(i);
      if (ipt[at - 2] > nv || ipt[at - 1] > nv || ipt[at] > nv) {
        const std::size_t last = 3 * static_cast<std::size_t>(ntri);
        ipt[at - 2] = ipt[last - 2];
        ipt[at - 1] = ipt[last - 1];
        ipt[at] = ipt[last];
        --i;
        --ntri;
      }
    } while (i < ntri);
  }
  ipt.resize(3 * static_cast<std::size_t>(ntri) + 1);
  return ntri;
}

}  // namespace plotvane

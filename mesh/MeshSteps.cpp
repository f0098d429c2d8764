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

std::uint64_t EdgeKey(std::int32_t from, std::int32_t to) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32) | static_cast<std::uint32_t>(to);
}

// The edges of one direction that no earlier edge has paired with yet, oldest
// first (linked through next); key 0 marks a free place of the table.
struct Waiting {
  std::uint64_t key = 0;
  int first = 0;
  int last = 0;
};

std::size_t PlaceOf(std::uint64_t key, std::size_t mask) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 32) & mask;
}

// Pairing edge m with the first later live reverse edge, for m in order, is
// the same as pairing each edge k, in order, with the oldest earlier reverse
// edge still waiting: the edges waiting between the same two points all run
// the same way, or the later of two would have taken the earlier. So one pass
// over the edges with a table by direction does it. table: a power of two at
// least twice nedge, all free; next: nedge + 1 places. A deleted edge has the
// key 0, which no edge between two points (numbered from 1) can have.
void PairReverseEdges(MeshEdge* e, int nedge, Waiting* table, std::size_t tableSize, int* next) {
  const std::size_t mask = tableSize - 1;
  for (int k = 1; k <= nedge; ++k) {
    const std::uint64_t key = EdgeKey(e[k].p1, e[k].p2);
    if (key == 0) continue;
    const std::uint64_t reverse = EdgeKey(e[k].p2, e[k].p1);
    std::size_t at = PlaceOf(reverse, mask);
    while (table[at].key != 0 && table[at].key != reverse) at = (at + 1) & mask;
    if (table[at].key == reverse && table[at].first != 0) {
      const int m = table[at].first;
      table[at].first = next[m];
      e[m] = MeshEdge{};
      e[k] = MeshEdge{};
      continue;
    }
    at = PlaceOf(key, mask);
    while (table[at].key != 0 && table[at].key != key) at = (at + 1) & mask;
    next[k] = 0;
    if (table[at].key == 0 || table[at].first == 0) {
      table[at] = Waiting{key, k, k};
    } else {
      next[table[at].last] = k;
      table[at].last = k;
    }
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
    std::array<Waiting, 2 * kStackEdgeLimit> table;
    std::array<int, kStackEdgeLimit + 1> next;
    std::fill_n(table.begin(), tableSize, Waiting{});
    PairReverseEdges(edges.data(), nedge, table.data(), tableSize, next.data());
  } else {
    std::vector<Waiting> table(tableSize);
    std::vector<int> next(static_cast<std::size_t>(nedge) + 1);
    PairReverseEdges(edges.data(), nedge, table.data(), tableSize, next.data());
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

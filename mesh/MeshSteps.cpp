#include "mesh/MeshSteps.h"

#include <array>
#include <cstdint>
#include <unordered_map>

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

// Below this count the plain pairwise comparison is the quickest.
constexpr int kPairwiseEdgeLimit = 48;

std::uint64_t EdgeKey(std::int32_t from, std::int32_t to) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32) | static_cast<std::uint32_t>(to);
}

// A deleted edge has the key 0, which no edge between two points (numbered
// from 1) can have, so it never matches.
void DeletePairwise(std::vector<MeshEdge>& edges, int nedge) {
  MeshEdge* const e = edges.data();
  std::array<std::uint64_t, kPairwiseEdgeLimit + 1> key;
  for (int m = 1; m <= nedge; ++m) key[m] = EdgeKey(e[m].p1, e[m].p2);
  for (int m = 1; m <= nedge - 1; ++m) {
    if (key[m] == 0) continue;
    const std::uint64_t reverse = EdgeKey(e[m].p2, e[m].p1);
    for (int k = m + 1; k <= nedge; ++k) {
      if (key[k] == reverse) {
        key[m] = key[k] = 0;
        e[m] = MeshEdge{};
        e[k] = MeshEdge{};
        break;  // edge m is gone: nothing later can match it
      }
    }
  }
}

// The same pairing through a table of the edges by direction: edge m meets the
// first live reverse edge after it. Entries at or before m, or already deleted,
// can never be the partner of a later edge either, so each list is walked once.
void DeleteHashed(std::vector<MeshEdge>& e, int nedge) {
  struct Occurrences {
    std::vector<int> at;
    std::size_t next = 0;
  };
  std::unordered_map<std::uint64_t, Occurrences> byDirection;
  byDirection.reserve(static_cast<std::size_t>(nedge));
  for (int k = 1; k <= nedge; ++k) {
    if (e[k].p1 != 0 && e[k].p2 != 0) byDirection[EdgeKey(e[k].p1, e[k].p2)].at.push_back(k);
  }
  for (int m = 1; m <= nedge - 1; ++m) {
    if (e[m].p1 == 0 || e[m].p2 == 0) continue;
    const auto found = byDirection.find(EdgeKey(e[m].p2, e[m].p1));
    if (found == byDirection.end()) continue;
    Occurrences& reverse = found->second;
    while (reverse.next < reverse.at.size()) {
      const int k = reverse.at[reverse.next];
      if (k <= m || e[k].p1 == 0) {
        ++reverse.next;
        continue;
      }
      e[m] = MeshEdge{};
      e[k] = MeshEdge{};
      ++reverse.next;
      break;
    }
  }
}

}  // namespace

void DeleteSharedEdges(std::vector<MeshEdge>& edges, int nedge) {
  if (nedge <= kPairwiseEdgeLimit) {
    DeletePairwise(edges, nedge);
  } else {
    DeleteHashed(edges, nedge);
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

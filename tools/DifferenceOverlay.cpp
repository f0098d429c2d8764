// The difference overlay: see DifferenceOverlay.h.

#include "tools/DifferenceOverlay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

#include "tools/ConvexPiece.h"
#include "tools/TriangleBoxIndex.h"

namespace plotvane {
namespace {

// Corners found so far, bucketed on square cells of the merging distance, so
// that a corner is compared only with those in its own and the eight
// neighbouring cells.
class CornerTable {
 public:
  CornerTable(DifferenceOverlay& overlay, double distance) : m_overlay(overlay), m_distance(distance) {}

  std::int32_t cornerOf(const PieceVertex& v) {
    const std::int64_t cx = static_cast<std::int64_t>(std::floor(v.x / m_distance));
    const std::int64_t cy = static_cast<std::int64_t>(std::floor(v.y / m_distance));
    for (std::int64_t dy = -1; dy <= 1; ++dy) {
      for (std::int64_t dx = -1; dx <= 1; ++dx) {
        const auto found = m_cells.find(key(cx + dx, cy + dy));
        if (found == m_cells.end()) continue;
        for (std::int32_t c = found->second; c >= 0; c = m_next[static_cast<std::size_t>(c)]) {
          const auto k = static_cast<std::size_t>(c);
          if (std::fabs(m_overlay.x[k] - v.x) <= m_distance && std::fabs(m_overlay.y[k] - v.y) <= m_distance) return c;
        }
      }
    }
    const auto c = static_cast<std::int32_t>(m_overlay.x.size());
    m_overlay.x.push_back(v.x);
    m_overlay.y.push_back(v.y);
    m_overlay.d.push_back(v.d);
    std::int32_t& head = m_cells.try_emplace(key(cx, cy), -1).first->second;
    m_next.push_back(head);
    head = c;
    return c;
  }

 private:
  static std::uint64_t key(std::int64_t cx, std::int64_t cy) {
    return (static_cast<std::uint64_t>(cx) << 32) ^ static_cast<std::uint64_t>(cy & 0xffffffff);
  }

  DifferenceOverlay& m_overlay;
  double m_distance;
  std::unordered_map<std::uint64_t, std::int32_t> m_cells;  // cell -> its last corner
  std::vector<std::int32_t> m_next;                         // corner -> the one before it in its cell
};

double Extent(const std::vector<PlanTriangle>& triangles) {
  double lo = 0, hi = 0;
  for (const PlanTriangle& t : triangles) {
    lo = std::min({lo, t.xMin, t.yMin});
    hi = std::max({hi, t.xMax, t.yMax});
  }
  return hi - lo;
}

// Twice the signed area of the corners listed in id[0..n).
double TwiceArea(const DifferenceOverlay& o, const std::int32_t* id, std::int32_t n) {
  const auto first = static_cast<std::size_t>(id[0]);
  const double x0 = o.x[first], y0 = o.y[first];
  double sum = 0;
  for (std::int32_t k = 1; k + 1 < n; ++k) {
    const auto a = static_cast<std::size_t>(id[k]), b = static_cast<std::size_t>(id[k + 1]);
    sum += (o.x[a] - x0) * (o.y[b] - y0) - (o.x[b] - x0) * (o.y[a] - y0);
  }
  return sum;
}

// Triangulates the convex piece id[0..n) without a triangle of no area. A
// corner that lies on a straight side (where an edge of the other mesh ends
// on it) must stay a corner of a triangle, or the piece beside it would meet
// this one at a point in the middle of an edge; so corners are cut off one at
// a time, each a true corner whose cutting leaves a piece with area.
void AddTriangles(DifferenceOverlay& overlay, std::array<std::int32_t, ConvexPiece::kCapacity> id, std::int32_t n) {
  while (n > 3) {
    std::int32_t cut = -1;
    for (std::int32_t k = 0; k < n && cut < 0; ++k) {
      const std::int32_t ear[3] = {id[(k + n - 1) % n], id[k], id[(k + 1) % n]};
      if (!(TwiceArea(overlay, ear, 3) > 0)) continue;
      std::array<std::int32_t, ConvexPiece::kCapacity> rest{};
      std::int32_t m = 0;
      for (std::int32_t j = 0; j < n; ++j) {
        if (j != k) rest[m++] = id[j];
      }
      if (TwiceArea(overlay, rest.data(), m) > 0) cut = k;
    }
    if (cut < 0) break;
    overlay.corners.insert(overlay.corners.end(), {id[(cut + n - 1) % n], id[cut], id[(cut + 1) % n]});
    for (std::int32_t j = cut; j + 1 < n; ++j) id[j] = id[j + 1];
    --n;
  }
  if (n == 3 && TwiceArea(overlay, id.data(), 3) > 0)
    overlay.corners.insert(overlay.corners.end(), {id[0], id[1], id[2]});
}

}  // namespace

DifferenceOverlay OverlayDifference(const VolumeSurface& s, const VolumeSurface& r, double originX, double originY) {
  const std::vector<PlanTriangle> surface = PlanTriangles(s, originX, originY);
  const std::vector<PlanTriangle> reference = PlanTriangles(r, originX, originY);
  const TriangleBoxIndex index(reference);
  DifferenceOverlay overlay;
  const double extent = Extent(surface);
  if (!(extent > 0)) return overlay;
  CornerTable corners(overlay, extent * 1e-9);
  for (const PlanTriangle& a : surface) {
    index.forEachMeeting(a, [&](std::int32_t j) {
      const ConvexPiece piece = DifferenceOverlap(a, reference[static_cast<std::size_t>(j)]);
      if (piece.size() < 3 || !(Integrate(piece).area > 0)) return;
      std::array<std::int32_t, ConvexPiece::kCapacity> id{};
      std::int32_t n = 0;
      for (std::int32_t v = 0; v < piece.size(); ++v) {
        const std::int32_t c = corners.cornerOf(piece[v]);
        // Corners merged into one leave the piece one corner fewer.
        if (n == 0 || (c != id[n - 1] && c != id[0])) id[n++] = c;
      }
      AddTriangles(overlay, id, n);
    });
  }
  return overlay;
}

}  // namespace plotvane

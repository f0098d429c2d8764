// The even-odd mask with its strip index. See BoundaryMask.h.
//
// Built in two passes, count then fill: the strips an edge spans are counted
// first, so the one array of entries is allocated once.

#include "data/BoundaryMask.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plotvane {
namespace {

// About two edges per strip: the strip count follows the edge count, up to a
// limit that keeps the table small for a boundary of a hundred thousand corners.
constexpr std::int32_t kMaxStrips = 1 << 16;

}  // namespace

BoundaryMask::BoundaryMask(std::vector<MaskRing> rings) : m_rings(std::move(rings)) {
  std::vector<Edge> edges;
  m_xMin = m_yMin = std::numeric_limits<double>::infinity();
  m_xMax = m_yMax = -std::numeric_limits<double>::infinity();
  for (const MaskRing& ring : m_rings) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const MaskPoint& a = ring[k];
      const MaskPoint& b = ring[(k + 1) % ring.size()];
      m_xMin = std::min(m_xMin, a.x);
      m_xMax = std::max(m_xMax, a.x);
      m_yMin = std::min(m_yMin, a.y);
      m_yMax = std::max(m_yMax, a.y);
      if (a.y == b.y) continue;
      edges.push_back(a.y < b.y ? Edge{a.x, a.y, b.x, b.y} : Edge{b.x, b.y, a.x, a.y});
    }
  }
  if (edges.empty()) return;
  m_strips = static_cast<std::int32_t>(std::clamp<std::size_t>(edges.size() / 2, 1, kMaxStrips));
  m_stripHeight = (m_yMax - m_yMin) / m_strips;
  auto stripOf = [&](double y) {
    return std::clamp(static_cast<std::int32_t>((y - m_yMin) / m_stripHeight), std::int32_t{0}, m_strips - 1);
  };
  // Pass 1: how many edges each strip lists.
  m_start.assign(static_cast<std::size_t>(m_strips) + 1, 0);
  for (const Edge& e : edges) {
    for (std::int32_t s = stripOf(e.y1); s <= stripOf(e.y2); ++s) ++m_start[static_cast<std::size_t>(s) + 1];
  }
  for (std::int32_t s = 0; s < m_strips; ++s) m_start[s + 1] += m_start[s];
  // Pass 2: the entries.
  m_edges.resize(static_cast<std::size_t>(m_start.back()));
  std::vector<std::int32_t> next(m_start.begin(), m_start.end() - 1);
  for (const Edge& e : edges) {
    for (std::int32_t s = stripOf(e.y1); s <= stripOf(e.y2); ++s) m_edges[static_cast<std::size_t>(next[s]++)] = e;
  }
}

bool BoundaryMask::contains(double x, double y) const {
  if (m_strips == 0 || !(y >= m_yMin && y < m_yMax) || !(x >= m_xMin && x <= m_xMax)) return false;
  const auto s = std::min(static_cast<std::int32_t>((y - m_yMin) / m_stripHeight), m_strips - 1);
  bool inside = false;
  for (std::int32_t k = m_start[s]; k < m_start[s + 1]; ++k) {
    const Edge& e = m_edges[static_cast<std::size_t>(k)];
    if (y < e.y1 || y >= e.y2) continue;
    const double crossX = e.x1 + (y - e.y1) * (e.x2 - e.x1) / (e.y2 - e.y1);
    if (x < crossX) inside = !inside;
  }
  return inside;
}

}  // namespace plotvane

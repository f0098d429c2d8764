#include "mesh/CircleIndex.h"

#include <algorithm>
#include <cmath>

namespace plotvane {

CircleIndex::CircleIndex(double xmax, double ymin, double ymax, int finestBands)
    : m_xmax(xmax), m_ymin(ymin), m_ymax(ymax) {
  int levels = 1;
  m_finestCount = 1;
  while (m_finestCount * 4 <= finestBands) {
    m_finestCount *= 4;
    ++levels;
  }
  m_scale = ymax > ymin ? m_finestCount / (ymax - ymin) : 0.0;
  for (int level = 0, count = m_finestCount; level < levels; ++level, count /= 4) {
    m_levels.emplace_back(static_cast<std::size_t>(count));
  }
}

int CircleIndex::finestBand(double y) const {
  // Monotone in y, so a point between two heights falls between their bands.
  const double b = (y - m_ymin) * m_scale;
  if (!(b > 0)) return 0;
  if (b >= m_finestCount - 1) return m_finestCount - 1;
  return static_cast<int>(b);  // truncation is the floor of a positive value
}

void CircleIndex::insert(const Entry& entry, double xlo) {
  // For xp in [xlo, xmax], InCircle holds only when (yp - yc)^2 <= r^2 - d^2,
  // d the distance from xc to that range, up to the rounding of the squares
  // (a few units in the last place); the relative margins of 1e-9 are far
  // wider than that and cost almost nothing.
  constexpr double kSlack = 1e-9;
  const double r = std::fabs(entry.r) * (1.0 + kSlack);
  const double d = std::max({0.0, xlo - entry.xc, entry.xc - m_xmax}) * (1.0 - kSlack);
  if (d > r) return;  // the circle lies beside every point to come
  const double reach = std::sqrt(r * r - d * d) * (1.0 + kSlack) + kSlack * (1.0 + std::fabs(entry.yc) + r);
  const double lo = entry.yc - reach;
  const double hi = entry.yc + reach;
  if (hi < m_ymin || lo > m_ymax) return;  // no point to come lies at its height
  const int first = finestBand(lo);
  const int last = finestBand(hi);
  const int top = static_cast<int>(m_levels.size()) - 1;
  int level = 0;
  while (level < top && (last >> (2 * level)) - (first >> (2 * level)) > 1) ++level;
  m_levels[static_cast<std::size_t>(level)][static_cast<std::size_t>(first >> (2 * level))].push_back(entry);
}

}  // namespace plotvane

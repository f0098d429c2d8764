#include "mesh/CircleIndex.h"

#include <cmath>

namespace plotvane {

CircleIndex::CircleIndex(double ymin, double ymax, int finestBands) : m_ymin(ymin), m_ymax(ymax) {
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
  const double b = std::floor((y - m_ymin) * m_scale);
  if (!(b > 0)) return 0;
  if (b >= m_finestCount - 1) return m_finestCount - 1;
  return static_cast<int>(b);
}

void CircleIndex::insert(const Entry& entry) {
  // InCircle holds only when |yp - yc| <= r up to the rounding of its squares;
  // this margin is far wider than that rounding and costs almost nothing.
  const double margin = 1e-9 * (1.0 + std::fabs(entry.yc) + std::fabs(entry.r));
  const double lo = entry.yc - std::fabs(entry.r) - margin;
  const double hi = entry.yc + std::fabs(entry.r) + margin;
  if (hi < m_ymin || lo > m_ymax) return;  // no point of the run lies at its height
  const int first = finestBand(lo);
  const int last = finestBand(hi);
  const int top = static_cast<int>(m_levels.size()) - 1;
  int level = 0;
  while (level < top && (last >> (2 * level)) - (first >> (2 * level)) > 1) ++level;
  std::vector<Band>& bands = m_levels[static_cast<std::size_t>(level)];
  for (int b = first >> (2 * level); b <= last >> (2 * level); ++b) bands[static_cast<std::size_t>(b)].push_back(entry);
}

}  // namespace plotvane

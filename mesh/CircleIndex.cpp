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
  // Clamped without branches (max and min instructions): which circles reach
  // past the edge of the points is unpredictable.
  const double b = std::min(std::max(0.0, (y - m_ymin) * m_scale), m_finestCount - 1.0);
  return static_cast<int>(b);  // truncation is the floor of a non-negative value
}

void CircleIndex::insert(const Entry& entry, double xlo) {
  // For xp in [xlo, xmax], InCircle holds only when (yp - yc)^2 <= r^2 - d^2,
  // d the distance from xc to that range, up to the rounding of the squares
  // (a few units in the last place); the relative margins of 1e-9 are far
  // wider than that and cost almost nothing.
  constexpr double kSlack = 1e-9;
  const double r = std::fabs(entry.r) * (1.0 + kSlack);
  const double d = std::max(0.0, std::max(xlo - entry.xc, entry.xc - m_xmax)) * (1.0 - kSlack);
  if (d > r) return;  // the circle lies beside every point to come
  const double reach = std::sqrt(r * r - d * d) * (1.0 + kSlack) + kSlack * (1.0 + std::fabs(entry.yc) + r);
  const double lo = entry.yc - reach;
  const double hi = entry.yc + reach;
  if (hi < m_ymin || lo > m_ymax) return;  // no point to come lies at its height
  const int first = finestBand(lo);
  const int last = finestBand(hi);
  // The finest level where the two bands meet or coincide. Once they do, they
  // do at every coarser level too, so counting the levels where they do not
  // finds it without a branch that depends on the circle.
  const int top = static_cast<int>(m_levels.size()) - 1;
  int level = 0;
  for (int l = 0; l < top; ++l) level += static_cast<int>((last >> (2 * l)) - (first >> (2 * l)) > 1);
  m_levels[static_cast<std::size_t>(level)][static_cast<std::size_t>(first >> (2 * level))].push_back(entry);
}

std::span<const std::int32_t> CircleIndex::query(double xp, double yp) {
  m_claimedCount = 0;
  const int finest = finestBand(yp);
  for (std::size_t level = 0; level < m_levels.size(); ++level) {
    std::vector<Band>& bands = m_levels[level];
    const auto own = static_cast<std::size_t>(finest >> (2 * level));
    sweep(bands[own], xp, yp);
    if (own > 0) sweep(bands[own - 1], xp, yp);
  }
  return {m_claimed.data(), m_claimedCount};
}

void CircleIndex::sweep(Band& band, double xp, double yp) {
  // Which entries go and which hold the point is unpredictable, so every entry
  // is written both to its kept place and to the next answer place, and the
  // tests only decide which of the counts advances.
  const std::size_t count = band.size();
  if (m_claimed.size() < m_claimedCount + count) m_claimed.resize(m_claimedCount + count);
  Entry* const entries = band.data();
  std::int32_t* const claimed = m_claimed.data();
  std::size_t kept = 0;
  std::size_t found = m_claimedCount;
  for (std::size_t k = 0; k < count; ++k) {
    const Entry e = entries[k];
    entries[kept] = e;
    claimed[found] = e.record;
    const bool gone = CircleIsLeftOf(xp, e.xc, e.r);
    const bool holds = !gone & InCircle(xp, yp, e.xc, e.yc, e.r);
    found += static_cast<std::size_t>(holds);
    kept += static_cast<std::size_t>(!gone & !holds);
  }
  band.resize(kept);
  m_claimedCount = found;
}

}  // namespace plotvane

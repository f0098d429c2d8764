// Grid thinning: counting occupied cells and choosing a point per cell. See
// GridThinning.h.
//
// Both passes look cells up in one open-addressing table sized for a little
// over a hundred thousand cells (the most a load keeps): counting stops as
// soon as the table holds one cell more than asked, so the many counts of the
// cell search stay cheap for small cells, and a cloud of ten million points
// is never copied or sorted.

#include "data/GridThinning.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plotvane {
namespace {

struct Cell {
  std::uint64_t i = 0, j = 0;
  bool operator==(const Cell&) const = default;
};

// A cell number past 2^62 cannot be told from its neighbours in double
// precision anyway; the bound keeps the conversion defined for any cell.
constexpr double kMostCells = 4.611686018427387904e18;

struct Grid {
  double x0 = 0, y0 = 0, cell = 1;
  static std::uint64_t number(double offset, double cell) {
    return static_cast<std::uint64_t>(std::fmin(std::floor(offset / cell), kMostCells));
  }
  Cell of(double x, double y) const { return {number(x - x0, cell), number(y - y0, cell)}; }
};

Grid GridFrom(std::span<const double> x, std::span<const double> y, double cell) {
  return {*std::min_element(x.begin(), x.end()), *std::min_element(y.begin(), y.end()), cell};
}

// Cells with one value each, found by linear probing.
template <typename Value>
class CellTable {
 public:
  explicit CellTable(std::size_t most) {
    std::size_t size = 1024;
    while (size < 2 * most + 2) size *= 2;
    m_slots.resize(size);
  }
  std::size_t size() const { return m_used; }
  // The slot of c, made when it is new (isNew then true).
  Value& find(const Cell& c, bool& isNew) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t at = static_cast<std::size_t>((c.i * 0x9E3779B97F4A7C15ULL) ^ (c.j * 0xC2B2AE3D27D4EB4FULL)) & mask;
    for (;; at = (at + 1) & mask) {
      Slot& s = m_slots[at];
      if (!s.used) {
        s = Slot{c, Value{}, true};
        ++m_used;
        isNew = true;
        return s.value;
      }
      if (s.cell == c) {
        isNew = false;
        return s.value;
      }
    }
  }
  template <typename Visit>
  void each(Visit visit) const {
    for (const Slot& s : m_slots) {
      if (s.used) visit(s.value);
    }
  }

 private:
  struct Slot {
    Cell cell;
    Value value;
    bool used = false;
  };
  std::vector<Slot> m_slots;
  std::size_t m_used = 0;
};

struct Nearest {
  std::uint32_t index = 0;
  double distance = 0;  // squared, from the cell's centre
};

}  // namespace

std::size_t OccupiedCells(std::span<const double> x, std::span<const double> y, double cell, std::size_t stopAbove) {
  const Grid grid = GridFrom(x, y, cell);
  CellTable<char> table(stopAbove + 1);
  Cell last{std::numeric_limits<std::uint64_t>::max(), 0};
  for (std::size_t k = 0; k < x.size(); ++k) {
    const Cell c = grid.of(x[k], y[k]);
    if (c == last) continue;  // scans run along: neighbours share cells
    last = c;
    bool isNew = false;
    table.find(c, isNew);
    if (table.size() > stopAbove) break;
  }
  return table.size();
}

ThinnedPoints ThinOnGrid(std::span<const double> x, std::span<const double> y, double cell) {
  const Grid grid = GridFrom(x, y, cell);
  CellTable<Nearest> table(std::min<std::size_t>(x.size(), std::size_t{1} << 20));
  for (std::size_t k = 0; k < x.size(); ++k) {
    const Cell c = grid.of(x[k], y[k]);
    const double dx = x[k] - (grid.x0 + (static_cast<double>(c.i) + 0.5) * cell);
    const double dy = y[k] - (grid.y0 + (static_cast<double>(c.j) + 0.5) * cell);
    const double distance = dx * dx + dy * dy;
    bool isNew = false;
    Nearest& best = table.find(c, isNew);
    if (isNew || distance < best.distance) best = Nearest{static_cast<std::uint32_t>(k), distance};
  }
  ThinnedPoints out{cell, {}};
  out.kept.reserve(table.size());
  table.each([&out](const Nearest& n) { out.kept.push_back(n.index); });
  std::sort(out.kept.begin(), out.kept.end());
  return out;
}

ThinnedPoints ThinToAtMost(std::span<const double> x, std::span<const double> y, std::size_t maxKept, double unit) {
  const auto fits = [&](double k) { return OccupiedCells(x, y, k * unit, maxKept) <= maxKept; };
  double lo = 0;  // a whole number of units known to leave too many, or 0
  double hi = 1;
  if (!fits(hi)) {
    // A first guess from the area each kept point would have, then doubling.
    const auto [xLow, xHigh] = std::minmax_element(x.begin(), x.end());
    const auto [yLow, yHigh] = std::minmax_element(y.begin(), y.end());
    const double area = (*xHigh - *xLow) * (*yHigh - *yLow);
    hi = std::max(2.0, std::ceil(std::sqrt(area / static_cast<double>(maxKept)) / unit));
    lo = 1;
    while (!fits(hi)) {
      lo = hi;
      hi *= 2;
    }
  }
  while (hi - lo > 1) {
    const double mid = std::floor((lo + hi) / 2);
    (fits(mid) ? hi : lo) = mid;
  }
  return ThinOnGrid(x, y, hi * unit);
}

}  // namespace plotvane

// What a grid conversion will cost. See GridBudget.h.

#include "tools/GridBudget.h"

#include <algorithm>
#include <cmath>

#include "common/FreeSpace.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

std::int64_t Count(std::int32_t count) { return std::max<std::int64_t>(count, 0); }

// How many of the coordinates origin + (k - 1) x interval, k = 1..count, lie
// within lo..hi.
std::int64_t CountWithin(double origin, double interval, std::int64_t count, double lo, double hi) {
  if (count <= 0) return 0;
  if (interval == 0) return origin >= lo && origin <= hi ? count : 0;
  double first = (lo - origin) / interval, last = (hi - origin) / interval;
  if (interval < 0) std::swap(first, last);
  const double k1 = std::max(0.0, std::ceil(first));
  const double k2 = std::min(static_cast<double>(count - 1), std::floor(last));
  return k2 < k1 ? 0 : static_cast<std::int64_t>(k2 - k1) + 1;
}

// The longest text of the values an axis writes.
std::size_t Widest(std::initializer_list<double> values) {
  std::size_t widest = 1;
  for (const double v : values) {
    const auto single = ToSingle(v);
    widest = std::max(widest, (single ? SingleText(*single) : NumberText(v)).size());
  }
  return widest;
}

std::string Megabytes(std::uint64_t bytes) { return NumberText(std::ceil(static_cast<double>(bytes) / 1e6)) + " MB"; }

}  // namespace

GridEstimate EstimateGrid(const Document& doc, const GridParameters& grid, bool ascii) {
  GridEstimate e;
  e.countX = Count(grid.countX);
  e.countY = Count(grid.countY);
  e.points = e.countX * e.countY;
  const DataRange& r = doc.range;
  const double lastX = grid.originX + static_cast<double>(e.countX - 1) * grid.intervalX;
  const double lastY = grid.originY + static_cast<double>(e.countY - 1) * grid.intervalY;
  const std::size_t z = Widest({r.zMin, r.zMax});
  if (ascii) {
    // Every cell: a value or the no-data value, and a blank.
    constexpr std::uint64_t kHeaderBytes = 200;
    e.bytes = kHeaderBytes + static_cast<std::uint64_t>(e.points) * (std::max<std::size_t>(z, 12) + 1);
    return e;
  }
  const std::int64_t inside = CountWithin(grid.originX, grid.intervalX, e.countX, r.xMin, r.xMax) *
                              CountWithin(grid.originY, grid.intervalY, e.countY, r.yMin, r.yMax);
  const std::size_t line = Widest({grid.originX, lastX}) + Widest({grid.originY, lastY}) + z + 4;  // 2 tabs, CR LF
  const PointSet& p = doc.points;
  e.bytes = p.labelX.size() + p.labelY.size() + p.labelZ.size() + 4 + static_cast<std::uint64_t>(inside) * line;
  return e;
}

WriteOutcome GridSizeRefusal(const GridEstimate& e, std::int64_t maxPoints) {
  if (e.points <= maxPoints) return std::nullopt;
  return Failure{FailureKind::Usage, "格子点が多すぎます。",
                 "X " + std::to_string(e.countX) + " 点 × Y " + std::to_string(e.countY) + " 点 = " +
                     std::to_string(e.points) + " 点は、上限の " + std::to_string(maxPoints) + " 点を超えます。"};
}

WriteOutcome GridSpaceRefusal(const GridEstimate& e, const std::string& target) {
  if (e.points <= 0) return std::nullopt;
  const auto free = FreeSpaceBeside(target);
  if (!free) return std::nullopt;
  if (free->countsFiles && free->files == 0) {
    return Failure{FailureKind::WriteFailed, "保存先のファイルシステムに新しいファイルを作る余地がありません。",
                   "空き iノードが 0 です: " + target};
  }
  if (e.bytes <= free->bytes) return std::nullopt;
  return Failure{
      FailureKind::WriteFailed, "保存先の空き容量が足りません。",
      "書き出しの見込みは " + Megabytes(e.bytes) + "、空きは " + Megabytes(free->bytes) + " です: " + target};
}

}  // namespace plotvane

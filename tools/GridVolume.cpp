// The grid volume: see GridVolume.h.

#include "tools/GridVolume.h"

#include <array>

#include "common/TwoThreads.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

// Sums over cells, in units of the cell: the area is multiplied in at the end.
struct CellSums {
  CompensatedSum above, below;
  std::int64_t cells = 0, cellsAbove = 0, cellsBelow = 0;
};

std::optional<double> ValueAt(const VolumeSurface& surface, float x, float y) {
  const MeshValue value = MeshValueAt(*surface.mesh, surface.range, surface.limit, x, y);
  if (!value.hasValue()) return std::nullopt;
  return value.z;
}

void SumRows(const VolumeSurface& s, const VolumeReference& reference, double cell, std::int64_t columns,
             std::int64_t firstRow, std::int64_t lastRow, CellSums& sums) {
  for (std::int64_t j = firstRow; j < lastRow; ++j) {
    const std::optional<float> y = ToSingle(s.range.yMin + (static_cast<double>(j) + 0.5) * cell);
    for (std::int64_t i = 0; i < columns && y; ++i) {
      const std::optional<float> x = ToSingle(s.range.xMin + (static_cast<double>(i) + 0.5) * cell);
      if (!x) continue;
      const std::optional<double> above = ValueAt(s, *x, *y);
      if (!above) continue;
      const std::optional<double> below = reference.plane ? reference.plane : ValueAt(reference.surface, *x, *y);
      if (!below) continue;
      const double d = *above - *below;
      ++sums.cells;
      if (d > 0) {
        sums.above.add(d);
        ++sums.cellsAbove;
      } else if (d < 0) {
        sums.below.add(-d);
        ++sums.cellsBelow;
      }
    }
  }
}

}  // namespace

VolumeFigures GridVolume(const VolumeSurface& s, const VolumeReference& reference, double cell,
                         const VolumeGrid& grid) {
  std::array<CellSums, 2> halves{};
  const std::int64_t middle = grid.rows / 2;
  InParallel(2, [&](int half) {
    SumRows(s, reference, cell, grid.columns, half == 0 ? 0 : middle, half == 0 ? middle : grid.rows,
            halves[static_cast<std::size_t>(half)]);
  });
  const double cellArea = cell * cell;
  const CellSums& a = halves[0];
  const CellSums& b = halves[1];
  VolumeFigures f;
  f.cut = (a.above.value() + b.above.value()) * cellArea;
  f.fill = (a.below.value() + b.below.value()) * cellArea;
  f.area = static_cast<double>(a.cells + b.cells) * cellArea;
  f.cutArea = static_cast<double>(a.cellsAbove + b.cellsAbove) * cellArea;
  f.fillArea = static_cast<double>(a.cellsBelow + b.cellsBelow) * cellArea;
  return f;
}

}  // namespace plotvane

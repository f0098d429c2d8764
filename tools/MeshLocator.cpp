// Building the spatial index: see MeshLocator.h.
//
// Three steps: bound every triangle's accepted region and decide which
// triangles the grid can hold; size the grid over the union of their boxes;
// then count and fill the cell lists in ascending triangle order, so every
// list comes out sorted without a sort.

#include "tools/MeshLocator.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "tools/TriangleKernel.h"
#include "tools/TriangleRegion.h"

namespace plotvane {
namespace {

// About one cell per gridded triangle: a cell then lists a handful of
// triangles, and the lists take a few entries per triangle.
constexpr double kCellsPerTriangle = 1.0;
// A box may reach this far (as a fraction of the mesh's larger side) beyond
// the vertices before it counts as far out: real regions exceed the triangle
// only by rounding, so only broken slivers get near this.
constexpr double kFarFraction = 1.0 / 16.0;
// A triangle whose box covers more cells than this is cheaper to test for
// every point than to list in all those cells.
constexpr std::int64_t kMinCellsCap = 64;
constexpr std::int64_t kCellsCapDivisor = 256;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct CellRange {
  std::int32_t x0, y0, x1, y1;
  std::int64_t count() const { return std::int64_t{x1 - x0 + 1} * (y1 - y0 + 1); }
};

}  // namespace

struct MeshLocator::Builder {
  const Mesh& mesh;
  MeshLocator& index;
  std::vector<RegionBox> boxes;       // 1-based, as the triangles
  std::vector<std::uint8_t> gridded;  // 1 when the triangle goes into the grid

  void boundRegions();
  void sizeGrid();
  CellRange cellsOf(const RegionBox& box) const;
  void dropOversized();
  void fillCells();
};

void MeshLocator::Builder::boundRegions() {
  const TriangleIndex nt = mesh.nt;
  boxes.assign(static_cast<std::size_t>(nt) + 1, RegionBox{});
  gridded.assign(static_cast<std::size_t>(nt) + 1, 0);
  RegionBox domain{kInf, kInf, -kInf, -kInf};
  for (TriangleIndex i = 1; i <= nt; ++i) {
    const TriangleEdges t = GatherTriangleEdges(mesh, i);
    for (const auto& [x, y] : {std::pair{t.x0, t.y0}, std::pair{t.x1, t.y1}, std::pair{t.x2, t.y2}}) {
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      domain.xMin = std::min<double>(domain.xMin, x);
      domain.yMin = std::min<double>(domain.yMin, y);
      domain.xMax = std::max<double>(domain.xMax, x);
      domain.yMax = std::max<double>(domain.yMax, y);
    }
    const TriangleRegion region = ContainmentRegion(t);
    boxes[i] = region.box;
    gridded[i] = region.bounded ? 1 : 0;
  }
  const double reach = kFarFraction * std::max(domain.xMax - domain.xMin, domain.yMax - domain.yMin);
  for (TriangleIndex i = 1; i <= nt; ++i) {
    const RegionBox& b = boxes[i];
    const bool near = b.xMin >= domain.xMin - reach && b.xMax <= domain.xMax + reach && b.yMin >= domain.yMin - reach &&
                      b.yMax <= domain.yMax + reach;
    if (!near) gridded[i] = 0;
  }
}

void MeshLocator::Builder::sizeGrid() {
  RegionBox u{kInf, kInf, -kInf, -kInf};
  std::int64_t count = 0;
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (!gridded[i]) continue;
    ++count;
    u.xMin = std::min(u.xMin, boxes[i].xMin);
    u.yMin = std::min(u.yMin, boxes[i].yMin);
    u.xMax = std::max(u.xMax, boxes[i].xMax);
    u.yMax = std::max(u.yMax, boxes[i].yMax);
  }
  if (count == 0) return;  // no grid: every triangle is in the "always" list
  const double width = u.xMax - u.xMin;
  const double height = u.yMax - u.yMin;
  const double target = std::max(1.0, kCellsPerTriangle * static_cast<double>(count));
  const double aspect = std::clamp(width / height, 1.0 / target, target);
  const double cellsX = std::clamp(std::round(std::sqrt(target * aspect)), 1.0, target);
  const double cellsY = std::clamp(std::round(target / cellsX), 1.0, target);
  index.m_x0 = u.xMin;
  index.m_y0 = u.yMin;
  index.m_x1 = u.xMax;
  index.m_y1 = u.yMax;
  index.m_cellsX = static_cast<std::int32_t>(cellsX);
  index.m_cellsY = static_cast<std::int32_t>(cellsY);
  index.m_scaleX = cellsX / width;
  index.m_scaleY = cellsY / height;
  // A box too thin to divide gets one column (or row): every x maps to 0.
  if (!std::isfinite(index.m_scaleX)) {
    index.m_cellsX = 1;
    index.m_scaleX = 0;
  }
  if (!std::isfinite(index.m_scaleY)) {
    index.m_cellsY = 1;
    index.m_scaleY = 0;
  }
}

// The same arithmetic as cellOf, so a point inside a box always falls into
// one of the box's cells (every step of it is monotonic).
CellRange MeshLocator::Builder::cellsOf(const RegionBox& box) const {
  auto column = [&](double x) {
    return std::min(static_cast<std::int32_t>((x - index.m_x0) * index.m_scaleX), index.m_cellsX - 1);
  };
  auto row = [&](double y) {
    return std::min(static_cast<std::int32_t>((y - index.m_y0) * index.m_scaleY), index.m_cellsY - 1);
  };
  return {column(box.xMin), row(box.yMin), column(box.xMax), row(box.yMax)};
}

void MeshLocator::Builder::dropOversized() {
  const std::int64_t cells = std::int64_t{index.m_cellsX} * index.m_cellsY;
  const std::int64_t cap = std::max(kMinCellsCap, cells / kCellsCapDivisor);
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (gridded[i] && cellsOf(boxes[i]).count() > cap) gridded[i] = 0;
  }
}

void MeshLocator::Builder::fillCells() {
  const std::int64_t cells = std::int64_t{index.m_cellsX} * index.m_cellsY;
  std::vector<std::int32_t>& start = index.m_cellStart;
  start.assign(static_cast<std::size_t>(cells) + 1, 0);
  auto forEachCell = [&](const RegionBox& box, auto&& action) {
    const CellRange r = cellsOf(box);
    for (std::int32_t iy = r.y0; iy <= r.y1; ++iy) {
      const std::int64_t row = std::int64_t{iy} * index.m_cellsX;
      for (std::int32_t ix = r.x0; ix <= r.x1; ++ix) action(row + ix);
    }
  };
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (gridded[i]) forEachCell(boxes[i], [&](std::int64_t c) { ++start[c + 1]; });
  }
  for (std::int64_t c = 0; c < cells; ++c) start[c + 1] += start[c];
  index.m_entries.resize(static_cast<std::size_t>(start[cells]));
  std::vector<std::int32_t> next(start.begin(), start.end() - 1);
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (gridded[i]) {
      forEachCell(boxes[i], [&](std::int64_t c) { index.m_entries[next[c]++] = i; });
    } else {
      index.m_always.push_back(i);
    }
  }
}

std::shared_ptr<const MeshLocator> MeshLocator::Build(const Mesh& mesh) {
  assert(mesh.ipt.size() >= 3 * static_cast<std::size_t>(mesh.nt) + 1 && "ipt shorter than 3 nt + 1");
  auto index = std::make_shared<MeshLocator>();
  index->m_triangleCount = mesh.nt;
  Builder builder{mesh, *index, {}, {}};
  builder.boundRegions();
  builder.sizeGrid();
  if (index->m_cellsX > 0) builder.dropOversized();
  builder.fillCells();
  return index;
}

const MeshLocator& LocatorOf(const Mesh& mesh) {
  return mesh.locator.get([&] { return MeshLocator::Build(mesh); });
}

}  // namespace plotvane

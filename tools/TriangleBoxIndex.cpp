// Building the box index: see TriangleBoxIndex.h.

#include "tools/TriangleBoxIndex.h"

#include <cmath>
#include <limits>

namespace plotvane {

TriangleBoxIndex::TriangleBoxIndex(const std::vector<PlanTriangle>& triangles) : m_triangles(triangles) {
  if (triangles.empty()) return;
  constexpr double kInf = std::numeric_limits<double>::infinity();
  m_x0 = m_y0 = kInf;
  m_x1 = m_y1 = -kInf;
  for (const PlanTriangle& t : triangles) {
    m_x0 = std::min(m_x0, t.xMin);
    m_y0 = std::min(m_y0, t.yMin);
    m_x1 = std::max(m_x1, t.xMax);
    m_y1 = std::max(m_y1, t.yMax);
  }
  // About one cell per triangle, shaped like the union box.
  const double target = static_cast<double>(triangles.size());
  const double width = m_x1 - m_x0, height = m_y1 - m_y0;
  const double aspect = height > 0 ? std::clamp(width / height, 1.0 / target, target) : target;
  const double cellsX = std::clamp(std::round(std::sqrt(target * aspect)), 1.0, target);
  const double cellsY = std::clamp(std::round(target / cellsX), 1.0, target);
  m_cellsX = static_cast<std::int32_t>(cellsX);
  m_cellsY = static_cast<std::int32_t>(cellsY);
  // A union too thin to divide gets one column (or row).
  m_scaleX = width > 0 ? cellsX / width : 0.0;
  m_scaleY = height > 0 ? cellsY / height : 0.0;

  const std::int64_t cells = std::int64_t{m_cellsX} * m_cellsY;
  m_cellStart.assign(static_cast<std::size_t>(cells) + 1, 0);
  auto forEachCell = [&](const PlanTriangle& t, auto&& action) {
    const CellRange r = cellsOf(t);
    for (std::int32_t iy = r.y0; iy <= r.y1; ++iy) {
      for (std::int32_t ix = r.x0; ix <= r.x1; ++ix) action(std::int64_t{iy} * m_cellsX + ix);
    }
  };
  for (const PlanTriangle& t : triangles) forEachCell(t, [&](std::int64_t c) { ++m_cellStart[c + 1]; });
  for (std::int64_t c = 0; c < cells; ++c) m_cellStart[c + 1] += m_cellStart[c];
  m_entries.resize(static_cast<std::size_t>(m_cellStart[cells]));
  std::vector<std::int32_t> next(m_cellStart.begin(), m_cellStart.end() - 1);
  for (std::size_t k = 0; k < triangles.size(); ++k) {
    forEachCell(triangles[k], [&](std::int64_t c) { m_entries[next[c]++] = static_cast<std::int32_t>(k); });
  }
}

}  // namespace plotvane

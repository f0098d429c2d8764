#pragma once
// A spatial index of plan triangles by their boxes, for overlaying two meshes
// without trying every pair.
//
// A uniform grid of about one cell per triangle over the union of the boxes;
// each triangle is listed (count pass, then fill pass) in every cell its box
// touches. A query box visits the cells it touches, and a listed triangle
// whose box meets the query's is offered in the one cell where the two boxes'
// common part begins (its lower-left corner), so every pair comes once,
// without a "seen" table: queries from several threads can share the index.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tools/VolumeSurface.h"

namespace plotvane {

class TriangleBoxIndex {
 public:
  // The triangles must outlive the index.
  explicit TriangleBoxIndex(const std::vector<PlanTriangle>& triangles);

  // Calls visit(k) once for every listed triangle k (an index into the
  // triangles) whose box meets query's box.
  template <typename Visit>
  void forEachMeeting(const PlanTriangle& query, Visit&& visit) const;

 private:
  struct CellRange {
    std::int32_t x0, y0, x1, y1;
  };
  // Clamped before the conversion, so that a query reaching far beyond the
  // grid converts no out-of-range double. Monotonic in x (and y).
  std::int32_t column(double x) const {
    return static_cast<std::int32_t>(std::clamp((x - m_x0) * m_scaleX, 0.0, m_cellsX - 1.0));
  }
  std::int32_t row(double y) const {
    return static_cast<std::int32_t>(std::clamp((y - m_y0) * m_scaleY, 0.0, m_cellsY - 1.0));
  }
  CellRange cellsOf(const PlanTriangle& t) const { return {column(t.xMin), row(t.yMin), column(t.xMax), row(t.yMax)}; }

  const std::vector<PlanTriangle>& m_triangles;
  double m_x0 = 0, m_y0 = 0, m_x1 = -1, m_y1 = -1;  // the union of the boxes
  double m_scaleX = 0, m_scaleY = 0;                // cells per unit
  std::int32_t m_cellsX = 0, m_cellsY = 0;
  std::vector<std::int32_t> m_cellStart;  // cell c lists m_entries[m_cellStart[c] .. m_cellStart[c + 1])
  std::vector<std::int32_t> m_entries;
};

template <typename Visit>
void TriangleBoxIndex::forEachMeeting(const PlanTriangle& q, Visit&& visit) const {
  if (m_cellsX == 0 || q.xMax < m_x0 || q.xMin > m_x1 || q.yMax < m_y0 || q.yMin > m_y1) return;
  const CellRange c = cellsOf(q);
  for (std::int32_t iy = c.y0; iy <= c.y1; ++iy) {
    const std::int64_t rowStart = std::int64_t{iy} * m_cellsX;
    for (std::int32_t ix = c.x0; ix <= c.x1; ++ix) {
      const std::int64_t cell = rowStart + ix;
      for (std::int32_t e = m_cellStart[cell]; e < m_cellStart[cell + 1]; ++e) {
        const std::int32_t k = m_entries[e];
        const PlanTriangle& t = m_triangles[k];
        if (t.xMax < q.xMin || t.xMin > q.xMax || t.yMax < q.yMin || t.yMin > q.yMax) continue;
        // Only in the cell of the common part's lower-left corner.
        if (ix != std::max(c.x0, column(t.xMin)) || iy != std::max(c.y0, row(t.yMin))) continue;
        visit(k);
      }
    }
  }
}

}  // namespace plotvane

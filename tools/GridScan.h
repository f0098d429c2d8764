#pragma once
// The answers of MeshValueAt for a whole block of a regular grid at once.
//
// Asked point by point, the look-up searches the triangles anew for each of a
// million grid points. Here each triangle is laid onto the block instead: its
// containment region is bounded by a box (TriangleRegion.h), and since the
// normalised coordinates of the grid lines are monotonic along each axis
// (every step from the grid index to xn is), the points inside the box are a
// range of columns times a range of rows, found by a search that starts where
// even spacing puts them. The
// triangle is tested at those points; a point keeps the lowest-numbered
// admitted triangle whose test accepted it. That is the triangle MeshValueAt
// decides by, and the test is the same on the same doubles, so every point
// gets MeshValueAt's answer bit for bit, Degenerate and Outside included. A
// triangle whose region has no bounded box is tested at every point.
//
// The work comes in three steps, shaped for the grid conversion's threads:
// - GridTriangles rates and bounds each triangle once, in ranges that
//   separate threads may measure;
// - GridBands lists, for a run of column bands, the triangles that can reach
//   each band, so that a block looks at a few triangles, not the whole mesh;
// - ScanBlock answers one block from its band's list.

#include <cstdint>
#include <memory>
#include <vector>

#include "common/Index.h"
#include "data/Document.h"
#include "tools/DistortionLimit.h"
#include "tools/TriangleKernel.h"
#include "tools/TriangleRegion.h"

namespace plotvane {

// The normalised coordinates of consecutive grid lines of one axis, in grid
// order: ascending, descending or all equal (or all NaN, which no test accepts).
using GridLines = std::vector<double>;

class GridTriangles {
 public:
  // How a triangle can reach grid points.
  enum class Reach : std::uint8_t { Excluded, Box, Everywhere };

  // Sized for mesh's triangles 1..count (count <= nt; 0 when no point can be
  // answered), none measured yet: measure must cover 1..count before use.
  GridTriangles(const Mesh& mesh, const DistortionLimit& limit, TriangleIndex count);
  // Rates triangles first..last by the limit and bounds the admitted ones.
  // Disjoint ranges may be measured by different threads at once, which
  // also share the first touch of the memory.
  void measure(TriangleIndex first, TriangleIndex last);

  const Mesh& mesh() const { return m_mesh; }
  TriangleIndex count() const { return m_count; }
  Reach reach(TriangleIndex i) const { return m_reach[i]; }
  const RegionBox& box(TriangleIndex i) const { return m_box[i]; }

 private:
  const Mesh& m_mesh;
  DistortionLimit m_limit;
  TriangleIndex m_count;
  std::unique_ptr<Reach[]> m_reach;    // 1-based
  std::unique_ptr<RegionBox[]> m_box;  // 1-based; meaningful for Reach::Box
};

class GridBands {
 public:
  // Lists the admitted triangles that can reach band b, whose columns span
  // xn from low[b] to high[b]. A triangle that reaches many bands, or
  // everywhere, goes into one "wide" list offered to every band instead.
  GridBands(const GridTriangles& triangles, const std::vector<double>& low, const std::vector<double>& high);

  // Calls visit(i) for the triangles listed for band b, then for the wide
  // ones, each list in ascending order.
  template <typename Visit>
  void forEachCandidate(std::int32_t band, Visit&& visit) const {
    for (std::int32_t k = m_start[band]; k < m_start[band + 1]; ++k) visit(m_entries[k]);
    for (const TriangleIndex i : m_wide) visit(i);
  }

 private:
  std::vector<std::int32_t> m_start;  // band b lists m_entries[m_start[b] .. m_start[b + 1])
  std::vector<TriangleIndex> m_entries;
  std::vector<TriangleIndex> m_wide;
};

// The answers for a block of grid points, column by column: the point of
// column c and row r is at c * rows + r.
struct BlockAnswers {
  static constexpr TriangleIndex kNone = INT32_MAX;
  std::vector<TriangleIndex> owner;  // the deciding triangle, kNone when none accepted the point
  std::vector<TriangleTest> found;   // its test, meaningful when owner is not kNone
};

// Answers the block of the given columns and rows, which lie in band of bands.
void ScanBlock(const GridTriangles& triangles, const GridBands& bands, std::int32_t band, const GridLines& columns,
               const GridLines& rows, BlockAnswers& answers);

}  // namespace plotvane

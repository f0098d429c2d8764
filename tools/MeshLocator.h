#pragma once
// A spatial index of the mesh triangles for the value look-up.
//
// Built once per mesh from meshX, meshY, nt and ipt (the distortion values and
// the limit play no part, so changing sq needs no rebuild). For a point
// (xn, yn) of the normalised plane it offers, in ascending index order, every
// triangle whose containment test (TriangleKernel.h) could accept the point,
// and usually few others. Testing the offered triangles in that order and
// stopping at the first admitted hit therefore finds the same triangle as the
// plain scan over 1..nt.
//
// Layout: each triangle's accepted region is bounded by a box
// (TriangleRegion.h). Triangles with a box of moderate size are entered into
// a uniform grid of cells over the union of those boxes, one ascending list per
// cell in compressed rows (a count pass, then a fill pass). The rest, whose
// region is unbounded, ill-conditioned, far outside the mesh or very large,
// sit in one ascending "always" list that is merged into every answer. A point
// outside the grid (or not a number) gets the "always" list only.
//
// A mesh keeps its index in Mesh::locator; LocatorOf builds it there on first
// use (about 30 ms for 200 000 triangles, which a load need not pay).

#include <cmath>
#include <memory>
#include <vector>

#include "common/Index.h"
#include "data/Document.h"

namespace plotvane {

class MeshLocator {
 public:
  // Builds the index of mesh's triangles 1..nt. meshX, meshY and ipt must
  // hold them; the result does not refer to mesh afterwards.
  static std::shared_ptr<const MeshLocator> Build(const Mesh& mesh);

  // The nt the index was built for.
  TriangleIndex triangleCount() const { return m_triangleCount; }

  // Calls visit(i) for the candidate triangles of (xn, yn) in ascending order
  // until it returns true; returns whether it did.
  template <typename Visit>
  bool forEachCandidate(double xn, double yn, Visit&& visit) const;

  // Sizes, for tests and measurements.
  std::size_t alwaysCount() const { return m_always.size(); }
  std::size_t cellCount() const { return m_cellStart.empty() ? 0 : m_cellStart.size() - 1; }
  std::size_t entryCount() const { return m_entries.size(); }

 private:
  struct Builder;

  // The cell of (xn, yn), or -1 when the point lies outside the grid.
  std::int64_t cellOf(double xn, double yn) const;

  TriangleIndex m_triangleCount = 0;
  // The grid: cell (ix, iy) is ix + iy * m_cellsX; cell c lists
  // m_entries[m_cellStart[c] .. m_cellStart[c + 1]).
  double m_x0 = 0, m_y0 = 0, m_x1 = -1, m_y1 = -1;
  double m_scaleX = 0, m_scaleY = 0;  // cells per unit
  std::int32_t m_cellsX = 0, m_cellsY = 0;
  std::vector<std::int32_t> m_cellStart;
  std::vector<TriangleIndex> m_entries;
  std::vector<TriangleIndex> m_always;
};

// The index of mesh, built by the first call after a load or a reset of
// mesh.locator.
const MeshLocator& LocatorOf(const Mesh& mesh);

inline std::int64_t MeshLocator::cellOf(double xn, double yn) const {
  // Written so that a NaN coordinate fails the test.
  if (!(xn >= m_x0 && xn <= m_x1 && yn >= m_y0 && yn <= m_y1)) return -1;
  const auto ix = std::min(static_cast<std::int32_t>((xn - m_x0) * m_scaleX), m_cellsX - 1);
  const auto iy = std::min(static_cast<std::int32_t>((yn - m_y0) * m_scaleY), m_cellsY - 1);
  return ix + static_cast<std::int64_t>(iy) * m_cellsX;
}

template <typename Visit>
bool MeshLocator::forEachCandidate(double xn, double yn, Visit&& visit) const {
  const TriangleIndex* a = m_always.data();
  const TriangleIndex* const aEnd = a + m_always.size();
  const TriangleIndex* c = nullptr;
  const TriangleIndex* cEnd = nullptr;
  if (const std::int64_t cell = cellOf(xn, yn); cell >= 0) {
    c = m_entries.data() + m_cellStart[cell];
    cEnd = m_entries.data() + m_cellStart[cell + 1];
  }
  while (c != cEnd || a != aEnd) {
    const bool takeCell = a == aEnd || (c != cEnd && *c < *a);
    const TriangleIndex i = takeCell ? *c++ : *a++;
    if (visit(i)) return true;
  }
  return false;
}

}  // namespace plotvane

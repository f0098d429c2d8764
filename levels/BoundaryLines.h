#pragma once
// Contour lines kept to the site boundary (tools/Boundary.h): each line is
// cut where it crosses a ring, and of the pieces between crossings those
// whose middle lies inside (even-odd) are kept, consecutive kept pieces
// joined again. A closed line wholly inside stays closed; one the boundary
// cuts becomes open lines. Crossings are found through a grid of the ring
// edges, so a line away from the boundary costs one inside test per segment.
// The contour export and the labels on the page both keep to what is drawn.

#include <vector>

#include "common/DataRange.h"
#include "data/BoundaryMask.h"
#include "levels/ContourSet.h"

namespace plotvane {

// The boundary's rings (in mesh coordinates of range) in data coordinates,
// with their edges listed by grid cell.
class DataBoundary {
 public:
  DataBoundary(const BoundaryMask& mask, const DataRange& range);

  const BoundaryMask& inside() const { return m_inside; }
  const std::vector<MaskRing>& rings() const { return m_inside.rings(); }

  // The parameters t in (0, 1) where segment pq crosses an edge, ascending,
  // into out.
  void crossings(const ContourPoint& p, const ContourPoint& q, std::vector<double>& out) const;

 private:
  template <typename Visit>
  void forEachCell(double x0, double y0, double x1, double y1, Visit&& visit) const;

  BoundaryMask m_inside;
  double m_cellX = 1, m_cellY = 1;
  std::vector<std::pair<MaskPoint, MaskPoint>> m_edges;
  std::vector<std::vector<std::int32_t>> m_cells;
};

// Replaces each level's lines by their pieces inside; levels left without a
// line are dropped.
void ClipLevelsToBoundary(std::vector<ContourLevel>& levels, const DataBoundary& boundary);

}  // namespace plotvane

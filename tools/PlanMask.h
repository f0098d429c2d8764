#pragma once
// The site boundary in the plan coordinates of the TIN volume (data units
// shifted by an origin, VolumeSurface.h), and the exact integral of a
// convex piece's linear d over the part of the piece inside it.
//
// The inside is the even-odd region of the rings. For rings that do not
// overlap in part (each is simple and lies within, around or beside each
// other one, data/SiteShapeChecks.h) that region is the sum of the rings'
// interiors, each counted +1 or -1 by the parity of the rings around it: an
// outer ring +1, a hole in it -1, an island in the hole +1, a neighbouring
// lot +1. So the integral over piece ∩ region is the signed sum of the integrals
// over piece ∩ ring interior, and each of those is the ring clipped to the
// convex piece (Sutherland-Hodgman: exact for areas and integrals even where
// a concave ring leaves edges running to and fro along the piece's sides,
// since such edges cancel in the sum of the fan).
//
// Most pieces lie well inside or outside: a coarse grid of cells flags those
// an edge's box touches, and a piece whose box meets no flagged cell is whole
// or nothing by the even-odd test of one inner point.

#include <cstdint>
#include <vector>

#include "common/DataRange.h"
#include "data/BoundaryMask.h"
#include "tools/ConvexPiece.h"

namespace plotvane {

class PlanMask {
 public:
  // mask in mesh coordinates of range; plan coordinates X - originX, Y - originY.
  PlanMask(const BoundaryMask& mask, const DataRange& range, double originX, double originY);

  // The area of piece inside the boundary and the integral of d over it.
  PieceIntegral integrate(const ConvexPiece& piece) const;

 private:
  struct Ring {
    std::vector<MaskPoint> points;
    double weight = 1;  // +1 or -1: parity of the rings around it times the orientation's sign
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  };
  bool edgeNear(double xMin, double yMin, double xMax, double yMax) const;
  PieceIntegral clipped(const ConvexPiece& piece, const Ring& ring) const;

  std::vector<Ring> m_rings;
  BoundaryMask m_inside;  // the same rings in plan coordinates, for whole pieces
  std::int32_t m_cells = 0;
  double m_cellX = 1, m_cellY = 1;
  std::vector<std::uint8_t> m_edgeCell;  // m_cells x m_cells, row by row
};

}  // namespace plotvane

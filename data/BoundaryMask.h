#pragma once
// The site boundary as a mask over the mesh: the rings of a boundary file in
// mesh coordinates (0..100 of the data range, as meshX and meshY), inside
// by the even-odd rule, so a ring within a ring is a hole and a ring within
// that an island again.
//
// Rings are kept in mesh coordinates because every look-up and the page work
// there; tools/Boundary.h normalises a file's rings with the document's range
// exactly as NormalisePoint normalises a look-up, so that the mask and the
// look-up agree to the bit on which side of an edge a point lies.
//
// contains() casts a ray to +x and counts the edges it crosses. The edges are
// listed in horizontal strips, so a point looks only at the edges of its
// strip. A point exactly on an edge counts by the half-open rule (an edge
// covers y from its lower end, inclusive, to its upper end, exclusive), which
// gives every point of the plane one answer and the two sides of a shared
// edge different ones.

#include <cstdint>
#include <vector>

namespace plotvane {

struct MaskPoint {
  double x = 0.0;
  double y = 0.0;
};

// A closed ring; the last point is not a repeat of the first.
using MaskRing = std::vector<MaskPoint>;

class BoundaryMask {
 public:
  explicit BoundaryMask(std::vector<MaskRing> rings);

  bool contains(double x, double y) const;
  const std::vector<MaskRing>& rings() const { return m_rings; }

  // The box around every ring.
  double xMin() const { return m_xMin; }
  double xMax() const { return m_xMax; }
  double yMin() const { return m_yMin; }
  double yMax() const { return m_yMax; }

 private:
  struct Edge {
    double x1, y1, x2, y2;  // y1 < y2: horizontal edges are never crossed and not kept
  };

  std::vector<MaskRing> m_rings;
  double m_xMin = 0, m_xMax = 0, m_yMin = 0, m_yMax = 0;
  double m_stripHeight = 1;
  std::int32_t m_strips = 0;
  std::vector<std::int32_t> m_start;  // strip s lists m_edges[m_start[s] .. m_start[s + 1])
  std::vector<Edge> m_edges;
};

}  // namespace plotvane

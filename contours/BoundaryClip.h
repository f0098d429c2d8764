#pragma once
// The contour data kept to the site boundary (tools/Boundary.h), so that the
// exported files show what the page shows.
//
// - Lines are cut at the rings, their inside pieces kept (levels/BoundaryLines.h).
// - Band polygons are intersected by GEOS (through OGR) with the boundary's
//   region, the symmetric difference of the rings' polygons (exactly the
//   even-odd inside of rings that do not cross one another).
// Levels and bands left with nothing are dropped, as the contour set lists
// only levels and bands that have something.

#include <memory>
#include <optional>

#include "data/Document.h"
#include "levels/BoundaryLines.h"
#include "levels/ContourSet.h"

class OGRGeometry;

namespace plotvane {

// The boundary of doc's mesh, ready to cut one level or band after another
// (in doc's data coordinates). Cuts nothing when the mesh has no boundary.
class BoundaryClip {
 public:
  // withBands: whether bands will be cut too (their region is made once, here).
  BoundaryClip(const Document& doc, bool withBands);
  ~BoundaryClip();
  BoundaryClip(const BoundaryClip&) = delete;
  BoundaryClip& operator=(const BoundaryClip&) = delete;

  // The level's lines replaced by their pieces inside: none when none is.
  void clip(ContourLevel& level) const;
  // The band's polygons replaced by their parts inside: none when none is.
  void clip(ContourBand& band) const;

 private:
  std::optional<DataBoundary> m_boundary;
  std::unique_ptr<OGRGeometry> m_region;
};

}  // namespace plotvane

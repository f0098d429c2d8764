// Lines and bands cut to the boundary. See BoundaryClip.h.

#include "contours/BoundaryClip.h"

#include <memory>

#include "contours/BandGeometry.h"
#include "contours/GdalSession.h"

namespace plotvane {
namespace {

// The even-odd region of the rings as one geometry.
std::unique_ptr<OGRGeometry> RegionOf(const DataBoundary& boundary) {
  std::unique_ptr<OGRGeometry> region;
  for (const MaskRing& ring : boundary.rings()) {
    OGRLinearRing linear;
    for (const MaskPoint& point : ring) linear.addPoint(point.x, point.y);
    linear.closeRings();
    auto polygon = std::make_unique<OGRPolygon>();
    polygon->addRing(&linear);
    if (!region) {
      region = std::move(polygon);
      continue;
    }
    std::unique_ptr<OGRGeometry> next(region->SymDifference(polygon.get()));
    if (next) region = std::move(next);
  }
  return region;
}

}  // namespace

BoundaryClip::BoundaryClip(const Document& doc, bool withBands) {
  if (!doc.mesh.boundary) return;
  m_boundary.emplace(*doc.mesh.boundary, doc.range);
  if (!withBands) return;
  const GdalErrorScope quiet;
  m_region = RegionOf(*m_boundary);
}

BoundaryClip::~BoundaryClip() = default;

void BoundaryClip::clip(ContourLevel& level) const {
  if (!m_boundary) return;
  std::vector<ContourLevel> one;
  one.push_back(std::move(level));
  ClipLevelsToBoundary(one, *m_boundary);
  if (one.empty()) {
    level.lines.clear();
  } else {
    level = std::move(one.front());
  }
}

// Without a region (GEOS could not make one) the bands stay whole.
void BoundaryClip::clip(ContourBand& band) const {
  if (!m_region) return;
  const GdalErrorScope quiet;
  const OGRMultiPolygon polygons = BandToOgr(band);
  const std::unique_ptr<OGRGeometry> kept(polygons.Intersection(m_region.get()));
  band.polygons.clear();
  if (kept) CollectPolygons(*kept, band.polygons);
}

}  // namespace plotvane

// Lines and bands cut to the boundary. See BoundaryClip.h.

#include "contours/BoundaryClip.h"

#include <algorithm>
#include <memory>

#include "contours/BandGeometry.h"
#include "contours/GdalSession.h"
#include "levels/BoundaryLines.h"

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

void ClipBands(std::vector<ContourBand>& bands, const DataBoundary& boundary) {
  const GdalErrorScope quiet;
  const std::unique_ptr<OGRGeometry> region = RegionOf(boundary);
  if (!region) return;
  for (ContourBand& band : bands) {
    const OGRMultiPolygon polygons = BandToOgr(band);
    const std::unique_ptr<OGRGeometry> kept(polygons.Intersection(region.get()));
    band.polygons.clear();
    if (kept) CollectPolygons(*kept, band.polygons);
  }
  std::erase_if(bands, [](const ContourBand& band) { return band.polygons.empty(); });
}

}  // namespace

void ClipToBoundary(ContourSet& contours, const Document& doc) {
  if (!doc.mesh.boundary) return;
  const DataBoundary boundary(*doc.mesh.boundary, doc.range);
  ClipLevelsToBoundary(contours.levels, boundary);
  ClipBands(contours.bands, boundary);
}

}  // namespace plotvane

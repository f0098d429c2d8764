// Band polygons made valid by GEOS. See BandRepair.h.

#include "contours/BandRepair.h"

#include <ogr_geometry.h>

#include <memory>

#include "contours/BandGeometry.h"
#include "contours/GdalSession.h"

namespace plotvane {

void RepairBand(ContourBand& band) {
  const GdalErrorScope quiet;
  const OGRMultiPolygon polygons = BandToOgr(band);
  if (polygons.IsValid()) return;
  const std::unique_ptr<OGRGeometry> valid(polygons.MakeValid());
  if (!valid) return;  // GEOS could not: the band stays as walked
  std::vector<BandPolygon> repaired;
  CollectPolygons(*valid, repaired);
  if (!repaired.empty()) band.polygons = std::move(repaired);
}

}  // namespace plotvane

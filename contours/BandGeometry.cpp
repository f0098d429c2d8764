// Bands to OGR geometry and back. See BandGeometry.h.

#include "contours/BandGeometry.h"

#include <algorithm>

#include "levels/BandPolygons.h"

namespace plotvane {

OGRMultiPolygon BandToOgr(const ContourBand& band) {
  OGRMultiPolygon polygons;
  for (const BandPolygon& part : band.polygons) {
    OGRPolygon polygon;
    for (std::size_t r = 0; r <= part.holes.size(); ++r) {
      const ContourRing& ring = r == 0 ? part.outer : part.holes[r - 1];
      OGRLinearRing linear;
      for (const ContourPoint& p : ring) linear.addPoint(p.x, p.y);
      linear.closeRings();
      polygon.addRing(&linear);
    }
    polygons.addGeometry(&polygon);
  }
  return polygons;
}

namespace {

// The ring's points without the closing repeat, turned to the wanted sense.
ContourRing FromOgr(const OGRLinearRing& ring, bool counterClockwise) {
  ContourRing points;
  for (int i = 0; i + 1 < ring.getNumPoints(); ++i) points.push_back({ring.getX(i), ring.getY(i)});
  if ((SignedArea(points) > 0) != counterClockwise) std::reverse(points.begin(), points.end());
  return points;
}

}  // namespace

void CollectPolygons(const OGRGeometry& geometry, std::vector<BandPolygon>& out) {
  switch (wkbFlatten(geometry.getGeometryType())) {
    case wkbPolygon: {
      const OGRPolygon& polygon = *geometry.toPolygon();
      if (polygon.getExteriorRing() == nullptr) return;
      BandPolygon part{FromOgr(*polygon.getExteriorRing(), true), {}};
      for (int h = 0; h < polygon.getNumInteriorRings(); ++h) {
        part.holes.push_back(FromOgr(*polygon.getInteriorRing(h), false));
      }
      if (part.outer.size() >= 3) out.push_back(std::move(part));
      return;
    }
    case wkbMultiPolygon:
    case wkbGeometryCollection:
      for (const OGRGeometry* member : *geometry.toGeometryCollection()) CollectPolygons(*member, out);
      return;
    default: return;
  }
}

}  // namespace plotvane

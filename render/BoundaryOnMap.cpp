// The boundary's clip polygon and line. See BoundaryOnMap.h.

#include "render/BoundaryOnMap.h"

#include <vector>

#include "data/BoundaryMask.h"
#include "levels/TriangleBands.h"

namespace plotvane {
namespace {

using gdi::POINT;

constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
// The boundary line: 0.1 mm, half the contour lines.
constexpr std::int32_t kBoundaryLineWidth = 10;

std::vector<std::vector<POINT>> MapRings(const Document& doc, const DrawParameters& parameters) {
  const DataRange& r = doc.range;
  const auto& w = parameters.window;
  std::vector<std::vector<POINT>> rings;
  for (const MaskRing& ring : doc.mesh.boundary->rings()) {
    std::vector<POINT> points;
    points.reserve(ring.size());
    for (const MaskPoint& p : ring) {
      const double xr = (r.xMax - r.xMin) * p.x / 100 + r.xMin;
      const double yr = (r.yMax - r.yMin) * p.y / 100 + r.yMin;
      points.push_back(
          POINT{RoundMapUnit(10000 * (xr - w.x1) / (w.x2 - w.x1)), RoundMapUnit(10000 * (yr - w.y1) / (w.y2 - w.y1))});
    }
    rings.push_back(std::move(points));
  }
  return rings;
}

}  // namespace

std::vector<POINT> BoundaryClipPolygon(const Document& doc, const DrawParameters& parameters) {
  if (!doc.mesh.boundary) return {};
  const std::vector<std::vector<POINT>> rings = MapRings(doc, parameters);
  std::vector<POINT> polygon(rings.front());
  const POINT corner = rings.front().front();
  polygon.push_back(corner);
  for (std::size_t r = 1; r < rings.size(); ++r) {
    polygon.insert(polygon.end(), rings[r].begin(), rings[r].end());
    polygon.push_back(rings[r].front());
    polygon.push_back(corner);
  }
  return polygon;
}

void DrawBoundaryLine(gdi::DeviceContext& hdc, const Document& doc, const DrawParameters& parameters) {
  if (!doc.mesh.boundary || !doc.boundaryLine) return;
  const gdi::HPEN line = gdi::CreatePen(gdi::PenStyle::PS_SOLID, kBoundaryLineWidth, kBlack);
  hdc.SelectObject(line);
  for (std::vector<POINT> ring : MapRings(doc, parameters)) {
    ring.push_back(ring.front());
    hdc.Polyline(ring);
  }
  gdi::DeleteObject(line);
}

}  // namespace plotvane

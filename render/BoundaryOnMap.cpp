// The boundary's white mask and line. See BoundaryOnMap.h.

#include "render/BoundaryOnMap.h"

#include <vector>

#include "data/BoundaryMask.h"
#include "levels/TriangleBands.h"

namespace plotvane {
namespace {

using gdi::POINT;

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
// The map's margins reach one map width beyond the square; so does the mask.
constexpr std::int32_t kOuterLow = -10000;
constexpr std::int32_t kOuterHigh = 20000;
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

void DrawBoundaryMask(gdi::DeviceContext& hdc, const Document& doc, const DrawParameters& parameters) {
  if (!doc.mesh.boundary) return;
  const std::vector<std::vector<POINT>> rings = MapRings(doc, parameters);
  const POINT corner{kOuterLow, kOuterLow};
  std::vector<POINT> mask{corner, POINT{kOuterHigh, kOuterLow}, POINT{kOuterHigh, kOuterHigh},
                          POINT{kOuterLow, kOuterHigh}, corner};
  for (const std::vector<POINT>& ring : rings) {
    mask.insert(mask.end(), ring.begin(), ring.end());
    mask.push_back(ring.front());
    mask.push_back(corner);
  }
  const gdi::HPEN none = gdi::CreatePen(gdi::PenStyle::PS_NULL, 0, kWhite);
  const gdi::HBRUSH white = gdi::CreateSolidBrush(kWhite);
  hdc.SelectObject(none);
  hdc.SelectObject(white);
  hdc.Polygon(mask);
  gdi::DeleteObject(white);
  gdi::DeleteObject(none);
  if (!doc.boundaryLine) return;
  const gdi::HPEN line = gdi::CreatePen(gdi::PenStyle::PS_SOLID, kBoundaryLineWidth, kBlack);
  hdc.SelectObject(line);
  for (std::vector<POINT> ring : rings) {
    ring.push_back(ring.front());
    hdc.Polyline(ring);
  }
  gdi::DeleteObject(line);
}

}  // namespace plotvane

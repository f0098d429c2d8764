// The map mapping and the renderer's entry. See ContourMap.h.

#include "render/ContourMap.h"

#include "common/Messages.h"
#include "levels/TriangleBands.h"
#include "render/RenderSettings.h"
#include "settings/NumberText.h"

namespace plotvane {

MapPoints ConvertToMap(const Document& doc, const DrawSettings& settings) {
  const PointIndex nn = doc.points.nn;
  const Mesh& mesh = doc.mesh;
  const DataRange& r = doc.range;
  const double X1 = NumericPrefixValue(settings.X1);
  const double X2 = NumericPrefixValue(settings.X2);
  const double Y1 = NumericPrefixValue(settings.Y1);
  const double Y2 = NumericPrefixValue(settings.Y2);
  const double Z1 = NumericPrefixValue(settings.Z1);
  const double Z2 = NumericPrefixValue(settings.Z2);

  MapPoints map;
  map.mapX.resize(static_cast<std::size_t>(nn) + 1, 0);
  map.mapY.resize(static_cast<std::size_t>(nn) + 1, 0);
  map.normZ.resize(static_cast<std::size_t>(nn) + 1, 0.0);
  for (PointIndex i = 1; i <= nn; ++i) {
    const double xr = (r.xMax - r.xMin) * mesh.meshX[i] / 100 + r.xMin;
    map.mapX[i] = RoundMapUnit(10000 * (xr - X1) / (X2 - X1));
    const double yr = (r.yMax - r.yMin) * mesh.meshY[i] / 100 + r.yMin;
    map.mapY[i] = RoundMapUnit(10000 * (yr - Y1) / (Y2 - Y1));
    const double zr = r.zMin + (r.zMax - r.zMin) * mesh.meshZ[i] / 100;
    map.normZ[i] = (zr - Z1) / (Z2 - Z1);
  }
  return map;
}

std::int32_t DrawContourMap(gdi::DeviceContext& hdc, const Document& doc, const DrawSettings& settings,
                            const LevelStyles& styles, ProgressSink& progress) {
  progress.prepare(messages::kProgressDrawing);
  const MapPoints map = ConvertToMap(doc, settings);
  TriangleDrawing drawing;
  drawing.hasLimit = !settings.sq.empty();
  drawing.limit = NumericPrefixValue(settings.sq);
  drawing.contourLines = settings.ContourLines == 1;
  drawing.triangleEdges = settings.TriangleEdges == 1;
  drawing.patternFill = settings.fillMode == FillMode::FillPattern;
  std::int32_t levelCount = 0;
  DrawContourTriangles(hdc, map, doc.mesh, LineCountOf(settings), BandCountOf(settings), drawing, styles, levelCount,
                       progress);
  progress.close();
  return levelCount;
}

}  // namespace plotvane

// The map mapping and the renderer's entry. See ContourMap.h.

#include "render/ContourMap.h"

#include "common/Messages.h"
#include "levels/EveryNthLevel.h"
#include "levels/TriangleBands.h"
#include "render/BoundaryOnMap.h"
#include "render/ExplicitLevels.h"

namespace plotvane {

MapPoints ConvertToMap(const Document& doc, const DrawParameters& parameters) {
  const PointIndex nn = doc.points.nn;
  const Mesh& mesh = doc.mesh;
  const DataRange& r = doc.range;
  const double X1 = parameters.window.x1;
  const double X2 = parameters.window.x2;
  const double Y1 = parameters.window.y1;
  const double Y2 = parameters.window.y2;
  const double Z1 = parameters.z1;
  const double Z2 = parameters.z2;

  MapPoints map;
  map.mapX.resize(static_cast<std::size_t>(nn) + 1, 0);
  map.mapY.resize(static_cast<std::size_t>(nn) + 1, 0);
  map.normZ.resize(static_cast<std::size_t>(nn) + 1, 0.0);
  for (PointIndex i = 1; i <= nn; ++i) {
    const double xr = MeshSpanX(r) * mesh.meshX[i] / 100 + r.xMin;
    map.mapX[i] = RoundMapUnit(10000 * (xr - X1) / (X2 - X1));
    const double yr = MeshSpanY(r) * mesh.meshY[i] / 100 + r.yMin;
    map.mapY[i] = RoundMapUnit(10000 * (yr - Y1) / (Y2 - Y1));
    const double zr = r.zMin + (r.zMax - r.zMin) * mesh.meshZ[i] / 100;
    map.normZ[i] = (zr - Z1) / (Z2 - Z1);
  }
  return map;
}

std::int32_t DrawContourMap(gdi::DeviceContext& hdc, const Document& doc, const DrawParameters& parameters,
                            const LevelStyles& styles, ProgressSink& progress) {
  progress.prepare(messages::kProgressDrawing);
  const MapPoints map = ConvertToMap(doc, parameters);
  TriangleDrawing drawing;
  drawing.hasLimit = parameters.distortionLimit.has_value();
  drawing.limit = parameters.distortionLimit.value_or(0.0);
  drawing.contourLines = parameters.contourLines;
  drawing.triangleEdges = parameters.triangleEdges;
  drawing.patternFill = parameters.fillMode == FillMode::FillPattern;
  drawing.levelLines = NormalisedLevelLines(parameters);
  if (doc.labels.indexEvery > 0)
    drawing.indexLines = PageEveryNthLevel(parameters, doc.labels.base, doc.labels.indexEvery);
  drawing.clip = BoundaryClipPolygon(doc, parameters);
  drawing.exactPieces = doc.exactPieces;
  std::int32_t levelCount = 0;
  DrawContourTriangles(hdc, map, doc.mesh, parameters.lineCount, parameters.bandCount, drawing, styles, levelCount,
                       progress);
  DrawBoundaryLine(hdc, doc, parameters);
  progress.close();
  return levelCount;
}

}  // namespace plotvane

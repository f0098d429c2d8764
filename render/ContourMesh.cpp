// The mesh in data coordinates with the page's levels. See ContourMesh.h.

#include "render/ContourMesh.h"

#include <cassert>

#include "render/ContourMap.h"
#include "render/ExplicitLevels.h"
#include "render/RenderSettings.h"

namespace plotvane {

ContourMesh::ContourMesh(const Document& doc, const DrawSettings& settings)
    : ContourMesh(doc, ParametersForDrawing(settings, doc.range)) {}

ContourMesh::ContourMesh(const Document& doc, const DrawParameters& p)
    : LevelMesh(doc.mesh.ipt, doc.mesh.hh, doc.mesh.nt, p.lineCount) {
  assert(m_nt >= 1 && "the contours need a mesh");
  m_drawing.hasLimit = p.distortionLimit.has_value();
  m_drawing.limit = p.distortionLimit.value_or(0.0);
  m_z1 = p.z1;
  m_z2 = p.z2;
  if (!p.levelValues.empty()) m_steps = LevelSteps(NormalisedLevelLines(p));
  // The page's levels, from the page's own conversion.
  m_level = ConvertToMap(doc, p).normZ;

  const PointIndex nn = doc.points.nn;
  const DataRange& r = doc.range;
  m_x.resize(static_cast<std::size_t>(nn) + 1, 0.0);
  m_y.resize(static_cast<std::size_t>(nn) + 1, 0.0);
  for (PointIndex i = 1; i <= nn; ++i) {
    // The order of operations of the page's mapping (ContourMap.h).
    m_x[i] = MeshSpanX(r) * doc.mesh.meshX[i] / 100 + r.xMin;
    m_y[i] = MeshSpanY(r) * doc.mesh.meshY[i] / 100 + r.yMin;
  }
}

}  // namespace plotvane

// The contours of the mesh level by level. See MeshContours.h.

#include "contours/MeshContours.h"

#include <cpl_error.h>

#include "contours/BandColours.h"
#include "contours/BandRepair.h"
#include "levels/BandEdges.h"
#include "levels/BandPolygons.h"
#include "levels/EveryNthLevel.h"
#include "levels/LevelSegments.h"
#include "levels/PolylineJoin.h"
#include "levels/TriangleSweep.h"
#include "render/RenderSettings.h"

namespace plotvane {

MeshContours::MeshContours(const Document& doc, const DrawSettings& settings, const ContourContent& content)
    : m_doc(doc),
      m_mesh(doc, settings),
      m_content(content),
      m_clip(doc, content.withBands),
      m_page(ParametersForDrawing(settings, doc.range)) {
  if (content.indexLines) {
    m_indexLevels =
        PageEveryNthLevel(ReadDrawParameters(settings), content.indexLines->base, content.indexLines->every);
  }
}

void MeshContours::eachLevel(const LevelVisitor& visit) const {
  TriangleSweep sweep(m_mesh, SweepOf::Lines);
  std::vector<LevelSegment> segments;
  while (sweep.next()) {
    CollectLineSegments(m_mesh, sweep.k(), sweep.triangles(), segments);
    ContourLevel level = JoinLineSegments(m_mesh, sweep.k(), segments);
    if (!level.lines.empty()) m_clip.clip(level);
    if (level.lines.empty()) continue;
    if (m_content.indexLines) MarkIndexLevel(level, m_indexLevels);
    if (!visit(level)) return;
  }
}

void MeshContours::eachBand(const BandVisitor& visit) const {
  if (!m_content.withBands) return;
  TriangleSweep sweep(m_mesh, SweepOf::Bands);
  while (sweep.next()) {
    ContourBand band = BuildBandPolygons(m_mesh, sweep.k(), CollectBandOutline(m_mesh, sweep.k(), sweep.triangles()));
    if (band.polygons.empty()) continue;
    {
      // GEOS's complaints about a band it mends are no failure of the file
      // being written meanwhile.
      const CPLErrorStateBackuper writersErrors;
      RepairBand(band);
      m_clip.clip(band);
    }
    if (band.polygons.empty()) continue;
    if (m_content.colourBands) band.colour = BandColour(m_doc, m_page, band.index);
    if (!visit(band)) return;
  }
}

}  // namespace plotvane

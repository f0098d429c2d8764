#pragma once
// The contours of a document's mesh as a feed (ContourFeed.h): each level's
// lines, and on request each band's polygons, built from the triangles that
// cross it alone (levels/TriangleSweep.h), made ready for the file and
// handed on before the next is built.
//
// A level is joined from its segments, kept to the site boundary and, on
// request, marked as an index contour or not (levels/EveryNthLevel.h). A band
// is walked from its outline, made valid (BandRepair.h), kept to the
// boundary (BoundaryClip.h) and, on request, given the page's fill colour
// (BandColours.h). Levels and bands left with nothing are not handed on.

#include <cstdint>
#include <optional>
#include <vector>

#include "contours/BoundaryClip.h"
#include "contours/ContourFeed.h"
#include "data/Document.h"
#include "render/ContourMesh.h"
#include "settings/DrawParameters.h"
#include "settings/DrawSettings.h"

namespace plotvane {

// Every `every`-th level counted from the multiples of base is an index contour.
struct IndexLines {
  double base = 0.0;
  std::int32_t every = 1;
};

struct ContourContent {
  bool withBands = false;
  bool colourBands = false;
  std::optional<IndexLines> indexLines;
};

class MeshContours : public ContourFeed {
 public:
  // doc must be drawable (Document::drawable) and outlive the feed.
  MeshContours(const Document& doc, const DrawSettings& settings, const ContourContent& content);

  void eachLevel(const LevelVisitor& visit) const override;
  // No band unless content.withBands.
  void eachBand(const BandVisitor& visit) const override;

 private:
  const Document& m_doc;
  ContourMesh m_mesh;
  ContourContent m_content;
  BoundaryClip m_clip;
  std::vector<bool> m_indexLevels;  // by k, when index contours are marked
  DrawParameters m_page;            // the page's parameters, for the band colours
};

}  // namespace plotvane

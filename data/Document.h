#pragma once
// The one data set the program holds: the points as read, their range, the
// normalised mesh built over them, and the drawing settings that go with them.
//
// Conventions, stated once:
// - Points and triangles are numbered from 1; element 0 of every 1-based
//   vector exists and is never used. dataX.size() == nn + 1.
// - dataX/Y/Z hold the points in file order and the file's own units. Only the
//   contour-file writer reads them after a load.
// - meshX/Y/Z hold every point as a percentage of the data range (0 at the
//   minimum, 100 at the maximum), reordered by the triangulation in ascending X.
//   Everything that works on the mesh uses only these.
// - Triangle k has the vertices ipt[3k-2], ipt[3k-1], ipt[3k], indices into
//   the mesh arrays, listed clockwise with X to the right and Y upward.
// - hh[k] is the distortion of triangle k, 0 (equilateral) to 1 (no area).
// - errMsg is empty after a successful load; a data set is drawable when
//   nn >= 1 and errMsg is empty. errDetail says, beneath errMsg, what exactly
//   went wrong (common/ErrorDetails.h); errMsg keeps the fixed message that
//   callers compare. Any failed load leaves nt == 0, so no mesh
//   of earlier data is ever taken for the new points.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/DataRange.h"
#include "common/Index.h"
#include "data/LocatorCache.h"
#include "data/MeshOptions.h"
#include "data/SurveyData.h"
#include "settings/DrawSettings.h"
#include "settings/LabelOptions.h"
#include "settings/PasteBuffer.h"
#include "settings/PostOptions.h"
#include "settings/RampChoice.h"

namespace plotvane {

class BoundaryMask;  // data/BoundaryMask.h

struct PointSet {
  PointIndex nn = 0;
  std::vector<double> dataX{0.0}, dataY{0.0}, dataZ{0.0};
  std::string labelX, labelY, labelZ;
  // The points' names, 1-based like dataX, for a format that carries them
  // (SIMA); empty when the file gives none.
  std::vector<std::string> names;
  // The line of the file each point came from, 1-based like dataX, for a
  // text data or contour file; empty for the other kinds.
  std::vector<std::int64_t> lines;
};

struct Mesh {
  std::vector<double> meshX{0.0}, meshY{0.0}, meshZ{0.0};
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt{0};
  std::vector<double> hh{0.0};
  // The spatial index of the triangles for the value look-up, built by the
  // first look-up (LocatorOf in tools/MeshLocator.h) and forgotten with the
  // triangles.
  LocatorCache locator;
  // The site boundary the look-ups, the volumes and the page keep to
  // (tools/Boundary.h); null when there is none, and everything is as if
  // the mask did not exist. Shared, as it never changes once made.
  std::shared_ptr<const BoundaryMask> boundary;

  // Forgets the triangles and their index (the point arrays stay as they are).
  void clearTriangles() {
    nt = 0;
    ipt.assign(1, 0);
    hh.assign(1, 0.0);
    locator.reset();
  }
};

struct Document {
  PointSet points;
  DataRange range;
  Mesh mesh;
  std::string errMsg;
  std::string errDetail;    // the line shown beneath errMsg; may be set while errMsg is empty
  std::string fileTitle;    // the loaded file's name without folder and extension
  SurveyData survey;        // what a survey file gives beyond the points (SurveyData.h)
  MeshOptions meshOptions;  // how the last load was meshed (MeshOptions.h)

  DrawSettings settings;
  PasteBuffer pasteBuffer;
  LabelOptions labels;                 // this run's choice; no file keeps it
  RampChoice ramp;                     // likewise
  PostOptions posts;                   // likewise
  std::vector<double> explicitLevels;  // likewise (settings/LevelList.h); empty: n even steps
  bool boundaryLine = false;           // likewise: the site boundary drawn as a thin line
  // The page's band pieces carry their exact corners for raster outputs
  // (render/gdi/DeviceContext.h); a page only written as a vector file
  // leaves them out, which saves a third of its memory on a rough map.
  bool exactPieces = true;

  bool hasData() const { return points.nn != 0; }
  bool drawable() const { return points.nn >= 1 && errMsg.empty() && mesh.nt >= 1; }
};

}  // namespace plotvane

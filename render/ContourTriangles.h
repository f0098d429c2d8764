#pragma once
// DrawContourTriangles: the whole contour map, triangle by triangle, into
// the map picture (0.01 mm, y upward, the map square 0..10000 on both axes).
//
// Order of drawing:
// 1. a white background reaching one map width beyond the square on every
//    side (null pen, white brush);
// 2. the fill pass (LevelCount = bandCount): every triangle's band pieces
//    (TriangleBands.h), each a four-point polygon in its band's style, with
//    its exact corners beside when exactPieces is set (raster outputs fill
//    by those, so that neighbouring triangles' pieces tile without pinholes):
//    - pattern fill: only the brush changes, to the pattern brush of the
//      band (Patterns.h); the null pen of the background stays, so pattern
//      pieces have no outline;
//    - colour or grey fill: the band's pen and brush of the level style
//      tables, chosen against LevelCount (LevelStyles.h), so each piece is
//      outlined 10 units beyond its edges in its own colour;
// 3. the line pass (LevelCount = lineCount), per triangle:
//    - with contour lines on, every level line crossing it as a segment P-Q,
//      each with its own black pen of width 20 (created, selected, move to P,
//      line to Q, line back to P, deleted);
//    - otherwise, when lineCount equals bandCount, the same segments with the
//      level pen and brush of the band just below each line;
//    - then a black pen of width 20 is created and selected, the edges
//      A-B-C-A drawn when triangle edges are on, and the pen deleted;
// 4. four white masks covering everything outside the square up to one map
//    width beyond it; they also trim the half pen width of lines on the
//    square's border.
// A triangle whose distortion reaches the limit (sq given and hh >= its
// value) gets neither fill, lines nor edges.
//
// Progress: each pass moves the value every nt \ 20 triangles (at least
// every triangle), from 0 to 60 in the fill pass and from 60 to 100 in the
// line pass.

#include <cstdint>
#include <vector>

#include "common/Index.h"
#include "common/Progress.h"
#include "data/Document.h"
#include "levels/DistortionTest.h"
#include "render/LevelStyles.h"
#include "render/gdi/DeviceContext.h"

namespace plotvane {

// The points in map units with their levels, 1-based (element 0 unused).
struct MapPoints {
  std::vector<std::int32_t> mapX{0};
  std::vector<std::int32_t> mapY{0};
  std::vector<double> normZ{0.0};
};

// What the triangle drawing takes from the drawing settings: the distortion
// test and what to draw.
struct TriangleDrawing : DistortionTest {
  bool contourLines = true;
  bool triangleEdges = false;
  bool patternFill = false;
  // Band pieces recorded with their exact corners as well.
  bool exactPieces = true;
  // The normalised levels of chosen lines (ExplicitLevels.h); empty for
  // lineCount even steps.
  std::vector<double> levelLines;
  // Index contours: line k is drawn with the heavier pen when indexLines[k]
  // (levels/EveryNthLevel.h); empty when there are none.
  std::vector<bool> indexLines;
  // The site boundary as one polygon whose even-odd inside the bands, lines
  // and triangle edges are clipped to (render/BoundaryOnMap.h); empty: none.
  std::vector<gdi::POINT> clip;

  bool isIndex(std::int32_t k) const {
    return k >= 0 && static_cast<std::size_t>(k) < indexLines.size() && indexLines[static_cast<std::size_t>(k)];
  }
};

// Draws the map. mesh gives nt, ipt (vertex numbers into points) and hh.
// lineCount and bandCount are at least 1; in colour and grey fill the style
// tables hold bandCount bands. Sets LevelCount to bandCount for the fill and
// leaves it at lineCount.
void DrawContourTriangles(gdi::DeviceContext& hdc, const MapPoints& points, const Mesh& mesh, std::int32_t lineCount,
                          std::int32_t bandCount, const TriangleDrawing& drawing, const LevelStyles& styles,
                          std::int32_t& LevelCount, ProgressSink& progress);

}  // namespace plotvane

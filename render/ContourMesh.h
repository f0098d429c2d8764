#pragma once
// The level mesh (levels/LevelMesh.h) of a document, filled in as the page
// draws it, for the contour lines of the export and of the page's labels.
//
// - A vertex's data coordinates are the page's own reconstruction from the
//   normalised mesh, xr = MeshSpanX x meshX / 100 + xMin (likewise Y),
//   the values the page maps to the map square; they equal the file's X, Y up
//   to the rounding of the normalisation. The X/Y window of the page does not
//   cut the data.
// - level(v) is the page's normalised level (ContourMap.h), and a triangle
//   takes part only when the page draws it (sq empty or hh below its value).
// - The settings are read as the page reads them (ParametersForDrawing), so
//   the levels are those of the page for the same settings, whatever a file
//   put into them; the number of levels is at least kMinBandCount.

#include "data/Document.h"
#include "levels/LevelMesh.h"
#include "settings/DrawParameters.h"

namespace plotvane {

class ContourMesh : public LevelMesh {
 public:
  // doc must hold a mesh (nt >= 1); settings are the document's drawing
  // settings (any texts: they are read as the page reads them).
  ContourMesh(const Document& doc, const DrawSettings& settings);
  // parameters: those the page is drawn from (ParametersForDrawing).
  ContourMesh(const Document& doc, const DrawParameters& parameters);
};

}  // namespace plotvane

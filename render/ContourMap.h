#pragma once
// DrawContourMap: the entry of the contour renderer. Converts the mesh's
// points into map units and levels and hands them to DrawContourTriangles.
//
// The one data-to-map mapping of the program, in double precision and in
// this order of operations, for every point i = 1..nn of the mesh:
//   xr = spanX x meshX(i) / 100 + xMin      spanX = xMax - xMin (MeshSpanX)
//   mapX(i) = round(10000 x (xr - X1) / (X2 - X1))      likewise Y with Y1, Y2
//   zr = zMin + (zMax - zMin) x meshZ(i) / 100
//   normZ(i) = (zr - Z1) / (Z2 - Z1)                     not clamped
// round is to the nearest unit with halves to even (12.5 gives 12, 13.5
// gives 14), held within the map coordinate limit (TriangleBands.h). X1 lies
// at x 0 and X2 at x 10000, Y1 at the bottom (y 0) and Y2 at the top; X and
// Y scale independently, so the map is square whatever the data's
// proportions. Points outside the window land outside 0..10000 and are drawn
// like all others; the margin masks hide what lies outside the square.
//
// The parameters are those of the settings the page is drawn from
// (ParametersForDrawing, RenderSettings.h).

#include "common/Progress.h"
#include "data/Document.h"
#include "render/ContourTriangles.h"
#include "render/LevelStyles.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// The mesh's points in map units and levels under the settings' window.
MapPoints ConvertToMap(const Document& doc, const DrawParameters& parameters);

// Draws the map of doc into hdc (the map picture, MM_HIMETRIC) with the
// parameters, which must be ParametersForDrawing's (RenderSettings.h), and the
// style tables built for them. Prepares the progress with "描画中です。",
// closes it at the end. Returns the level count the drawing ends with: the
// number of contour levels. nn = 0 or nt = 0 gives a plain white map. A site
// boundary on the mesh clips the bands, lines and triangle edges to its
// inside (BoundaryOnMap.h).
std::int32_t DrawContourMap(gdi::DeviceContext& hdc, const Document& doc, const DrawParameters& parameters,
                            const LevelStyles& styles, ProgressSink& progress);

}  // namespace plotvane

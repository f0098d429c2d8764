#pragma once
// The level lines as an ASCII DXF drawing of release 2000 (AC1015), in
// metres, as CAD programs and GDAL read it (the shared sections: DxfGroups.h).
//
// - HEADER: the drawing extents $EXTMIN / $EXTMAX over every vertex (X, Y
//   and the levels as Z); all 0 without lines.
// - One layer per level, named "CONTOUR_" followed by the level's value in
//   its shortest exact text ("CONTOUR_12.5", "CONTOUR_-3"), so that distinct
//   levels never share one; index contours "INDEX_" and the value, drawn
//   twice as heavy (0.50 mm against 0.25 mm). Each layer's colour runs
//   from blue for the lowest level to red for the highest.
// - ENTITIES: each line an LWPOLYLINE on its level's layer with the level as
//   its elevation, flagged closed for a ring.
// Group codes are right-aligned in three columns, lines end in CR LF.

#include "common/SafeFile.h"
#include "contours/ContourFeed.h"

namespace plotvane {

void WriteDxf(const ContourFeed& contours, SafeFileWriter& out);

}  // namespace plotvane

#pragma once
// The level lines as an ASCII DXF drawing (release 12, AC1009: no handles or
// object tables needed, and every CAD program and GDAL read it).
//
// - HEADER: $ACADVER and the drawing extents $EXTMIN / $EXTMAX over every
//   vertex (X, Y and the levels as Z); all 0 without lines.
// - TABLES: the CONTINUOUS line type and one layer per level, named
//   "CONTOUR_" followed by the level's value in its shortest exact text
//   ("CONTOUR_12.5", "CONTOUR_-3"), so that distinct levels never share one.
// - ENTITIES: each line a 3D POLYLINE (flag 8, plus 1 when closed) on its
//   level's layer with the level as elevation, its VERTEX entities (flag 32)
//   carrying X, Y and the level as Z, then SEQEND.
// Group codes are right-aligned in three columns, lines end in CR LF.

#include "common/SafeFile.h"
#include "levels/ContourSet.h"

namespace plotvane {

void WriteDxf(const ContourSet& contours, SafeFileWriter& out);

}  // namespace plotvane

#pragma once
// The grid conversion written as an ESRI ASCII grid, the raster text that GIS
// programs (GDAL's AAIGrid among them) read.
//
// The grid points are those of the tab-separated grid (GridConversion.h),
// taken as the centres of the cells. The header:
//   ncols         the X count
//   nrows         the Y count
//   xllcorner     the west edge of the westmost column's cells
//   yllcorner     the south edge of the southmost row's cells
//                 (with positive intervals: X0 - DX / 2 and Y0 - DY / 2, the
//                 corner of the cell whose centre is (X0, Y0))
//   cellsize      |DX| when |DX| = |DY|; otherwise "dx |DX|" and "dy |DY|"
//                 (GDAL's extension for cells that are not square)
//   NODATA_value  -9999, or a whole number below the data's Z range when
//                 -9999 lies within it
// computed in double from the parameters (GridRaster.h) and written in
// their shortest exact form. Then one row per grid row from north to south,
// each from west to east (a negative interval runs the other way, so its
// rows or columns are written in reverse), values separated by one space:
// the value as the tab grid writes it, or NODATA_value for a grid point off
// the mesh or in a triangle the distortion limit leaves out. Lines end in
// CR LF. The rows are computed as they are written; no grid is held whole.
//
// An ESRI grid has at least one cell and cells of some size: counts of 0 or
// less and intervals of 0 are refused with a message before anything is
// written.

#include <functional>
#include <string>
#include <string_view>

#include "common/Progress.h"
#include "common/SafeFile.h"
#include "data/Document.h"
#include "tools/GridConversion.h"
#include "tools/GridParameters.h"

namespace plotvane {

// Whether a grid file name asks for an ESRI ASCII grid: it ends in ".asc"
// (any letter case).
bool IsAsciiGridName(std::string_view path);

// As ConvertToGrid (GridConversion.h), writing the ESRI ASCII grid at path.
WriteOutcome ConvertToAsciiGrid(const Document& document, const GridParameters& grid, const std::string& path,
                                ProgressSink& progress = NullProgress(),
                                const std::function<bool()>& cancelRequested = {});
// The same into an open writer (standard output, for one), which the caller
// commits when the result is ok; a failed write is recorded in the writer.
WriteOutcome ConvertToAsciiGrid(const Document& document, const GridParameters& grid, SafeFileWriter& writer,
                                ProgressSink& progress = NullProgress(),
                                const std::function<bool()>& cancelRequested = {});

}  // namespace plotvane

#pragma once
// The grid conversion written as a GeoTIFF: one Float32 band, north up, the
// cells and the no-data value of the ESRI ASCII grid (GridRaster.h), and the
// values the text grids give (each the single-precision number its 7-digit
// text reads back as), so the two rasters agree cell for cell. With a
// coordinate system the file carries it; without one it has none.
//
// GDAL writes the file in a staging folder; it replaces the target only when
// complete (StagedFiles.h). Counts of 0 or less and intervals of 0 are
// refused before anything is written, as for the ESRI grid.

#include <functional>
#include <string>
#include <string_view>

#include "common/Progress.h"
#include "contours/CoordinateSystem.h"
#include "data/Document.h"
#include "tools/GridParameters.h"

namespace plotvane {

// Whether a grid file name asks for a GeoTIFF: ".tif" or ".tiff" (any letter case).
bool IsGeoTiffName(std::string_view path);

// As ConvertToGrid (GridConversion.h), writing the GeoTIFF at path.
WriteOutcome ConvertToGeoTiff(const Document& document, const GridParameters& grid, const std::string& path,
                              CoordinateSystem system, ProgressSink& progress = NullProgress(),
                              const std::function<bool()>& cancelRequested = {});

}  // namespace plotvane

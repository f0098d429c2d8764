#pragma once
// The grid conversion seen as a north-up raster, shared by the ESRI ASCII
// grid and the GeoTIFF so that both hold the same cells and values.
//
// The grid points are the centres of the cells, at the coordinates the text
// grid uses (GridCoordinate). Columns run west to east and rows north to
// south; a negative X interval or a positive Y interval runs the other way,
// so its columns or rows are taken in reverse. The raster's west and south
// edges lie half a cell beyond the outermost centres, computed in double from
// the parameters as typed, so that an interval of 0.1 makes cells of 0.1.

#include <cstdint>

#include "common/DataRange.h"
#include "common/Failure.h"
#include "tools/GridConversion.h"
#include "tools/GridParameters.h"

namespace plotvane {

// One axis of the grid in raster order: k-th column or row (1-based) -> grid line.
struct RasterAxis {
  double origin, interval;
  std::int64_t count;
  bool reversed;  // taken from the last grid line to the first

  std::int64_t gridIndex(std::int64_t written) const { return reversed ? count - written + 1 : written; }
  double centre(std::int64_t written) const { return GridCoordinate(origin, interval, gridIndex(written)).value; }
  double cell() const;
  // The low edge of the lowest cell.
  double lowEdge() const;
};

struct GridRaster {
  RasterAxis x, y;
};

GridRaster RasterOf(const GridParameters& grid);

// The value written for a cell without one: -9999, or a whole number below
// the data's Z range (by at least 1, and by a margin that survives single
// precision) when -9999 lies within it.
double NoDataValue(const DataRange& range);

// Why the grid cannot be a raster (no cells, or cells of no size); none when
// it can. format names the file kind in the message ("an ESRI ASCII grid").
WriteOutcome RasterRefusal(const GridParameters& grid, const char* format);

}  // namespace plotvane

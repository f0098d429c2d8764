// The grid as a raster. See GridRaster.h.

#include "contours/GridRaster.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace plotvane {
namespace {

constexpr double kNoData = -9999.0;

}  // namespace

double RasterAxis::cell() const { return std::fabs(interval); }

double RasterAxis::lowEdge() const {
  const double lowest = origin + static_cast<double>((interval > 0 ? 1 : count) - 1) * interval;
  return lowest - cell() / 2;
}

GridRaster RasterOf(const GridParameters& grid) {
  return {{grid.originX, grid.intervalX, grid.countX, grid.intervalX < 0},
          {grid.originY, grid.intervalY, grid.countY, grid.intervalY > 0}};
}

// Interpolated values lie within the data's Z range, so a whole number below
// it is never a value.
double NoDataValue(const DataRange& range) {
  if (range.zMin > kNoData + 1 || range.zMax < kNoData - 1) return kNoData;
  return std::floor(range.zMin - std::max(1.0, std::fabs(range.zMin)));
}

WriteOutcome RasterRefusal(const GridParameters& grid, const char* format) {
  const auto refusal = [format](const char* why) {
    return Failure{FailureKind::Usage, std::string(format) + " needs " + why, {}};
  };
  if (grid.countX <= 0 || grid.countY <= 0) return refusal("at least one column and one row");
  if (grid.intervalX == 0 || grid.intervalY == 0) return refusal("intervals other than 0");
  return std::nullopt;
}

}  // namespace plotvane

#pragma once
// The extent of a data set on each axis, in the file's own units. The
// settings take their fallbacks from it, the loader normalises by it and the
// look-ups map back through it.

namespace plotvane {

struct DataRange {
  double xMin = 0, xMax = 0;
  double yMin = 0, yMax = 0;
  double zMin = 0, zMax = 0;
};

}  // namespace plotvane

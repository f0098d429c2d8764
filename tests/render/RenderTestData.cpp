// Test documents. See RenderTestData.h.

#include "RenderTestData.h"

#include <random>

#include "load/OpenDataFile.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane::test {

Document RampDocument(int nx, int ny) {
  std::mt19937 rng(20261207);
  std::uniform_real_distribution<double> jitter(-0.2, 0.2);
  Points points;
  for (int i = 0; i < nx; ++i) {
    for (int j = 0; j < ny; ++j) {
      // The corners stay put, so that the data range is exactly the lattice's.
      const bool corner = (i == 0 || i == nx - 1) && (j == 0 || j == ny - 1);
      const double x = 100.0 * i / (nx - 1) + (corner || i == 0 || i == nx - 1 ? 0.0 : jitter(rng));
      const double y = 50.0 * j / (ny - 1) + (corner || j == 0 || j == ny - 1 ? 0.0 : jitter(rng));
      points.add(x, y, x);
    }
  }
  const TempDir dir;
  Document doc;
  OpenDataFile(dir.write("ramp.txt", DataFileText(points, "East\tNorth\tLevel")), doc, NullProgress());
  return doc;
}

}  // namespace plotvane::test

#pragma once
// Documents of uniform random points, loaded once by the load road and kept
// for the whole run: the benchmarks of the page and of the contours share the
// same data sets (a smooth Z surface plus noise, default settings: 20 levels).

#include "data/Document.h"

namespace plotvane::test {

// count points of UniformPoints(count, 20261207), loaded as a data file.
Document& LoadedUniformDocument(int count);

}  // namespace plotvane::test

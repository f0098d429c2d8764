#pragma once
// Sorting the mesh points by ascending X.

#include <vector>

#include "common/Index.h"

namespace plotvane {

// Sorts elements lo..hi of x by ascending value, applying every exchange to y
// and z as well: a quicksort with the middle element's value as pivot. Not
// stable: points of equal X end in whatever order the exchanges leave, and the
// mesh depends on that order, so the partitioning is exactly the recursive
// one's. Sub-ranges are kept on an explicit stack instead of the call stack,
// which does not change the result (they are disjoint) but cannot overflow.
void SortPoints(std::vector<double>& x, std::vector<double>& y, std::vector<double>& z, PointIndex lo, PointIndex hi);

// True when two of the points 1..nn (sorted by X) have equal X and equal Y,
// compared exactly.
bool HasDuplicatePoints(const std::vector<double>& x, const std::vector<double>& y, PointIndex nn);

}  // namespace plotvane

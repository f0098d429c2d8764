#pragma once
// What a grid conversion will cost, weighed before it starts.
//
// A grid is as large as its two counts make it: 1e9 x 1e9 points is a
// conversion that never ends, and 1e5 x 1e5 points a file of hundreds of
// gigabytes. Both are refused before any work, with the figures: a grid of
// more points than the bound (kDefaultMaxGridPoints unless the caller raises
// it), and a file whose estimated size the target's file system cannot hold.
// The estimate counts only the points a text grid can write (those within
// the data's range, as no other has a value) at the width of their longest
// numbers, and every cell of an ESRI ASCII grid. A grid of no points (a
// count of 0 or less) costs nothing and is never refused.

#include <cstdint>
#include <string>

#include "common/Failure.h"
#include "data/Document.h"
#include "tools/GridParameters.h"

namespace plotvane {

inline constexpr std::int64_t kDefaultMaxGridPoints = 100'000'000;

struct GridEstimate {
  std::int64_t countX = 0, countY = 0;
  std::int64_t points = 0;  // every point the conversion visits
  std::uint64_t bytes = 0;  // the file, estimated
};

// ascii: the grid is written as an ESRI ASCII grid rather than as text.
GridEstimate EstimateGrid(const Document& doc, const GridParameters& grid, bool ascii);

// A usage failure when the grid has more than maxPoints points.
WriteOutcome GridSizeRefusal(const GridEstimate& estimate, std::int64_t maxPoints);
// A write failure when the file at target would not fit beside it (free
// bytes, or no free inode for a new file). None when the space cannot be
// asked: the write itself then reports what happens.
WriteOutcome GridSpaceRefusal(const GridEstimate& estimate, const std::string& target);

}  // namespace plotvane

#pragma once
// Breaklines that cross: each crossing becomes a vertex of both lines, so
// that the mesh can follow both (two constrained edges cannot cross, but
// they can meet). The crossing takes the height of the line that comes
// first in the file: interpolated along its segment when both its ends have
// one, else the surface's value there, like any vertex without a height.

#include <cstdint>

#include "data/SiteShapes.h"

namespace plotvane {

// Splits the segments of lines at their proper crossings (where the two
// segments pass through each other, not where one ends on the other) and
// returns how many there were. A line crossing itself is split too.
std::int64_t SplitAtCrossings(SiteShapes& lines);

}  // namespace plotvane

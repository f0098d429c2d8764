#pragma once
// The even-odd inside test written out plainly, a ray to the right crossing
// the rings' edges, for checking the boundary mask and the clipping against
// something that shares none of their code.

#include <cstddef>
#include <vector>

#include "data/BoundaryMask.h"

namespace plotvane::test {

inline bool SlowInside(const std::vector<MaskRing>& rings, double x, double y) {
  bool inside = false;
  for (const MaskRing& ring : rings) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const MaskPoint& a = ring[k];
      const MaskPoint& b = ring[(k + 1) % ring.size()];
      if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
    }
  }
  return inside;
}

}  // namespace plotvane::test

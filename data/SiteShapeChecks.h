#pragma once
// The checks every site file passes before its shapes are used: something
// to use, finite coordinates, lines of at least two distinct points, rings
// of at least three that do not cross or touch themselves. A ring that
// crosses itself has no inside to speak of, and the mask's even-odd test
// would give it one the user did not draw.
//
// Consecutive repeats of a vertex are harmless (some writers double the
// corners) and pass; they are not counted as distinct points.

#include <optional>
#include <string_view>

#include "common/Failure.h"
#include "data/SiteShapes.h"

namespace plotvane {

// Nothing when every shape passes; otherwise the first fault, naming the
// file (name) and the shape's place.
std::optional<Failure> CheckSiteShapes(const SiteShapes& shapes, std::string_view name);

// The 1-based numbers of two edges of the ring that cross or touch, edge k
// running from vertex k to vertex k+1 (the last back to the first) after
// consecutive repeats are dropped; nullopt when the ring is simple.
struct EdgePair {
  std::size_t first = 0;
  std::size_t second = 0;
};
std::optional<EdgePair> FindSelfIntersection(const SiteShape& ring);

// The first two rings of shapes (indices into shapes.shapes) that overlap
// in part: two edges cross, or one ring has corners or edge middles both
// inside and outside the other. Rings may lie one within another (holes and
// islands) or side by side sharing edges and corners (neighbouring lots);
// nullopt then. A boundary's even-odd inside is the signed sum of such
// rings' insides, which the exact volume relies on.
struct ShapePair {
  std::size_t first = 0;
  std::size_t second = 0;
};
std::optional<ShapePair> FindRingsOverlapping(const SiteShapes& shapes);

}  // namespace plotvane

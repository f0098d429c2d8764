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

// The first two rings of shapes (indices into shapes.shapes) whose edges
// cross or touch; nullopt when the rings lie apart. A boundary's rings must
// (data/SiteShapes.h: nested as holes and islands, never crossing), or its
// even-odd inside would not be the sum of the rings' insides.
struct ShapePair {
  std::size_t first = 0;
  std::size_t second = 0;
};
std::optional<ShapePair> FindRingsMeeting(const SiteShapes& shapes);

}  // namespace plotvane

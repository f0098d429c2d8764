#pragma once
// The pieces of level lines inside the drawn triangles, one straight segment
// per triangle and line that crosses it (LevelCrossing.h).
//
// In a triangle whose vertices are not all on one side of line k, one vertex
// (the lone one) is on the other side from the two others, and the segment
// joins the crossings on the lone vertex's two edges. It runs with the upper
// side on its right: triangles are clockwise, so from the edge after the lone
// vertex to the edge before it when the lone vertex is above, the other way
// when it is below.
//
// A vertex on the level counts as above it, everywhere: the ends of a
// segment are keyed by the edge they lie on, also where they fall on such a
// vertex, so a segment may have no length (both ends on one vertex) and the
// two triangles beside an edge lying on the level each give it once, on
// either side. Joining (PolylineJoin.h) then follows each line around the
// vertex as around a point a hair above the level, and tidies the lengthless
// steps and the there-and-back visits of edges on the level away. Flat
// triangles lie on one side of every line and give nothing.

#include <cstdint>
#include <span>
#include <vector>

#include "levels/LevelCrossing.h"
#include "levels/LevelMesh.h"

namespace plotvane {

struct LevelSegment {
  std::int32_t line = 0;  // k
  CrossingNode from, to;
};

// Every segment of every line, in triangle order (lines ascending within a
// triangle).
std::vector<LevelSegment> CollectLevelSegments(const LevelMesh& mesh);

// The segments of line k in the given triangles (each crossed by it), in
// their order, into out (cleared first).
void CollectLineSegments(const LevelMesh& mesh, std::int32_t k, std::span<const TriangleIndex> triangles,
                         std::vector<LevelSegment>& out);

}  // namespace plotvane

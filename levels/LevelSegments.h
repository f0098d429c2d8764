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
// Degenerate pieces are dropped here: a segment whose two ends are the same
// vertex (a vertex on the level with its neighbours below) has no length, and
// a segment from vertex to vertex (an edge lying on the level) is kept once,
// although both triangles beside such an edge may give it. Flat triangles lie
// on one side of every line and give nothing.

#include <cstdint>
#include <vector>

#include "levels/LevelCrossing.h"
#include "levels/LevelMesh.h"

namespace plotvane {

struct LevelSegment {
  std::int32_t line = 0;  // k
  CrossingNode from, to;
};

// Every segment of every line, in triangle order (lines ascending within a
// triangle), degenerate ones removed as above.
std::vector<LevelSegment> CollectLevelSegments(const LevelMesh& mesh);

}  // namespace plotvane

#pragma once
// Joining the segments of the level lines into maximal polylines.
//
// The segments of one line meet at crossing nodes (LevelCrossing.h). A node
// where exactly two segments meet lies inside a polyline; any other node (one
// segment: the border of the drawn mesh; three or more: pieces meeting at a
// vertex on the level) ends every polyline that reaches it. Chains between
// such ends are walked first; whatever remains are closed rings. A polyline
// takes the direction most of its segments have, so that the higher ground
// stays on its right (LevelSegments.h).
//
// The work is two passes over sorted arrays, no hash tables: the segments are
// bucketed by line, and each line's segment ends sorted by node key, so that
// the segments meeting at a node stand next to each other.

#include <cstdint>
#include <span>
#include <vector>

#include "levels/ContourSet.h"
#include "levels/LevelMesh.h"
#include "levels/LevelSegments.h"

namespace plotvane {

// The levels with their polylines, by ascending line; consecutive equal
// points are merged and lines left without length dropped (ContourSet.h).
std::vector<ContourLevel> JoinLevelSegments(const LevelMesh& mesh, const std::vector<LevelSegment>& segments);

// Level k from its segments alone (all of line k, in triangle order); no
// lines when nothing of length remains.
ContourLevel JoinLineSegments(const LevelMesh& mesh, std::int32_t k, std::span<const LevelSegment> segments);

}  // namespace plotvane

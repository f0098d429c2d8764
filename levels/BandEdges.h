#pragma once
// The outlines of the filled bands, as directed edges between crossing
// nodes.
//
// Every drawn triangle is cut into its band pieces: the part of band k is
// walked along the triangle's clockwise boundary, taking each vertex of band
// k and the crossings of lines k and k + 1 on each edge in the order the edge
// meets them (LevelCrossing.h, so neighbouring triangles cut their common
// edge at the same nodes). Each piece is thus a clockwise ring of nodes.
//
// An edge between two pieces of one band is walked once in each direction
// (the triangles beside it are both clockwise) and cancels; what remains are
// the outer edges of the pieces: the outline of each band, outer boundaries
// clockwise and holes counter-clockwise. Edges of no length (a node reached
// twice, as a vertex on a level is) are left out.

#include <cstdint>
#include <span>
#include <vector>

#include "levels/LevelCrossing.h"
#include "levels/LevelMesh.h"

namespace plotvane {

struct BandEdge {
  std::int32_t band = 0;
  CrossingNode from, to;
};

// The outer edges of band k, of its pieces in the given triangles (each
// with a piece of it: TriangleSweep.h), sorted by the key of the node they
// leave and then of the node they reach.
std::vector<BandEdge> CollectBandOutline(const LevelMesh& mesh, std::int32_t k,
                                         std::span<const TriangleIndex> triangles);

}  // namespace plotvane

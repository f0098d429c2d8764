#pragma once
// The filled bands as polygons with holes, from their outlines (BandEdges.h).
//
// The outer edges of one band are walked into rings: from each edge to one
// leaving the node it arrives at, until the ring is back at its start. Where
// a band's region touches itself at a node, more than one edge leaves it: the
// walk keeps to the face it traces, and a ring that meets itself at a node is
// cut there, so that every ring is simple and every polygon valid in OGC's
// simple features (polygons and holes may touch at single nodes). Rings are
// then told apart by their turn: the pieces are clockwise, so an outer
// boundary is clockwise and a hole counter-clockwise. Each hole goes into the smallest outer ring of
// its band that contains a point of it (the middle of its first edge, which
// lies inside that ring or on the shared node of a touching one). Finally the
// rings are turned round for GeoJSON's right-hand rule (ContourSet.h).

#include <cstdint>
#include <span>
#include <vector>

#include "levels/BandEdges.h"
#include "levels/ContourSet.h"
#include "levels/LevelMesh.h"

namespace plotvane {

// The shoelace area of a ring: positive counter-clockwise.
double SignedArea(const ContourRing& ring);

// The smallest axis-aligned box around a ring (at least one point).
struct RingBox {
  double minX, minY, maxX, maxY;
};
RingBox BoxOf(const ContourRing& ring);

// Band k from its outline (CollectBandOutline); no polygons when nothing of
// area remains.
ContourBand BuildBandPolygons(const LevelMesh& mesh, std::int32_t k, std::span<const BandEdge> outline);

}  // namespace plotvane

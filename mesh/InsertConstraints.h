#pragma once
// Making a finished Delaunay mesh follow given lines: the constrained
// Delaunay mesh of its points, the lines' vertices and the lines' segments.
//
// Every vertex of a line becomes a mesh point. One without a height takes
// the surface's value there, interpolated in the mesh as it was before any
// line changed it, so the order of the lines does not matter. A vertex on an
// existing point's X, Y is that point: its height, when the line gives one,
// replaces the point's. Then every segment becomes a chain of mesh edges
// (split where it passes exactly through a point): the edges it crosses are
// flipped away, and the mesh is made locally Delaunay again by flipping every
// other edge whose neighbour lies inside its circle. All decisions are taken
// by the exact tests of ExactPredicates, so points on one circle or one line
// cannot make them contradict each other.
//
// The lines must lie in the mesh: a vertex outside it, a segment that leaves
// it (through a bay of a concave outline) and two segments that cross are
// refused. Triangles stay clockwise; their order is this routine's own.

#include <cstdint>
#include <vector>

#include "common/Index.h"

namespace plotvane {

// One line in the normalised plane of the mesh.
struct ConstraintLine {
  std::vector<double> x, y;
  std::vector<double> z;  // NaN: the surface's value at (x, y)
  bool closed = false;    // a ring: the last vertex joins the first
};

// A vertex of a line, both counted from 0.
struct LineVertex {
  std::int32_t line, vertex;
};

struct ReplacedHeight {
  PointIndex point;  // an existing mesh point
  LineVertex by;     // the vertex that gave its new height
};

struct ConstraintOutcome {
  enum class Status {
    Done,
    VertexOutside,   // line's vertex lies outside the mesh
    SegmentOutside,  // the segment from line's vertex leaves the mesh
    LinesCross,      // the segment from line's vertex crosses a segment of otherLine
    SegmentStuck,    // the segment from line's vertex could not be flipped into the mesh
  };
  Status status = Status::Done;
  std::int32_t line = -1, vertex = -1, otherLine = -1;  // 0-based
  std::vector<LineVertex> added;                        // the vertex of each new mesh point, nv+1.. in order
  std::vector<ReplacedHeight> replaced;                 // existing points whose height a vertex replaced
};

// x, y, z: the mesh arrays 1..nv, which new points are appended to (nv grows);
// nt, ipt: the mesh's triangles (clockwise, 1-based), rewritten. On a refusal
// the arrays hold a partly changed mesh that the caller discards.
ConstraintOutcome InsertConstraints(const std::vector<ConstraintLine>& lines, std::vector<double>& x,
                                    std::vector<double>& y, std::vector<double>& z, PointIndex& nv, TriangleIndex& nt,
                                    std::vector<std::int32_t>& ipt);

}  // namespace plotvane

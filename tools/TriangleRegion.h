#pragma once
// Where a triangle's containment test can say "inside".
//
// The test of TriangleKernel.h checks the point against three lines: through
// P0 along e1, through P1 along e2, through P2 along e3, where the directions
// are float differences of float vertices. Those rounded directions make the
// lines miss each other slightly, so the accepted region is the triangle of
// the lines' crossing points, not exactly the triangle of the vertices; for a
// sliver the crossings can lie far away or the region can be unbounded, and for
// collinear float vertices it is a whole line. On top of that the test rounds
// c1..c3 in double precision, which lets each line tilt about its vertex by an
// angle of about 2^-52.
//
// ContainmentRegion bounds all of that:
// - when the three directions turn the same way (so the region is bounded) and
//   no two are nearly parallel, it returns the box of the vertices and the
//   crossing points, widened by a margin that covers the tilt and the rounding
//   of the crossing points themselves (both grow as 1/sine of the smallest
//   angle between the lines, relative to the box size);
// - otherwise it says "unbounded" and the triangle has to be tested for every
//   point.

namespace plotvane {

struct TriangleEdges;

// Left uninitialised by default, so that a table of one per triangle costs
// nothing until it is filled.
struct RegionBox {
  double xMin, yMin, xMax, yMax;
};

struct TriangleRegion {
  bool bounded = false;  // false: the test may accept points anywhere
  RegionBox box{};       // every accepted point lies in it (when bounded)
};

TriangleRegion ContainmentRegion(const TriangleEdges& t);

}  // namespace plotvane

#pragma once
// A convex polygon of the plan with a linear function d over it: the piece
// where one triangle of each surface overlap, d being the difference of the
// two surfaces there.
//
// Pieces are small and made by the million, so a piece keeps its vertices in
// place: the overlap of two triangles has at most six corners, and splitting
// a convex polygon along a line adds one, so eight always suffice (clipping a
// convex polygon by a half-plane adds at most one vertex, even with rounding).
//
// Vertices run counter-clockwise (X right, Y up). Clipping carries d along:
// a vertex made where an edge crosses the clipping line gets d interpolated
// linearly along that edge, which is exact for a linear d.

#include <array>
#include <cassert>
#include <cstdint>

namespace plotvane {

struct PlanTriangle;

struct PieceVertex {
  double x, y, d;
};

class ConvexPiece {
 public:
  static constexpr std::int32_t kCapacity = 8;

  std::int32_t size() const { return m_count; }
  const PieceVertex& operator[](std::int32_t k) const { return m_vertex[k]; }
  PieceVertex& operator[](std::int32_t k) { return m_vertex[k]; }
  void push(const PieceVertex& v) {
    assert(m_count < kCapacity && "a clipped convex piece has at most eight vertices");
    m_vertex[m_count++] = v;
  }

 private:
  std::array<PieceVertex, kCapacity> m_vertex;
  std::int32_t m_count = 0;
};

// The part of piece where the linear function whose values at the vertices
// are side[0..size) is >= 0. A part without area may come out as a piece of
// fewer than three vertices, or with zero area; both integrate to nothing.
ConvexPiece KeepNonNegative(const ConvexPiece& piece, const std::array<double, ConvexPiece::kCapacity>& side);

// The overlap of the triangles s and r (both counter-clockwise), d left 0.
ConvexPiece OverlapOf(const PlanTriangle& s, const PlanTriangle& r);

// The overlap of s and r with d = s - r, from the two triangles' planes.
ConvexPiece DifferenceOverlap(const PlanTriangle& s, const PlanTriangle& r);

// The triangle itself, d left 0.
ConvexPiece PieceOf(const PlanTriangle& t);

// The area of piece and the integral of d over it: the fan from vertex 0,
// each fan triangle's area times the mean of d at its corners (exact for a
// linear d).
struct PieceIntegral {
  double area = 0;
  double integral = 0;
};
PieceIntegral Integrate(const ConvexPiece& piece);

}  // namespace plotvane

// Clipping and integrating convex pieces: see ConvexPiece.h.

#include "tools/ConvexPiece.h"

#include "tools/VolumeSurface.h"

namespace plotvane {

ConvexPiece KeepNonNegative(const ConvexPiece& piece, const std::array<double, ConvexPiece::kCapacity>& side) {
  ConvexPiece kept;
  const std::int32_t n = piece.size();
  for (std::int32_t k = 0; k < n; ++k) {
    const std::int32_t next = k + 1 == n ? 0 : k + 1;
    const PieceVertex& a = piece[k];
    const PieceVertex& b = piece[next];
    const double sa = side[k], sb = side[next];
    if (sa >= 0) kept.push(a);
    // The edge crosses the line strictly between its ends.
    if ((sa > 0 && sb < 0) || (sa < 0 && sb > 0)) {
      const double t = sa / (sa - sb);
      kept.push({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.d + t * (b.d - a.d)});
    }
  }
  return kept;
}

ConvexPiece PieceOf(const PlanTriangle& t) {
  ConvexPiece piece;
  for (int k = 0; k < 3; ++k) piece.push({t.x[k], t.y[k], 0.0});
  return piece;
}

ConvexPiece OverlapOf(const PlanTriangle& s, const PlanTriangle& r) {
  ConvexPiece piece = PieceOf(s);
  for (int e = 0; e < 3 && piece.size() > 0; ++e) {
    // Left of r's edge from corner e to the next is inside r.
    const double ax = r.x[e], ay = r.y[e];
    const double ex = r.x[e == 2 ? 0 : e + 1] - ax, ey = r.y[e == 2 ? 0 : e + 1] - ay;
    std::array<double, ConvexPiece::kCapacity> side{};
    bool allInside = true;
    for (std::int32_t k = 0; k < piece.size(); ++k) {
      side[k] = ex * (piece[k].y - ay) - ey * (piece[k].x - ax);
      allInside = allInside && side[k] >= 0;
    }
    if (!allInside) piece = KeepNonNegative(piece, side);
  }
  return piece;
}

ConvexPiece DifferenceOverlap(const PlanTriangle& s, const PlanTriangle& r) {
  ConvexPiece piece = OverlapOf(s, r);
  for (std::int32_t v = 0; v < piece.size(); ++v) {
    piece[v].d = s.valueAt(piece[v].x, piece[v].y) - r.valueAt(piece[v].x, piece[v].y);
  }
  return piece;
}

PieceIntegral Integrate(const ConvexPiece& piece) {
  PieceIntegral sum;
  const PieceVertex& o = piece[0];
  for (std::int32_t k = 1; k + 1 < piece.size(); ++k) {
    const PieceVertex& a = piece[k];
    const PieceVertex& b = piece[k + 1];
    const double area = 0.5 * ((a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x));
    sum.area += area;
    sum.integral += area * (o.d + a.d + b.d) / 3.0;
  }
  return sum;
}

}  // namespace plotvane

#pragma once
// The band geometry of one triangle: its fill pieces and its level lines.
//
// Conventions, stated once:
// - Positions are integer map units (0.01 mm, y upward); levels are
//   normalised, the Z window being 0..1.
// - With count levels the step is s = 1 / count (one division, kept as a
//   double). The band of a level v is floor(v / s), found by dividing by s,
//   not by multiplying by count: with count 10, v = 0.3 gives
//   2.9999999999999996 and band 2. Level line k lies at k x s (0.3 is line 3
//   at 0.30000000000000004). Band k lies between lines k and k + 1.
// - A triangle is handled with its vertices sorted by level: A the highest,
//   B the middle, C the lowest (equal levels keep the order of the mesh).
//   M is the point on A-C at B's level; the line B-M splits the triangle
//   into an upper and a lower part.
// - Every computed position is rounded to the nearest map unit, halves to
//   even (RoundMapUnit). Beside the rounded pieces, a caller may take each
//   piece's exact corners (ExactCrossing): rounded split points leave
//   slivers between neighbouring triangles that a raster fill shows as
//   pinholes, the exact ones tile.
//
// The pieces, in drawing order (each a four-point polygon):
//   first strip of the upper part   A, A, Q2, Q1   band kA (absent when kA = kB)
//   further strips                  P1, P2, Q2, Q1 between lines
//   closing piece of the upper part P1, P2, M, B   band kB
//   strips of the lower part        P1, P2, Q2, Q1 from the line B-M down
//   closing piece of the lower part P1, P2, C, P1  band kC
// where Q1 lies on A-B (C-B below) and Q2 on A-M (C-M below) at the level
// line crossed, and P1, P2 are the previous Q1, Q2. Degenerate pieces
// (a vertex on a level line, two equal levels) are kept as they come out.
//
// Bounds that the literal arithmetic lacks: band indices are held within
// kBandMargin bands of the window, so that a level far outside it (a Z
// window far narrower than the data) cannot make one triangle issue
// millions of pieces or overflow the index; and positions are held within
// +-kMapCoordinateLimit, so that a window far narrower than the data cannot
// overflow 32 bits. A level that is not a number takes the lowest band and
// a position that is not a number 0. Within the bounds the pieces are
// exactly those of the literal arithmetic; beyond them the bands outside
// the window merge into the band at the margin (in colour and grey fill
// all of them share the below-range or above-range style anyway).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace plotvane {

inline constexpr std::int32_t kMapCoordinateLimit = 1 << 30;
inline constexpr std::int32_t kBandMargin = 1024;

// A position in map units. The level geometry has its own point type so that
// the contour export, which shares it, need not know the drawing layer; the
// page copies these into the points of its pictures.
struct MapPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};
// A map position rounded to the nearest unit, halves to even, held within
// +-kMapCoordinateLimit; 0 when v is not a number.
inline std::int32_t RoundMapUnit(double v) {
  if (!(v > -kMapCoordinateLimit)) return std::isnan(v) ? 0 : -kMapCoordinateLimit;
  if (!(v < kMapCoordinateLimit)) return kMapCoordinateLimit;
  return static_cast<std::int32_t>(std::nearbyint(v));  // the default rounding mode: halves to even
}

// The level arithmetic of one pass.
//
// Levels chosen one by one (explicit levels, a page option) replace the even
// steps by the rising normalised levels l0 = 0 < l1 < ... < lm = 1 of the
// lines: band k (0..m-1) lies between lines k and k + 1, and everything
// below l0 is the one band -1, everything from lm up the one band m, so that
// no line is drawn but the chosen ones.
class LevelSteps {
 public:
  // count >= 1.
  explicit LevelSteps(std::int32_t count)
      : m_step(1.0 / count), m_lowest(-kBandMargin), m_highest(count - 1 + kBandMargin) {}
  // lines: at least two, rising.
  explicit LevelSteps(std::vector<double> lines)
      : m_step(1.0 / static_cast<double>(lines.size() - 1)),
        m_lowest(-1),
        m_highest(static_cast<std::int32_t>(lines.size()) - 1),
        m_lines(std::move(lines)) {}

  double step() const { return m_step; }
  // floor(v / s), held within -kBandMargin..count - 1 + kBandMargin; with
  // chosen levels the band holding v.
  std::int32_t band(double v) const {
    if (!m_lines.empty()) return chosenBand(v);
    const double q = std::floor(v / m_step);
    if (!(q >= m_lowest)) return m_lowest;
    if (q > m_highest) return m_highest;
    return static_cast<std::int32_t>(q);
  }
  // The level of line k.
  double line(std::int32_t k) const {
    return m_lines.empty() ? k * m_step : m_lines[static_cast<std::size_t>(std::clamp(k, 0, m_highest))];
  }

 private:
  std::int32_t chosenBand(double v) const {
    if (!(v >= m_lines.front())) return m_lowest;
    const auto above = std::upper_bound(m_lines.begin(), m_lines.end(), v);
    return static_cast<std::int32_t>(above - m_lines.begin()) - 1;
  }

  double m_step;
  std::int32_t m_lowest;
  std::int32_t m_highest;
  std::vector<double> m_lines;  // empty: even steps
};

struct MapVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  double z = 0.0;
  MapPoint point() const { return MapPoint{x, y}; }
};

// The vertices sorted by level, A >= B >= C.
struct SortedTriangle {
  MapVertex A, B, C;
};

using BandPiece = std::array<MapPoint, 4>;

// Exchanges two values (vertex numbers, in the sort of a triangle).
inline void SwapValues(std::int32_t& a, std::int32_t& b) {
  const std::int32_t t = a;
  a = b;
  b = t;
}

// Sorts the vertex numbers ia, ib, ic by level with three compare-and-swap
// steps, (ia, ib), (ia, ic), (ib, ic), each swapping only when the first is
// strictly lower; normZ is indexed by vertex number.
template <typename Levels>
void SortByLevel(std::int32_t& ia, std::int32_t& ib, std::int32_t& ic, const Levels& normZ) {
  if (normZ[ia] < normZ[ib]) SwapValues(ia, ib);
  if (normZ[ia] < normZ[ic]) SwapValues(ia, ic);
  if (normZ[ib] < normZ[ic]) SwapValues(ib, ic);
}

// How far level L lies from level z0 towards z1; 0.5 when they are equal.
inline double Fraction(double L, double z0, double z1) { return z1 == z0 ? 0.5 : (L - z0) / (z1 - z0); }

// round((1 - f) x from + f x to), per coordinate.
inline MapPoint Between(const MapVertex& from, const MapVertex& to, double f) {
  return MapPoint{RoundMapUnit((1 - f) * from.x + f * to.x), RoundMapUnit((1 - f) * from.y + f * to.y)};
}

// M, the point on A-C at B's level; the midpoint of A-C for a flat A-C.
inline MapVertex SplitPoint(const SortedTriangle& t) {
  const MapVertex& A = t.A;
  const MapVertex& B = t.B;
  const MapVertex& C = t.C;
  if (A.z - C.z != 0) {
    return MapVertex{RoundMapUnit(((B.z - C.z) * A.x + (A.z - B.z) * C.x) / (A.z - C.z)),
                     RoundMapUnit(((B.z - C.z) * A.y + (A.z - B.z) * C.y) / (A.z - C.z)), B.z};
  }
  return MapVertex{RoundMapUnit((static_cast<double>(A.x) + C.x) / 2),
                   RoundMapUnit((static_cast<double>(A.y) + C.y) / 2), B.z};
}

// A position in map units, not rounded.
struct ExactPoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const ExactPoint&, const ExactPoint&) = default;
};
using ExactPiece = std::array<ExactPoint, 4>;

inline ExactPoint ExactOf(const MapVertex& v) { return ExactPoint{static_cast<double>(v.x), static_cast<double>(v.y)}; }

// Where level L crosses the edge u-v, not rounded; the midpoint of a flat
// edge. The edge is always worked from its lower-left end, so the two
// triangles beside it get the same point to the last bit whichever way each
// runs round it; and as from + f x (to - from), so a point on a vertical or
// horizontal edge keeps that edge's coordinate exactly. Held within
// +-kMapCoordinateLimit; 0 when not a number, as RoundMapUnit.
inline ExactPoint ExactCrossing(const MapVertex& u, const MapVertex& v, double L) {
  const bool fromV = v.x < u.x || (v.x == u.x && v.y < u.y);
  const MapVertex& from = fromV ? v : u;
  const MapVertex& to = fromV ? u : v;
  const double f = Fraction(L, from.z, to.z);
  const auto held = [](double c) {
    if (std::isnan(c)) return 0.0;
    return std::clamp(c, -static_cast<double>(kMapCoordinateLimit), static_cast<double>(kMapCoordinateLimit));
  };
  return ExactPoint{held(from.x + f * (static_cast<double>(to.x) - from.x)),
                    held(from.y + f * (static_cast<double>(to.y) - from.y))};
}

// Calls onPiece(const BandPiece&, std::int32_t band) for every piece of the
// triangle in drawing order (see above); or, when onPiece also takes them,
// onPiece(const BandPiece&, const ExactPiece&, std::int32_t band) with the
// piece's exact corners: the vertices, the crossings of the edges A-B, B-C
// and A-C (ExactCrossing) and M exactly on A-C.
template <typename OnPiece>
void ForEachBandPiece(const SortedTriangle& t, const LevelSteps& steps, OnPiece&& onPiece) {
  constexpr bool kExact = std::is_invocable_v<OnPiece&, const BandPiece&, const ExactPiece&, std::int32_t>;
  const auto deliver = [&onPiece](const BandPiece& piece, [[maybe_unused]] const ExactPiece& exact, std::int32_t k) {
    if constexpr (kExact) {
      onPiece(piece, exact, k);
    } else {
      onPiece(piece, k);
    }
  };
  // The exact crossing only where a caller takes it.
  const auto crossing = [](const MapVertex& u, const MapVertex& v, double L) {
    return kExact ? ExactCrossing(u, v, L) : ExactPoint{};
  };
  const MapVertex& A = t.A;
  const MapVertex& B = t.B;
  const MapVertex& C = t.C;
  const MapVertex M = SplitPoint(t);
  const ExactPoint exactM = crossing(A, C, B.z);
  const std::int32_t kA = steps.band(A.z);
  const std::int32_t kB = steps.band(B.z);
  const std::int32_t kC = steps.band(C.z);

  MapPoint P1 = A.point();
  MapPoint P2 = A.point();
  ExactPoint X1 = ExactOf(A);
  ExactPoint X2 = X1;
  std::int32_t k = kA;
  for (std::int32_t j = kA - kB; j >= 1; --j) {
    const double L = steps.line(kB + j);
    const double f = Fraction(L, A.z, B.z);
    const MapPoint Q1 = Between(A, B, f);
    const MapPoint Q2 = Between(A, M, f);
    const ExactPoint Y1 = crossing(A, B, L);
    const ExactPoint Y2 = crossing(A, C, L);
    deliver(BandPiece{P1, P2, Q2, Q1}, ExactPiece{X1, X2, Y2, Y1}, k);
    P1 = Q1;
    P2 = Q2;
    X1 = Y1;
    X2 = Y2;
    k = kB + j - 1;
  }
  deliver(BandPiece{P1, P2, M.point(), B.point()}, ExactPiece{X1, X2, exactM, ExactOf(B)}, k);

  P1 = B.point();
  P2 = M.point();
  X1 = ExactOf(B);
  X2 = exactM;
  k = kB;
  for (std::int32_t j = kB - kC; j >= 1; --j) {
    const double L = steps.line(kC + j);
    const double f = Fraction(L, C.z, B.z);
    const MapPoint Q1 = Between(C, B, f);
    const MapPoint Q2 = Between(C, M, f);
    const ExactPoint Y1 = crossing(C, B, L);
    const ExactPoint Y2 = crossing(C, A, L);
    deliver(BandPiece{P1, P2, Q2, Q1}, ExactPiece{X1, X2, Y2, Y1}, k);
    P1 = Q1;
    P2 = Q2;
    X1 = Y1;
    X2 = Y2;
    k = kC + j - 1;
  }
  deliver(BandPiece{P1, P2, C.point(), P1}, ExactPiece{X1, X2, ExactOf(C), X1}, k);
}

// Calls segment(MapPoint P, MapPoint Q, std::int32_t line) for every
// level line that crosses the triangle: lines kB + 1..kA across the upper
// part (P on A-B, Q on A-C), from the top down, then kC + 1..kB across the
// lower part (P on C-B, Q on C-A). A line that only touches the lowest
// vertex is not drawn; a flat triangle has none.
template <typename Segment>
void ForEachLevelSegment(const SortedTriangle& t, const LevelSteps& steps, Segment&& segment) {
  const MapVertex& A = t.A;
  const MapVertex& B = t.B;
  const MapVertex& C = t.C;
  const std::int32_t kA = steps.band(A.z);
  const std::int32_t kB = steps.band(B.z);
  const std::int32_t kC = steps.band(C.z);
  for (std::int32_t j = kA - kB; j >= 1; --j) {
    const double L = steps.line(kB + j);
    segment(Between(A, B, Fraction(L, A.z, B.z)), Between(A, C, Fraction(L, A.z, C.z)), kB + j);
  }
  for (std::int32_t j = kB - kC; j >= 1; --j) {
    const double L = steps.line(kC + j);
    segment(Between(C, B, Fraction(L, C.z, B.z)), Between(C, A, Fraction(L, C.z, A.z)), kC + j);
  }
}

}  // namespace plotvane

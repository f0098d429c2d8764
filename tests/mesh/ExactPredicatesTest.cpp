// The exact tests on points that lie exactly on one line or one circle, and
// on the same points moved by one unit in the last place, where a
// floating-point evaluation is mostly noise. The answers follow from the
// construction, not from the code.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "mesh/ExactPredicates.h"

namespace plotvane {
namespace {

// Every coordinate lies in [0.25, 0.5), where doubles are spaced 2^-54, and
// every offset added to one is a multiple of 2^-54 that keeps it below 0.5:
// the sums are exact.
constexpr double kUlp = 0x1p-54;

TEST(ExactPredicates, PointsOnOneLineAndMovedOffIt) {
  std::mt19937_64 rng(17);
  std::uniform_int_distribution<int> base(0, 1 << 16);
  std::uniform_int_distribution<std::int64_t> step(-(std::int64_t{1} << 46), std::int64_t{1} << 46);
  for (int round = 0; round < 2000; ++round) {
    const ExactPoint a{0.26 + base(rng) * 0x1p-20, 0.27 + base(rng) * 0x1p-20};
    // Steps of up to 47 bits: the products of the test carry far more bits
    // than a double holds.
    const double dx = static_cast<double>(step(rng)) * kUlp, dy = static_cast<double>(step(rng)) * kUlp;
    if (dx == 0 && dy == 0) continue;
    const int t = 1 + round % 5;
    const ExactPoint b{a.x + dx, a.y + dy};
    const ExactPoint c{a.x + t * dx, a.y + t * dy};
    ASSERT_EQ(OrientationSign(a, b, c), 0) << round;
    ASSERT_FALSE(ClearlyClockwise(a, b, c)) << round;
    // c one unit up: counterclockwise exactly when b lies right of a.
    const ExactPoint up{c.x, c.y + kUlp};
    const int expected = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
    ASSERT_EQ(OrientationSign(a, b, up), expected) << round;
    ASSERT_EQ(OrientationSign(b, a, up), -expected) << round;
    // The quick test may leave a turn undecided, never call it wrong.
    ASSERT_TRUE(!ClearlyClockwise(b, a, up) || expected == 1) << round;
  }
}

TEST(ExactPredicates, PointsOnOneCircleAndMovedOffIt) {
  // (±3, ±4), (±4, ±3), (±5, 0), (0, ±5) times s about (cx, cy): on one
  // circle of radius 5 s.
  const int xy[12][2] = {{5, 0},  {4, 3},   {3, 4},   {0, 5},  {-3, 4}, {-4, 3},
                         {-5, 0}, {-4, -3}, {-3, -4}, {0, -5}, {3, -4}, {4, -3}};
  std::mt19937_64 rng(23);
  std::uniform_int_distribution<int> pick(0, 11);
  std::uniform_int_distribution<int> centre(0, 1 << 16);
  for (int round = 0; round < 3000; ++round) {
    const double cx = 0.3 + centre(rng) * 0x1p-20, cy = 0.3 + centre(rng) * 0x1p-20;
    const double s = 0x1p-9 * (1 + round % 7);
    int k[4];
    for (int& q : k) q = pick(rng);
    const auto at = [&](int q) { return ExactPoint{cx + xy[q][0] * s, cy + xy[q][1] * s}; };
    const ExactPoint a = at(k[0]), b = at(k[1]), c = at(k[2]), d = at(k[3]);
    const int turn = OrientationSign(a, b, c);
    if (turn == 0) continue;  // two corners alike
    ASSERT_EQ(InCircleSign(a, b, c, d), 0) << round;
    // d moved right by one unit: |d - centre| grows when d lies right of
    // the centre, shrinks when left of it.
    const double side = d.x - cx;
    if (side == 0) continue;
    const ExactPoint moved{d.x + kUlp, d.y};
    const int inside = side < 0 ? 1 : -1;
    ASSERT_EQ(InCircleSign(a, b, c, moved), turn * inside) << round;
    ASSERT_EQ(InCircleSign(b, a, c, moved), -turn * inside) << round;
  }
}

}  // namespace
}  // namespace plotvane

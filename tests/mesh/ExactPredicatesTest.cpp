// The exact in-circle test on points that lie exactly on one circle, and on
// the same points moved by one unit in the last place, where a floating-point
// evaluation is mostly noise. The answers follow from the construction, not
// from the code.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "mesh/ExactPredicates.h"

namespace plotvane {
namespace {

// Every coordinate is a multiple of 2^-54 below 0.5, so every sum below is
// exact, and 2^-54 is one unit in the last place from 0.25 to 0.5.
constexpr double kUlp = 0x1p-54;

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

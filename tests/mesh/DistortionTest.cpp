// The distortion values with known answers.

#include <gtest/gtest.h>

#include <cmath>

#include "mesh/Distortion.h"

namespace plotvane {
namespace {

TEST(TriangleDistortion, KnownShapes) {
  EXPECT_NEAR(TriangleDistortion(0, 0, 1, 0, 0.5, std::sqrt(3.0) / 2), 0.0, 1e-15);
  EXPECT_EQ(TriangleDistortion(0, 0, 3, 0, 0, 4), 0.19999999999999996);
  // Legs 1: 1 - 16 A^2 / ((a + b + c) a b c) with A = 0.5.
  const double hyp = std::sqrt(2.0);
  EXPECT_NEAR(TriangleDistortion(0, 0, 1, 0, 0, 1), 1.0 - 4.0 / ((2.0 + hyp) * hyp), 1e-15);
  EXPECT_NEAR(TriangleDistortion(0, 0, 1, 0, 0, 1), 0.1716, 5e-5);
  EXPECT_NEAR(TriangleDistortion(0, 0, 10, 0, 5, 1), 0.9238, 5e-5);
}

TEST(TriangleDistortion, NoAreaGivesExactlyOne) {
  EXPECT_EQ(TriangleDistortion(0, 0, 1, 1, 2, 2), 1.0);
  EXPECT_EQ(TriangleDistortion(0, 0, 0, 0, 5, 5), 1.0);
  // Nearly on one line, where Heron's product rounds below zero.
  EXPECT_EQ(TriangleDistortion(0, 0, 0.1, 0.3, 0.3, 0.9), 1.0);
}

TEST(TriangleDistortion, DoesNotDependOnSizeOrVertexOrder) {
  const double d = TriangleDistortion(0, 0, 7, 1, 2, 5);
  EXPECT_NEAR(TriangleDistortion(0, 0, 70, 10, 20, 50), d, 1e-14);
  EXPECT_NEAR(TriangleDistortion(2, 5, 0, 0, 7, 1), d, 1e-14);
}

TEST(TriangleDistortions, FillsOneValuePerTriangleInMeshOrder) {
  const std::vector<double> x{0, 0, 3, 0, 10, 5};
  const std::vector<double> y{0, 0, 0, 4, 0, 1};
  const std::vector<std::int32_t> ipt{0, 1, 2, 3, 1, 4, 5};
  std::vector<double> hh;
  TriangleDistortions(x, y, 2, ipt, hh);
  ASSERT_EQ(hh.size(), 3u);
  EXPECT_EQ(hh[1], 0.19999999999999996);
  EXPECT_NEAR(hh[2], 0.9238, 5e-5);
}

}  // namespace
}  // namespace plotvane

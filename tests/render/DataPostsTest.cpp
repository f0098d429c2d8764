// Data posts: the positions of the points on the map and the placement of
// their labels, checked against a slow pairwise computation.

#include <gtest/gtest.h>

#include <random>

#include "render/DataPosts.h"

namespace plotvane {
namespace {

using gdi::POINT;

bool Overlap(const PostBox& a, const PostBox& b) {
  return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}
bool Inside(const PostBox& b) { return b.left >= 0 && b.bottom >= 0 && b.right <= 10000 && b.top <= 10000; }

TEST(DataPosts, PointsLandWhereTheWindowMapsThemAndOutsidersAreLeftOut) {
  PointSet points;
  points.dataX = {0, 10, 35, 60, 9.99, 47.5};
  points.dataY = {0, 200, 250, 300, 250, 301};
  const auto positions = PostPositions(points, MapWindow{10, 60, 200, 300});
  ASSERT_EQ(positions.size(), 6u);
  EXPECT_EQ(positions[1], (POINT{0, 0}));
  EXPECT_EQ(positions[2], (POINT{5000, 5000}));
  EXPECT_EQ(positions[3], (POINT{10000, 10000}));
  EXPECT_FALSE(positions[4].has_value());  // left of X1
  EXPECT_FALSE(positions[5].has_value());  // above Y2
  // A mirrored window mirrors the map.
  EXPECT_EQ(PostPositions(points, MapWindow{60, 10, 200, 300})[2], (POINT{5000, 5000}));
  EXPECT_EQ(PostPositions(points, MapWindow{60, 10, 200, 300})[1], (POINT{10000, 0}));
}

// Seeded crowds of points among boxes to keep clear: every kept label lies in
// the square beside its point and overlaps no other and no such box; every
// dropped one had no free side.
TEST(DataPosts, LabelsNeverOverlapAndAreDroppedOnlyForWantOfRoom) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::int32_t> coordinate(0, 10000), width(100, 1500);
    std::vector<std::optional<POINT>> positions(1 + seed * 25);
    std::vector<gdi::SIZE> sizes(positions.size());
    for (std::size_t i = 1; i < positions.size(); ++i) {
      if (i % 7 != 0) positions[i] = POINT{coordinate(random), coordinate(random)};
      sizes[i] = gdi::SIZE{width(random), 318};
    }
    std::vector<PostBox> clear;
    for (int b = 0; b < 5; ++b) {
      const std::int32_t x = coordinate(random), y = coordinate(random);
      clear.push_back(PostBox{x - 600, y - 200, x + 600, y + 200});
    }
    const auto boxes = PlacePostLabels(
        positions, [&](std::size_t i) { return sizes[i]; }, clear);
    ASSERT_EQ(boxes.size(), positions.size());
    std::vector<PostBox> kept = clear;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (!positions[i]) {
        EXPECT_FALSE(boxes[i].has_value());
        continue;
      }
      const POINT p = *positions[i];
      const std::int32_t bottom = p.y - sizes[i].cy / 2, top = bottom + sizes[i].cy, gap = 90;
      const PostBox right{p.x + gap, bottom, p.x + gap + sizes[i].cx, top};
      const PostBox left{p.x - gap - sizes[i].cx, bottom, p.x - gap, top};
      const auto free = [&kept](const PostBox& b) {
        if (!Inside(b)) return false;
        for (const PostBox& k : kept) {
          if (Overlap(k, b)) return false;
        }
        return true;
      };
      if (!boxes[i]) {
        EXPECT_FALSE(free(right) || free(left)) << "seed " << seed << " point " << i;
        continue;
      }
      EXPECT_TRUE(*boxes[i] == right || (*boxes[i] == left && !free(right))) << "seed " << seed << " point " << i;
      EXPECT_TRUE(free(*boxes[i])) << "seed " << seed << " point " << i;
      kept.push_back(*boxes[i]);
    }
  }
}

}  // namespace
}  // namespace plotvane

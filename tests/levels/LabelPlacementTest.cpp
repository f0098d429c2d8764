// Where contour labels go: on straight stretches, upright, inside the map,
// never over one another, on every m-th level; and m chosen so that labels
// do not crowd. Text is measured as 100 map units per character by 300 high,
// so every box is known exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "levels/LabelPlacement.h"

namespace plotvane {
namespace {

ContourPoint Measure(const std::string& text) { return {100.0 * static_cast<double>(text.size()), 300.0}; }

MapLevel Level(std::int32_t k, std::vector<ContourPoint> points, bool closed = false) {
  return MapLevel{k, std::to_string(k * 5), {ContourLine{closed, std::move(points)}}};
}

bool Inside(const PlacedLabel& label) {
  for (const ContourPoint& c : LabelCorners(label)) {
    if (c.x < 0 || c.x > 10000 || c.y < 0 || c.y > 10000) return false;
  }
  return true;
}

struct AngleCase {
  std::string name;
  ContourPoint from, to;
  double angle;
};

class LabelAngle : public testing::TestWithParam<AngleCase> {};

TEST_P(LabelAngle, UprightAlongTheLine) {
  const AngleCase& c = GetParam();
  const auto labels = PlaceLabels({Level(2, {c.from, c.to})}, 1, Measure);
  ASSERT_FALSE(labels.empty());
  for (const PlacedLabel& label : labels) {
    EXPECT_NEAR(label.angle, c.angle, 1e-9);
    EXPECT_TRUE(Inside(label));
    // The centre lies on the line.
    const double cross =
        (label.centre.x - c.from.x) * (c.to.y - c.from.y) - (label.centre.y - c.from.y) * (c.to.x - c.from.x);
    EXPECT_NEAR(cross, 0.0, 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, LabelAngle,
                         testing::Values(AngleCase{"LeftToRight", {500, 5000}, {9500, 5000}, 0},
                                         AngleCase{"RightToLeftTurnsUpright", {9500, 5000}, {500, 5000}, 0},
                                         AngleCase{"Rising", {1000, 1000}, {9000, 9000}, 45},
                                         AngleCase{"FallingBackwards", {9000, 9000}, {1000, 1000}, 45},
                                         AngleCase{"DownwardsReadsUp", {5000, 9500}, {5000, 500}, 90},
                                         AngleCase{"Upwards", {5000, 500}, {5000, 9500}, 90}),
                         [](const auto& row) { return row.param.name; });

TEST(LabelPlacement, LongLinesGetLabelsAGapApart) {
  const auto labels = PlaceLabels({Level(0, {{0, 5000}, {10000, 5000}})}, 1, Measure);
  ASSERT_GE(labels.size(), std::size_t{2});
  for (std::size_t i = 1; i < labels.size(); ++i)
    EXPECT_GE(labels[i].centre.x - labels[i - 1].centre.x, kLabelGap - 1e-9);
}

TEST(LabelPlacement, NoStraightStretchNoLabel) {
  // Zig-zags shorter than the label "100" (450 wide with its padding): flat
  // teeth leave points beyond a quarter of the text height (75) off any
  // chord that long, steep ones a chord far shorter than the line.
  std::vector<ContourPoint> flat, steep;
  for (int i = 0; i <= 40; ++i) flat.push_back({1000.0 + 150 * i, i % 2 == 0 ? 4900.0 : 5100.0});
  for (int i = 0; i <= 60; ++i) steep.push_back({1000.0 + 100 * i, i % 2 == 0 ? 4850.0 : 5150.0});
  for (const auto& teeth : {flat, steep}) EXPECT_TRUE(PlaceLabels({Level(20, teeth)}, 1, Measure).empty());
  // A line shorter than its label.
  EXPECT_TRUE(PlaceLabels({Level(1, {{5000, 5000}, {5150, 5000}})}, 1, Measure).empty());
}

TEST(LabelPlacement, KeepsOffTheMapEdge) {
  // Along the very edge: every box would reach beyond the square.
  EXPECT_TRUE(PlaceLabels({Level(1, {{0, 0}, {10000, 0}})}, 1, Measure).empty());
  // Running out of the map: the labels stay on the part inside.
  for (const PlacedLabel& label : PlaceLabels({Level(1, {{-5000, 5000}, {15000, 5000}})}, 1, Measure))
    EXPECT_TRUE(Inside(label));
}

TEST(LabelPlacement, CloseParallelLinesDoNotOverlap) {
  std::vector<MapLevel> levels;
  for (std::int32_t k = 0; k < 8; ++k) levels.push_back(Level(k, {{500, 4000.0 + 100 * k}, {9500, 4000.0 + 100 * k}}));
  const auto labels = PlaceLabels(levels, 1, Measure);
  ASSERT_FALSE(labels.empty());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    for (std::size_t j = i + 1; j < labels.size(); ++j) {
      const double dx = std::fabs(labels[i].centre.x - labels[j].centre.x);
      const double dy = std::fabs(labels[i].centre.y - labels[j].centre.y);
      // Level boxes: disjoint when apart by a width across or a height up.
      EXPECT_TRUE(dx >= (labels[i].width + labels[j].width) / 2 || dy >= (labels[i].height + labels[j].height) / 2)
          << i << ' ' << j;
    }
  }
}

TEST(LabelPlacement, OnlyEveryMthLevel) {
  std::vector<MapLevel> levels;
  for (std::int32_t k = 0; k < 9; ++k)
    levels.push_back(Level(k, {{500, 1000.0 + 1000 * k}, {9500, 1000.0 + 1000 * k}}));
  for (const std::int32_t every : {1, 2, 3, 4}) {
    std::vector<bool> labelled(9, false);
    for (const PlacedLabel& label : PlaceLabels(levels, every, Measure))
      labelled[static_cast<std::size_t>(label.index)] = true;
    for (std::int32_t k = 0; k < 9; ++k)
      EXPECT_EQ(labelled[static_cast<std::size_t>(k)], k % every == 0) << every << ' ' << k;
  }
}

TEST(LabelPlacement, ClosedRingsAreLabelled) {
  std::vector<ContourPoint> square{{3000, 3000}, {7000, 3000}, {7000, 7000}, {3000, 7000}};
  EXPECT_FALSE(PlaceLabels({Level(1, square, true)}, 1, Measure).empty());
}

TEST(LabelEvery, ChosenOrAutomatic) {
  EXPECT_EQ(LabelEvery(3, 20), 3);
  EXPECT_EQ(LabelEvery(0, 2), 1);
  EXPECT_EQ(LabelEvery(0, kMaxLabelledLevels), 1);
  EXPECT_EQ(LabelEvery(0, kMaxLabelledLevels + 1), 2);
  EXPECT_EQ(LabelEvery(0, 20), 2);
  EXPECT_EQ(LabelEvery(0, 512), 52);
}

}  // namespace
}  // namespace plotvane

#pragma once
// Where the level values go along the contour lines of the map.
//
// Works in map units (0.01 mm, the map square 0..10000 on both axes, y
// upward; render/ContourMap.h). A label is a box of the text's width and
// height centred on a stretch of its line, turned to the stretch's
// direction and kept upright (its angle in -90..90 degrees, so it never
// reads upside down). A stretch is straight enough when every point of the
// line between the box's ends lies within a quarter of the text height of
// the chord joining them and the chord is at least 95 % as long as the line
// between them (a hairpin is not straight). A label is placed only when its box lies wholly
// inside the map square and overlaps no label placed before; along one line
// the labels keep at least kLabelGap apart. Lines are taken in the order
// given, each from its start, so the result is the same for the same input.
//
// Only every m-th level carries labels: k = 0, m, 2m, ... counted from Z1.
// Given m = 0 the placement chooses it so that at most kMaxLabelledLevels
// levels are labelled.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "levels/ContourSet.h"

namespace plotvane {

inline constexpr double kLabelGap = 4000.0;             // 40 mm between labels on one line
inline constexpr std::int32_t kMaxLabelledLevels = 10;  // the automatic choice of m

struct MapLevel {
  std::int32_t index = 0;          // k
  std::string text;                // the value as written on the map
  std::vector<ContourLine> lines;  // in map units
};

struct PlacedLabel {
  std::int32_t index = 0;
  std::string text;
  ContourPoint centre;
  double angle = 0.0;  // degrees, counter-clockwise, -90 < angle <= 90
  double width = 0.0, height = 0.0;
};

// The text's width and height in map units.
using MeasureText = std::function<ContourPoint(const std::string&)>;

// m for `every` (kept when positive) over lineCount levels.
std::int32_t LabelEvery(std::int32_t every, std::int32_t lineCount);

// The labels of the levels k with k % every == 0 (every >= 1).
std::vector<PlacedLabel> PlaceLabels(const std::vector<MapLevel>& levels, std::int32_t every,
                                     const MeasureText& measure);

// The four corners of a label's box, counter-clockwise from the lower left
// of the text.
std::vector<ContourPoint> LabelCorners(const PlacedLabel& label);

}  // namespace plotvane

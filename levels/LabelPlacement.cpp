// Placing contour labels. See LabelPlacement.h.

#include "levels/LabelPlacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace plotvane {
namespace {

constexpr double kMapSize = 10000.0;
// Blank space around the text inside its box, in parts of the height, so a
// label clears the lines and labels near it.
constexpr double kPadding = 0.25;
constexpr double kMinChordRatio = 0.95;

struct Stretch {
  ContourPoint from, to;
  bool straight = false;
};

ContourPoint At(const std::vector<ContourPoint>& p, const std::vector<double>& arc, double s) {
  const auto after = std::upper_bound(arc.begin(), arc.end(), s);
  const std::size_t i = std::clamp<std::size_t>(static_cast<std::size_t>(after - arc.begin()), 1, p.size() - 1);
  const double span = arc[i] - arc[i - 1];
  const double t = span > 0 ? (s - arc[i - 1]) / span : 0.0;
  return {p[i - 1].x + t * (p[i].x - p[i - 1].x), p[i - 1].y + t * (p[i].y - p[i - 1].y)};
}

// The chord of the line between arc positions a and b, and whether the line
// keeps within tolerance of it.
Stretch StretchOf(const std::vector<ContourPoint>& p, const std::vector<double>& arc, double a, double b,
                  double tolerance) {
  Stretch out{At(p, arc, a), At(p, arc, b)};
  const double dx = out.to.x - out.from.x, dy = out.to.y - out.from.y;
  const double length = std::hypot(dx, dy);
  // A line folding back on itself can stay near a short chord: the chord must
  // be nearly as long as the line it stands for.
  if (length < kMinChordRatio * (b - a)) return out;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (arc[i] <= a || arc[i] >= b) continue;
    const double off = std::fabs((p[i].x - out.from.x) * dy - (p[i].y - out.from.y) * dx) / length;
    if (off > tolerance) return out;
  }
  out.straight = true;
  return out;
}

bool Separated(const std::vector<ContourPoint>& a, const std::vector<ContourPoint>& b) {
  // Two convex boxes are apart when one of their edges' normals separates them.
  for (const auto* box : {&a, &b}) {
    for (std::size_t i = 0; i < box->size(); ++i) {
      const ContourPoint& p = (*box)[i];
      const ContourPoint& q = (*box)[(i + 1) % box->size()];
      const double nx = q.y - p.y, ny = p.x - q.x;
      auto range = [&](const std::vector<ContourPoint>& c) {
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (const ContourPoint& v : c) {
          lo = std::min(lo, v.x * nx + v.y * ny);
          hi = std::max(hi, v.x * nx + v.y * ny);
        }
        return std::pair{lo, hi};
      };
      const auto [aLo, aHi] = range(a);
      const auto [bLo, bHi] = range(b);
      if (aHi < bLo || bHi < aLo) return true;
    }
  }
  return false;
}

bool InsideMap(const std::vector<ContourPoint>& box) {
  return std::all_of(box.begin(), box.end(),
                     [](const ContourPoint& c) { return c.x >= 0 && c.x <= kMapSize && c.y >= 0 && c.y <= kMapSize; });
}

// Places the labels of one line into placed.
void LabelLine(const ContourLine& line, const MapLevel& level, ContourPoint size, std::vector<PlacedLabel>& placed,
               std::vector<std::vector<ContourPoint>>& boxes) {
  std::vector<ContourPoint> p = line.points;
  if (line.closed && !p.empty()) p.push_back(p.front());
  if (p.size() < 2) return;
  std::vector<double> arc(p.size(), 0.0);
  for (std::size_t i = 1; i < p.size(); ++i) arc[i] = arc[i - 1] + std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
  const double width = size.x + 2 * kPadding * size.y;
  const double height = size.y * (1 + 2 * kPadding);
  const double step = std::max(width / 4, 1.0);
  for (double s = width / 2; s + width / 2 <= arc.back(); s += step) {
    const Stretch stretch = StretchOf(p, arc, s - width / 2, s + width / 2, size.y / 4);
    if (!stretch.straight) continue;
    double angle = std::atan2(stretch.to.y - stretch.from.y, stretch.to.x - stretch.from.x) * 180 / std::numbers::pi;
    if (angle > 90) angle -= 180;
    if (angle <= -90) angle += 180;
    const PlacedLabel label{
        level.index, level.text, {(stretch.from.x + stretch.to.x) / 2, (stretch.from.y + stretch.to.y) / 2},
        angle,       width,      height};
    std::vector<ContourPoint> box = LabelCorners(label);
    if (!InsideMap(box)) continue;
    if (!std::all_of(boxes.begin(), boxes.end(), [&](const auto& other) { return Separated(box, other); })) continue;
    placed.push_back(label);
    boxes.push_back(std::move(box));
    s += kLabelGap - step;
  }
}

}  // namespace

std::int32_t LabelEvery(std::int32_t every, std::int32_t lineCount) {
  if (every >= 1) return every;
  return std::max<std::int32_t>(1, (lineCount + kMaxLabelledLevels - 1) / kMaxLabelledLevels);
}

std::vector<ContourPoint> LabelCorners(const PlacedLabel& label) {
  const double a = label.angle * std::numbers::pi / 180;
  const ContourPoint u{std::cos(a) * label.width / 2, std::sin(a) * label.width / 2};
  const ContourPoint v{-std::sin(a) * label.height / 2, std::cos(a) * label.height / 2};
  const ContourPoint c = label.centre;
  return {{c.x - u.x - v.x, c.y - u.y - v.y},
          {c.x + u.x - v.x, c.y + u.y - v.y},
          {c.x + u.x + v.x, c.y + u.y + v.y},
          {c.x - u.x + v.x, c.y - u.y + v.y}};
}

std::vector<PlacedLabel> PlaceLabels(const std::vector<MapLevel>& levels, std::int32_t every,
                                     const MeasureText& measure) {
  std::vector<PlacedLabel> placed;
  std::vector<std::vector<ContourPoint>> boxes;
  for (const MapLevel& level : levels) {
    if (every < 1 || level.index % every != 0) continue;
    const ContourPoint size = measure(level.text);
    for (const ContourLine& line : level.lines) LabelLine(line, level, size, placed, boxes);
  }
  return placed;
}

}  // namespace plotvane

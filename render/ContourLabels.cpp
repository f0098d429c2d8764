// Drawing the contour labels. See ContourLabels.h.

#include "render/ContourLabels.h"

#include <cmath>
#include <numbers>

#include "levels/BoundaryLines.h"
#include "levels/EveryNthLevel.h"
#include "levels/LabelPlacement.h"
#include "levels/LevelSegments.h"
#include "levels/PolylineJoin.h"
#include "render/ContourMesh.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

int Round(double v) { return RoundHalfEven(v).value_or(0); }

gdi::HFONT LabelFont(int escapement) {
  return gdi::CreateFontA(kLabelFontHeight, 0, escapement, escapement, gdi::FW_DONTCARE, false, false, false,
                          gdi::DEFAULT_CHARSET, 0, 0, 0, 0, gdi::kPageFontFace);
}

// The value as the colour scale writes Z1 and Z2: 7 significant digits.
std::string LevelText(double value) {
  const auto single = ToSingle(value);
  return single ? SingleText(*single) : NumberText(value);
}

// The levels with their lines in map units under the settings' window.
std::vector<MapLevel> MapLevels(const Document& doc, const DrawParameters& parameters) {
  const auto [x1, x2, y1, y2] = parameters.window;
  std::vector<MapLevel> levels;
  const ContourMesh mesh(doc, parameters);
  std::vector<ContourLevel> joined = JoinLevelSegments(mesh, CollectLevelSegments(mesh));
  // Only what the boundary leaves on the page carries labels.
  if (doc.mesh.boundary) ClipLevelsToBoundary(joined, DataBoundary(*doc.mesh.boundary, doc.range));
  for (ContourLevel& level : joined) {
    for (ContourLine& line : level.lines) {
      for (ContourPoint& p : line.points) p = {10000 * (p.x - x1) / (x2 - x1), 10000 * (p.y - y1) / (y2 - y1)};
    }
    // Chosen levels are written as chosen; even steps as the mesh computes them.
    const bool chosen = !parameters.levelValues.empty();
    const double value = chosen ? parameters.levelValues[static_cast<std::size_t>(level.index)] : level.value;
    levels.push_back({level.index, LevelText(value), std::move(level.lines)});
  }
  return levels;
}

// The levels that carry labels with the places PlaceLabels finds on them:
// the index contours when there are any, every m-th level from the base's
// multiples for a chosen m, else every m-th from Z1 with m chosen here.
std::vector<PlacedLabel> PlaceLabels(const std::vector<MapLevel>& levels, const DrawParameters& parameters,
                                     const LabelOptions& options, std::int32_t lineCount, const MeasureText& measure) {
  const std::int32_t every = options.indexEvery > 0 ? options.indexEvery : options.every;
  if (every < 1) return PlaceLabels(levels, LabelEvery(0, lineCount), measure);
  const std::vector<bool> taken = PageEveryNthLevel(parameters, options.base, every);
  std::vector<MapLevel> labelled;
  for (const MapLevel& level : levels) {
    const auto k = static_cast<std::size_t>(level.index);
    if (level.index >= 0 && k < taken.size() && taken[k]) labelled.push_back(level);
  }
  return PlaceLabels(labelled, 1, measure);
}

}  // namespace

std::vector<gdi::RECT> DrawContourLabels(gdi::DeviceContext& map, const Document& doc, const DrawParameters& parameters,
                                         const LabelOptions& options) {
  const std::vector<MapLevel> levels = MapLevels(doc, parameters);
  const std::int32_t lineCount = levels.empty() ? 0 : levels.back().index + 1;
  const gdi::HFONT upright = LabelFont(0);
  gdi::HGDIOBJ previous = map.SelectObject(upright);
  const auto measure = [&map](const std::string& text) {
    gdi::SIZE size;
    map.GetTextExtentPoint32A(text, &size);
    return ContourPoint{static_cast<double>(size.cx), static_cast<double>(size.cy)};
  };
  const std::vector<PlacedLabel> labels = PlaceLabels(levels, parameters, options, lineCount, measure);
  std::vector<gdi::RECT> boxes;
  for (const PlacedLabel& label : labels) {
    const ContourPoint size = measure(label.text);
    const int escapement = Round(label.angle * 10);
    const double a = escapement / 10.0 * std::numbers::pi / 180;
    // TextOutA places the top-left corner of the text and turns about it.
    const double x = label.centre.x - std::cos(a) * size.x / 2 - std::sin(a) * size.y / 2;
    const double y = label.centre.y - std::sin(a) * size.x / 2 + std::cos(a) * size.y / 2;
    const gdi::HFONT font = LabelFont(escapement);
    map.SelectObject(font);
    map.TextOutA(Round(x), Round(y), label.text);
    const double halfWidth = (std::abs(std::cos(a)) * size.x + std::abs(std::sin(a)) * size.y) / 2;
    const double halfHeight = (std::abs(std::sin(a)) * size.x + std::abs(std::cos(a)) * size.y) / 2;
    boxes.push_back(gdi::RECT{Round(label.centre.x - halfWidth), Round(label.centre.y + halfHeight),
                              Round(label.centre.x + halfWidth), Round(label.centre.y - halfHeight)});
    map.SelectObject(upright);
    gdi::DeleteObject(font);
  }
  map.SelectObject(previous);
  gdi::DeleteObject(upright);
  return boxes;
}

}  // namespace plotvane

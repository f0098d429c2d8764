// The DXF writer. See DxfWriter.h.

#include "contours/DxfWriter.h"

#include <algorithm>

#include "contours/ChunkedText.h"
#include "contours/DxfGroups.h"

namespace plotvane {
namespace {

constexpr int kClosed = 1;

// Index contours on layers of their own, so that CAD can weigh or hide them together.
std::string LayerName(const ContourLevel& level) {
  return (level.indexLine.value_or(false) ? "INDEX_" : "CONTOUR_") + ExactText(level.value);
}

DxfExtents ExtentsOf(const ContourSet& contours) {
  DxfExtents e;
  for (const ContourLevel& level : contours.levels) {
    for (const ContourLine& line : level.lines) {
      for (const ContourPoint& p : line.points) e.add({p.x, p.y, level.value});
    }
  }
  return e;
}

// The layer's colour: the colour index's hue wheel from blue (170) for the
// lowest level written to red (10) for the highest, as the page's own ramp
// runs.
int LevelColour(std::int32_t index, std::int32_t lowest, std::int32_t highest) {
  const std::int32_t span = highest - lowest;
  const std::int32_t step = span > 0 ? (16 * (index - lowest) + span / 2) / span : 0;
  return 170 - 10 * step;
}

void AppendLine(ChunkedText& out, DxfDrawing& drawing, const std::string& layer, double z, const ContourLine& line) {
  std::string& text = out.text();
  drawing.beginEntity(text, "LWPOLYLINE", layer, "AcDbPolyline");
  DxfGroup(text, 90, std::to_string(line.points.size()));
  DxfGroup(text, 70, std::to_string(line.closed ? kClosed : 0));
  DxfGroup(text, 38, z);
  for (const ContourPoint& p : line.points) {
    DxfGroup(text, 10, p.x);
    DxfGroup(text, 20, p.y);
    out.spill();
  }
}

}  // namespace

void WriteDxf(const ContourSet& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  std::int32_t lowest = contours.levels.empty() ? 0 : contours.levels.front().index, highest = lowest;
  std::uint64_t lines = 0;
  for (const ContourLevel& level : contours.levels) {
    lowest = std::min(lowest, level.index);
    highest = std::max(highest, level.index);
    lines += level.lines.size();
  }
  std::vector<DxfLayer> layers;
  for (const ContourLevel& level : contours.levels) {
    // Index contours twice as heavy, 0.50 mm against 0.25 mm.
    const int weight = level.indexLine.value_or(false) ? 50 : 25;
    layers.push_back({LayerName(level), LevelColour(level.index, lowest, highest), weight});
  }
  DxfDrawing drawing(out.text(), ExtentsOf(contours), layers, lines);
  for (const ContourLevel& level : contours.levels) {
    const std::string layer = LayerName(level);
    for (const ContourLine& line : level.lines) AppendLine(out, drawing, layer, level.value, line);
  }
  drawing.finish(out.text());
}

}  // namespace plotvane

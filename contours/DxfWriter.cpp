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

// What the header says before the first entity, gathered in a first walk
// of the levels that keeps none of their lines.
struct DrawingSummary {
  DxfExtents extents;
  std::vector<DxfLayer> layers;       // colours still to be given
  std::vector<std::int32_t> indices;  // each layer's k
  std::uint64_t lines = 0;
};

DrawingSummary Summarise(const ContourFeed& contours) {
  DrawingSummary summary;
  contours.eachLevel([&](const ContourLevel& level) {
    for (const ContourLine& line : level.lines) {
      for (const ContourPoint& p : line.points) summary.extents.add({p.x, p.y, level.value});
    }
    // Index contours twice as heavy, 0.50 mm against 0.25 mm.
    summary.layers.push_back({LayerName(level), 0, level.indexLine.value_or(false) ? 50 : 25});
    summary.indices.push_back(level.index);
    summary.lines += level.lines.size();
    return true;
  });
  return summary;
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

void WriteDxf(const ContourFeed& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  DrawingSummary summary = Summarise(contours);
  std::int32_t lowest = summary.indices.empty() ? 0 : summary.indices.front(), highest = lowest;
  for (const std::int32_t index : summary.indices) {
    lowest = std::min(lowest, index);
    highest = std::max(highest, index);
  }
  for (std::size_t i = 0; i < summary.layers.size(); ++i) {
    summary.layers[i].colour = LevelColour(summary.indices[i], lowest, highest);
  }
  DxfDrawing drawing(out.text(), summary.extents, summary.layers, summary.lines);
  contours.eachLevel([&](const ContourLevel& level) {
    const std::string layer = LayerName(level);
    for (const ContourLine& line : level.lines) AppendLine(out, drawing, layer, level.value, line);
    return true;
  });
  drawing.finish(out.text());
}

}  // namespace plotvane

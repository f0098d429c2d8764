// The DXF writer. See DxfWriter.h.

#include "contours/DxfWriter.h"

#include "contours/ChunkedText.h"
#include "contours/DxfGroups.h"

namespace plotvane {
namespace {

constexpr int kPolyline3d = 8;
constexpr int kClosed = 1;
constexpr int kVertex3d = 32;

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

void AppendLine(ChunkedText& out, const std::string& layer, double z, const ContourLine& line) {
  std::string& text = out.text();
  DxfGroup(text, 0, "POLYLINE");
  DxfGroup(text, 8, layer);
  DxfGroup(text, 66, "1");
  DxfGroup(text, 10, 0.0);
  DxfGroup(text, 20, 0.0);
  DxfGroup(text, 30, z);
  DxfGroup(text, 70, std::to_string(kPolyline3d | (line.closed ? kClosed : 0)));
  const std::string zText = ExactText(z);
  for (const ContourPoint& p : line.points) {
    DxfGroup(text, 0, "VERTEX");
    DxfGroup(text, 8, layer);
    DxfGroup(text, 10, p.x);
    DxfGroup(text, 20, p.y);
    DxfGroup(text, 30, zText);
    DxfGroup(text, 70, std::to_string(kVertex3d));
    out.spill();
  }
  DxfGroup(text, 0, "SEQEND");
  DxfGroup(text, 8, layer);
}

}  // namespace

void WriteDxf(const ContourSet& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  AppendDxfHeader(out.text(), ExtentsOf(contours));
  std::vector<std::string> layers;
  for (const ContourLevel& level : contours.levels) layers.push_back(LayerName(level));
  AppendDxfTables(out.text(), layers);
  DxfGroup(out.text(), 0, "SECTION");
  DxfGroup(out.text(), 2, "ENTITIES");
  for (const ContourLevel& level : contours.levels) {
    const std::string layer = LayerName(level);
    for (const ContourLine& line : level.lines) AppendLine(out, layer, level.value, line);
  }
  DxfGroup(out.text(), 0, "ENDSEC");
  DxfGroup(out.text(), 0, "EOF");
}

}  // namespace plotvane

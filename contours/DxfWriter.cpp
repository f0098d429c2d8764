// The DXF writer. See DxfWriter.h.

#include "contours/DxfWriter.h"

#include <algorithm>
#include <cstdio>

#include "contours/ChunkedText.h"
#include "contours/ExactNumber.h"

namespace plotvane {
namespace {

constexpr int kPolyline3d = 8;
constexpr int kClosed = 1;
constexpr int kVertex3d = 32;

void Group(std::string& text, int code, std::string_view value) {
  char head[8];
  std::snprintf(head, sizeof head, "%3d\r\n", code);
  text += head;
  text += value;
  text += "\r\n";
}

void Group(std::string& text, int code, double value) { Group(text, code, ExactText(value)); }

std::string LayerName(const ContourLevel& level) { return "CONTOUR_" + ExactText(level.value); }

struct Extents {
  double min[3] = {0, 0, 0};
  double max[3] = {0, 0, 0};
};

Extents ExtentsOf(const ContourSet& contours) {
  Extents e;
  bool any = false;
  for (const ContourLevel& level : contours.levels) {
    for (const ContourLine& line : level.lines) {
      for (const ContourPoint& p : line.points) {
        const double v[3] = {p.x, p.y, level.value};
        for (int i = 0; i < 3; ++i) {
          e.min[i] = any ? std::min(e.min[i], v[i]) : v[i];
          e.max[i] = any ? std::max(e.max[i], v[i]) : v[i];
        }
        any = true;
      }
    }
  }
  return e;
}

void AppendHeader(std::string& text, const ContourSet& contours) {
  const Extents e = ExtentsOf(contours);
  Group(text, 0, "SECTION");
  Group(text, 2, "HEADER");
  Group(text, 9, "$ACADVER");
  Group(text, 1, "AC1009");
  Group(text, 9, "$EXTMIN");
  for (int i = 0; i < 3; ++i) Group(text, 10 * (i + 1), e.min[i]);
  Group(text, 9, "$EXTMAX");
  for (int i = 0; i < 3; ++i) Group(text, 10 * (i + 1), e.max[i]);
  Group(text, 0, "ENDSEC");
}

void AppendTables(std::string& text, const ContourSet& contours) {
  Group(text, 0, "SECTION");
  Group(text, 2, "TABLES");
  Group(text, 0, "TABLE");
  Group(text, 2, "LTYPE");
  Group(text, 70, "1");
  Group(text, 0, "LTYPE");
  Group(text, 2, "CONTINUOUS");
  Group(text, 70, "0");
  Group(text, 3, "Solid line");
  Group(text, 72, "65");
  Group(text, 73, "0");
  Group(text, 40, "0.0");
  Group(text, 0, "ENDTAB");
  Group(text, 0, "TABLE");
  Group(text, 2, "LAYER");
  Group(text, 70, std::to_string(contours.levels.size()));
  for (const ContourLevel& level : contours.levels) {
    Group(text, 0, "LAYER");
    Group(text, 2, LayerName(level));
    Group(text, 70, "0");
    Group(text, 62, "7");
    Group(text, 6, "CONTINUOUS");
  }
  Group(text, 0, "ENDTAB");
  Group(text, 0, "ENDSEC");
}

void AppendLine(ChunkedText& out, const std::string& layer, double z, const ContourLine& line) {
  std::string& text = out.text();
  Group(text, 0, "POLYLINE");
  Group(text, 8, layer);
  Group(text, 66, "1");
  Group(text, 10, 0.0);
  Group(text, 20, 0.0);
  Group(text, 30, z);
  Group(text, 70, std::to_string(kPolyline3d | (line.closed ? kClosed : 0)));
  const std::string zText = ExactText(z);
  for (const ContourPoint& p : line.points) {
    Group(text, 0, "VERTEX");
    Group(text, 8, layer);
    Group(text, 10, p.x);
    Group(text, 20, p.y);
    Group(text, 30, zText);
    Group(text, 70, std::to_string(kVertex3d));
    out.spill();
  }
  Group(text, 0, "SEQEND");
  Group(text, 8, layer);
}

}  // namespace

void WriteDxf(const ContourSet& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  AppendHeader(out.text(), contours);
  AppendTables(out.text(), contours);
  Group(out.text(), 0, "SECTION");
  Group(out.text(), 2, "ENTITIES");
  for (const ContourLevel& level : contours.levels) {
    const std::string layer = LayerName(level);
    for (const ContourLine& line : level.lines) AppendLine(out, layer, level.value, line);
  }
  Group(out.text(), 0, "ENDSEC");
  Group(out.text(), 0, "EOF");
}

}  // namespace plotvane

// The GeoJSON writer. See GeoJsonWriter.h.

#include "contours/GeoJsonWriter.h"

#include <cmath>

#include "contours/ChunkedText.h"
#include "contours/ExactNumber.h"

namespace plotvane {
namespace {

// JSON has no infinities; a value beyond double (a level of absurd settings)
// is written as null.
void AppendNumber(std::string& text, double v) {
  if (std::isfinite(v)) {
    AppendExact(text, v);
  } else {
    text += "null";
  }
}

// [[x,y],...], the first point repeated when closed.
void AppendPoints(ChunkedText& out, const std::vector<ContourPoint>& points, bool closed) {
  std::string& text = out.text();
  text += '[';
  for (std::size_t i = 0; i <= points.size(); ++i) {
    if (i == points.size() && !closed) break;
    const ContourPoint& p = points[i % points.size()];
    if (i > 0) text += ',';
    text += '[';
    AppendExact(text, p.x);
    text += ',';
    AppendExact(text, p.y);
    text += ']';
    out.spill();
  }
  text += ']';
}

void AppendLevel(ChunkedText& out, const ContourLevel& level) {
  std::string& text = out.text();
  text += R"({"type":"Feature","properties":{"level":)";
  AppendNumber(text, level.value);
  text += R"(,"index":)" + std::to_string(level.index) + R"(},"geometry":{"type":)";
  const bool single = level.lines.size() == 1;
  text += single ? R"("LineString","coordinates":)" : R"("MultiLineString","coordinates":[)";
  for (std::size_t i = 0; i < level.lines.size(); ++i) {
    if (i > 0) out.text() += ',';
    AppendPoints(out, level.lines[i].points, level.lines[i].closed);
  }
  out.text() += single ? "}}" : "]}}";
}

void AppendPolygon(ChunkedText& out, const BandPolygon& polygon) {
  out.text() += '[';
  AppendPoints(out, polygon.outer, true);
  for (const ContourRing& hole : polygon.holes) {
    out.text() += ',';
    AppendPoints(out, hole, true);
  }
  out.text() += ']';
}

void AppendBand(ChunkedText& out, const ContourBand& band) {
  std::string& text = out.text();
  text += R"({"type":"Feature","properties":{"lower":)";
  AppendNumber(text, band.lower);
  text += R"(,"upper":)";
  AppendNumber(text, band.upper);
  text += R"(,"index":)" + std::to_string(band.index) + R"(},"geometry":{"type":)";
  const bool single = band.polygons.size() == 1;
  text += single ? R"("Polygon","coordinates":)" : R"("MultiPolygon","coordinates":[)";
  for (std::size_t i = 0; i < band.polygons.size(); ++i) {
    if (i > 0) out.text() += ',';
    AppendPolygon(out, band.polygons[i]);
  }
  out.text() += single ? "}}" : "]}}";
}

}  // namespace

void WriteGeoJson(const ContourSet& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  out.text() += "{\"type\":\"FeatureCollection\",\"features\":[\r\n";
  bool first = true;
  auto separate = [&] {
    if (!first) out.text() += ",\r\n";
    first = false;
  };
  for (const ContourLevel& level : contours.levels) {
    separate();
    AppendLevel(out, level);
  }
  for (const ContourBand& band : contours.bands) {
    separate();
    AppendBand(out, band);
  }
  out.text() += "\r\n]}\r\n";
}

}  // namespace plotvane

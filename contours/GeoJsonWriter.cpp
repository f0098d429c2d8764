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
    AppendExactPair(text, p.x, p.y);
    text += ']';
    out.spill();
  }
  text += ']';
}

// "geometry":{...}}: the single type for one part, the multi type otherwise;
// part(i) appends the coordinates of part i.
template <typename Part>
void AppendGeometry(ChunkedText& out, std::size_t parts, const char* single, const char* multi, Part&& part) {
  out.text() += std::string(R"("geometry":{"type":")") + (parts == 1 ? single : multi) + R"(","coordinates":)";
  if (parts != 1) out.text() += '[';
  for (std::size_t i = 0; i < parts; ++i) {
    if (i > 0) out.text() += ',';
    part(i);
  }
  out.text() += parts == 1 ? "}}" : "]}}";
}

void AppendLevel(ChunkedText& out, const ContourLevel& level) {
  std::string& text = out.text();
  text += R"({"type":"Feature","properties":{"level":)";
  AppendNumber(text, level.value);
  text += R"(,"index":)" + std::to_string(level.index);
  // "index" has long been the level's number k, so the mark has a name of its own.
  if (level.indexLine) text += *level.indexLine ? R"(,"index_line":true)" : R"(,"index_line":false)";
  text += "},";
  AppendGeometry(out, level.lines.size(), "LineString", "MultiLineString",
                 [&](std::size_t i) { AppendPoints(out, level.lines[i].points, level.lines[i].closed); });
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

// "#rrggbb", as web and GIS styles write colours.
std::string HexColour(std::uint32_t rgb) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[(rgb >> shift) & 0xF];
  return text;
}

void AppendBand(ChunkedText& out, const ContourBand& band) {
  std::string& text = out.text();
  text += R"({"type":"Feature","properties":{"lower":)";
  AppendNumber(text, band.lower);
  text += R"(,"upper":)";
  AppendNumber(text, band.upper);
  text += R"(,"band":)" + std::to_string(band.index);
  if (band.colour) text += R"(,"colour":")" + HexColour(*band.colour) + '"';
  text += "},";
  AppendGeometry(out, band.polygons.size(), "Polygon", "MultiPolygon",
                 [&](std::size_t i) { AppendPolygon(out, band.polygons[i]); });
}

}  // namespace

void WriteGeoJson(const ContourFeed& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  out.text() += "{\"type\":\"FeatureCollection\",\"features\":[\r\n";
  bool first = true;
  auto separate = [&] {
    if (!first) out.text() += ",\r\n";
    first = false;
  };
  contours.eachLevel([&](const ContourLevel& level) {
    separate();
    AppendLevel(out, level);
    return true;
  });
  contours.eachBand([&](const ContourBand& band) {
    separate();
    AppendBand(out, band);
    return true;
  });
  out.text() += "\r\n]}\r\n";
}

}  // namespace plotvane

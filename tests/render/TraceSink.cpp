// The tracing playback output. See TraceSink.h.

#include "TraceSink.h"

#include <cstdio>

namespace plotvane::test {
namespace {

std::string Fixed(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", v + 0.0);  // + 0.0 turns -0 into 0
  return buffer;
}

std::string Point(gdi::PointF p) { return "(" + Fixed(p.x) + "," + Fixed(p.y) + ")"; }

std::string Hex(std::uint64_t v, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llx", digits, static_cast<unsigned long long>(v));
  return buffer;
}

std::string Points(const char* name, std::span<const gdi::PointF> points) {
  std::string line = name;
  for (const gdi::PointF& p : points) line += " " + Point(p);
  return line;
}

}  // namespace

void TraceSink::setPen(const gdi::LOGPEN& pen, double width) {
  lastPenWidth = width;
  lines.push_back(std::string("pen ") + (pen.style == gdi::PenStyle::PS_NULL ? "null " : "solid ") + Fixed(width) +
                  " " + Hex(pen.colour, 6));
}

void TraceSink::setBrush(const gdi::LOGBRUSH& brush) {
  if (brush.style == gdi::BrushStyle::BS_SOLID) {
    lines.push_back("brush solid " + Hex(brush.colour, 6));
    return;
  }
  std::string bits;
  for (const std::uint8_t row : brush.pattern) bits += Hex(row, 2);
  lines.push_back("brush pattern " + bits);
}

void TraceSink::setFont(const gdi::LOGFONT& font, double height) {
  lastFontHeight = height;
  lines.push_back("font " + Fixed(height) + " esc " + std::to_string(font.escapement) + " " + font.faceName);
}

void TraceSink::polygon(std::span<const gdi::PointF> points) {
  polygons.emplace_back(points.begin(), points.end());
  lines.push_back(Points("polygon", points));
}

void TraceSink::clip(std::span<const gdi::PointF> polygon) { lines.push_back(Points("clip", polygon)); }

void TraceSink::polyline(std::span<const gdi::PointF> points) { lines.push_back(Points("polyline", points)); }

void TraceSink::line(gdi::PointF from, gdi::PointF to) { lines.push_back("line " + Point(from) + " " + Point(to)); }

void TraceSink::text(const gdi::TextRun& run) {
  runs.push_back(run);
  const char* align = run.align == gdi::TextAlign::Centre  ? "centre"
                      : run.align == gdi::TextAlign::Right ? "right"
                                                           : "left";
  std::string line = std::string("text ") + align + " " + Point(run.anchor);
  if (run.clipped) {
    line += " clip (" + Fixed(run.clip.left) + "," + Fixed(run.clip.top) + "," + Fixed(run.clip.right) + "," +
            Fixed(run.clip.bottom) + ")";
  }
  lines.push_back(line + " " + std::string(run.text));
}

std::vector<std::string> TraceSink::linesStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  }
  return found;
}

TraceSink TraceInFrameSpace(const gdi::EnhMetaFile& picture) {
  TraceSink sink;
  const gdi::RECT& f = picture.frame();
  gdi::PlayPicture(picture, gdi::RectF{double(f.left), double(f.top), double(f.right), double(f.bottom)}, sink);
  return sink;
}

}  // namespace plotvane::test

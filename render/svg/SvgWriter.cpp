// The SVG writer: a playback output that writes elements. See SvgWriter.h.

#include "render/svg/SvgWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "render/gdi/Playback.h"
#include "render/svg/PolygonShape.h"
#include "render/svg/SvgPathData.h"
#include "render/svg/SvgText.h"

namespace plotvane::svg {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kPixelsPerInch = 96.0;
constexpr std::size_t kChunk = 1 << 16;

using gdi::PointF;

class SvgSink final : public gdi::PlaybackSink {
 public:
  SvgSink(const SvgFonts& fonts, const ByteOutput& output) : m_fonts(fonts), m_output(output), m_path(m_out) {}

  void setPen(const gdi::LOGPEN& pen, double width) override {
    if (pen == m_pen && width == m_penWidth) return;
    m_pen = pen;
    m_penWidth = width;
    ++m_style;
  }
  void setBrush(const gdi::LOGBRUSH& brush) override {
    if (brush == m_brush) return;
    m_brush = brush;
    ++m_style;
  }
  void setFont(const gdi::LOGFONT& font, double height) override {
    m_font = font;
    m_fontHeight = height;
  }
  void polygon(std::span<const PointF> points) override;
  void polyline(std::span<const PointF> points) override;
  void line(PointF from, PointF to) override;
  void text(const gdi::TextRun& run) override;
  void clip(std::span<const PointF> polygon) override;

  void write(std::string_view text) {
    m_out += text;
    if (m_out.size() >= kChunk) flush();
  }
  // Ends any open path, writes the tail and hands over what is buffered.
  void finish(std::string_view tail) {
    endPath();
    if (m_inClip) write("</g>");
    write(tail);
    flush();
  }

 private:
  enum class PathKind { None, Fill, Stroke };

  bool hasPen() const { return m_pen.style != gdi::PenStyle::PS_NULL; }
  void flush() {
    if (m_out.empty()) return;
    m_output(m_out);
    m_out.clear();
  }
  void beginPath(PathKind kind, bool evenOdd);
  void endPath();
  void appendFill();
  void appendStroke();
  void definePattern(const gdi::MonoPattern& pattern, std::uint64_t key);
  void toFixed(std::span<const PointF> points);

  const SvgFonts& m_fonts;
  const ByteOutput& m_output;
  std::string m_out;
  PathData m_path;
  gdi::LOGPEN m_pen;
  double m_penWidth = 0.0;
  gdi::LOGBRUSH m_brush;
  gdi::LOGFONT m_font;
  double m_fontHeight = 0.0;
  std::uint64_t m_style = 1;  // changes with every new pen or brush
  std::uint64_t m_pathStyle = 0;
  PathKind m_pathKind = PathKind::None;
  std::map<std::uint64_t, int> m_patterns;  // pattern bits -> id number
  int m_clips = 0;
  bool m_inClip = false;  // a group clipped by clip() is open
  std::vector<FixedPoint> m_points;
};

void SvgSink::toFixed(std::span<const PointF> points) {
  m_points.clear();
  for (const PointF& p : points) m_points.push_back(ToFixed(p.x, p.y));
}

void SvgSink::definePattern(const gdi::MonoPattern& pattern, std::uint64_t key) {
  const int id = static_cast<int>(m_patterns.size());
  m_patterns.emplace(key, id);
  write("<pattern id=\"p" + std::to_string(id) +
        "\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
        "<rect width=\"8\" height=\"8\" fill=\"#fff\"/><path shape-rendering=\"crispEdges\" d=\"");
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      if ((pattern[static_cast<std::size_t>(row)] >> (7 - column) & 1) == 0) continue;
      const char cell[] = {
          'M', static_cast<char>('0' + column), ' ', static_cast<char>('0' + row), 'h', '1', 'v', '1', 'h', '-', '1',
          'z'};
      write(std::string_view(cell, sizeof cell));
    }
  }
  write("\"/></pattern>\n");
}

void SvgSink::appendFill() {
  m_out += " fill=\"";
  if (m_brush.style == gdi::BrushStyle::BS_PATTERN) {
    std::uint64_t key = 0;
    for (const std::uint8_t row : m_brush.pattern) key = (key << 8) | row;
    m_out += "url(#p" + std::to_string(m_patterns.at(key)) + ")";
  } else {
    AppendColour(m_out, m_brush.colour);
  }
  m_out += '"';
}

void SvgSink::appendStroke() {
  if (!hasPen()) return;
  m_out += " stroke=\"";
  AppendColour(m_out, m_pen.colour);
  m_out += "\" stroke-width=\"";
  if (m_pen.width == 0) {
    m_out += "1\" vector-effect=\"non-scaling-stroke\"";
  } else {
    AppendNumber(m_out, m_penWidth);
    m_out += '"';
  }
}

void SvgSink::beginPath(PathKind kind, bool evenOdd) {
  endPath();
  if (kind == PathKind::Fill && m_brush.style == gdi::BrushStyle::BS_PATTERN) {
    std::uint64_t key = 0;
    for (const std::uint8_t row : m_brush.pattern) key = (key << 8) | row;
    if (!m_patterns.contains(key)) definePattern(m_brush.pattern, key);
  }
  m_out += "<path";
  if (kind == PathKind::Fill) {
    appendFill();
    if (evenOdd) m_out += " fill-rule=\"evenodd\"";
  } else {
    m_out += " fill=\"none\"";
  }
  appendStroke();
  m_out += " d=\"";
  m_path.reset();
  m_pathKind = kind;
  m_pathStyle = m_style;
}

void SvgSink::endPath() {
  if (m_pathKind == PathKind::None) return;
  write("\"/>\n");
  m_pathKind = PathKind::None;
}

void SvgSink::polygon(std::span<const PointF> points) {
  if (points.empty()) return;
  toFixed(points);
  // The outline of a merged path is drawn over all its fills at once, which
  // only matches drawing the pieces one by one when it is invisible on them.
  const bool outlineHidden =
      !hasPen() || (m_brush.style == gdi::BrushStyle::BS_SOLID && m_pen.colour == m_brush.colour);
  const bool mergeable = outlineHidden && IsSimpleConvex(m_points);
  if (!mergeable) {
    beginPath(PathKind::Fill, true);
  } else if (m_pathKind != PathKind::Fill || m_pathStyle != m_style) {
    beginPath(PathKind::Fill, false);
  }
  const bool reverse = mergeable && DoubleArea(m_points) < 0;
  m_path.moveTo(reverse ? m_points.back() : m_points.front());
  for (std::size_t i = 1; i < m_points.size(); ++i) m_path.lineTo(m_points[reverse ? m_points.size() - 1 - i : i]);
  m_path.close();
  if (m_out.size() >= kChunk) flush();
  if (!mergeable) endPath();
}

void SvgSink::polyline(std::span<const PointF> points) {
  if (points.size() < 2 || !hasPen()) return;
  if (m_pathKind != PathKind::Stroke || m_pathStyle != m_style) beginPath(PathKind::Stroke, false);
  toFixed(points);
  if (!m_path.continuesAt(m_points.front())) m_path.moveTo(m_points.front());
  for (std::size_t i = 1; i < m_points.size(); ++i) m_path.lineTo(m_points[i]);
  if (m_out.size() >= kChunk) flush();
}

void SvgSink::line(PointF from, PointF to) {
  const PointF points[] = {from, to};
  polyline(points);
}

// The clip is a group whose clip path is the polygon by the even-odd rule;
// a new clip or its end closes the group.
void SvgSink::clip(std::span<const PointF> polygon) {
  endPath();
  if (m_inClip) write("</g>");
  m_inClip = !polygon.empty();
  if (!m_inClip) return;
  const std::string id = "c" + std::to_string(m_clips++);
  std::string& o = m_out;
  o += "<clipPath id=\"" + id + "\"><path clip-rule=\"evenodd\" d=\"";
  toFixed(polygon);
  m_path.reset();
  m_path.moveTo(m_points.front());
  for (std::size_t i = 1; i < m_points.size(); ++i) m_path.lineTo(m_points[i]);
  m_path.close();
  o += "\"/></clipPath><g clip-path=\"url(#" + id + ")\">";
  write({});
}

void SvgSink::text(const gdi::TextRun& run) {
  endPath();
  const SvgFont font = m_fonts.font(m_font, m_fontHeight);
  const double width = m_fonts.width(m_font, m_fontHeight, run.text);
  const double x = run.align == gdi::TextAlign::Centre ? -width / 2 : run.align == gdi::TextAlign::Right ? -width : 0.0;
  std::string& o = m_out;
  if (run.clipped) {
    std::string id = "c";
    id += std::to_string(m_clips++);
    o += "<clipPath id=\"";
    o += id;
    o += "\"><rect x=\"";
    AppendFixed(o, ToFixed(run.clip.left));
    o += "\" y=\"";
    AppendFixed(o, ToFixed(run.clip.top));
    o += "\" width=\"";
    AppendFixed(o, ToFixed(run.clip.right - run.clip.left));
    o += "\" height=\"";
    AppendFixed(o, ToFixed(run.clip.bottom - run.clip.top));
    o += "\"/></clipPath><g clip-path=\"url(#";
    o += id;
    o += ")\">";
  }
  o += "<g transform=\"translate(";
  AppendFixed(o, ToFixed(run.anchor.x));
  o += ' ';
  AppendFixed(o, ToFixed(run.anchor.y));
  o += ')';
  if (m_font.escapement != 0) {
    o += " rotate(";
    AppendNumber(o, -m_font.escapement / 10.0);
    o += ')';
  }
  o += "\"><rect x=\"";
  AppendNumber(o, x);
  o += "\" width=\"";
  AppendNumber(o, width);
  o += "\" height=\"";
  AppendNumber(o, font.ascent + font.descent);
  o += "\" fill=\"#fff\"/><text x=\"";
  AppendNumber(o, x);
  o += "\" y=\"";
  AppendNumber(o, font.ascent);
  o += "\" font-family=\"";
  AppendXmlText(o, font.family);
  o += "\" font-size=\"";
  AppendNumber(o, font.em);
  o += '"';
  if (m_font.weight > 0 && m_font.weight != 400) o += " font-weight=\"" + std::to_string(m_font.weight) + "\"";
  if (m_font.italic) o += " font-style=\"italic\"";
  if (m_font.underline || m_font.strikeOut) {
    o += " text-decoration=\"";
    o += m_font.underline ? (m_font.strikeOut ? "underline line-through" : "underline") : "line-through";
    o += '"';
  }
  if (width > 0) {
    o += " textLength=\"";
    AppendNumber(o, width);
    o += "\" lengthAdjust=\"spacingAndGlyphs\"";
  }
  o += " xml:space=\"preserve\">";
  AppendXmlText(o, run.text);
  o += "</text></g>";
  if (run.clipped) o += "</g>";
  write("\n");
}

// A length of whole pixels at 96 per inch in inches. Inches, not millimetres:
// 597 pixels are 6.21875 in, a number binary floating point holds exactly, so
// a reader at 96 dpi gets back exactly 597 pixels, where 157.95625 mm comes
// back as 597.0000000000001 and is rounded up to 598.
std::string Inches(double pixels) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.6f", pixels / kPixelsPerInch);
  std::string text(buffer);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text + "in";
}

}  // namespace

void WriteSvg(const gdi::EnhMetaFile& picture, const SvgFonts& fonts, const ByteOutput& output) {
  double width = 1.0, height = 1.0;
  if (!picture.isNull()) {
    const gdi::RECT& f = picture.frame();
    width = std::abs(static_cast<double>(f.right) - f.left) * kPixelsPerInch / kHimetricPerInch;
    height = std::abs(static_cast<double>(f.bottom) - f.top) * kPixelsPerInch / kHimetricPerInch;
  }
  // The view box is the whole-pixel size, so that one unit stays 1/96 inch
  // and the pattern cells fall on whole units.
  const double boxWidth = std::max(1.0, std::round(width));
  const double boxHeight = std::max(1.0, std::round(height));
  // Width and height in a physical unit, so that CAD and print tools place
  // the page at its size; exactly the view box's whole pixels at 96 per inch,
  // so a reader at 96 dpi still maps one unit onto one pixel instead of
  // resampling the page by a hair and blurring the pattern cells into grey.
  std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
  head += Inches(boxWidth);
  head += "\" height=\"";
  head += Inches(boxHeight);
  head += "\" viewBox=\"0 0 ";
  AppendNumber(head, boxWidth);
  head += ' ';
  AppendNumber(head, boxHeight);
  head += "\">\n<g stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  SvgSink sink(fonts, output);
  sink.write(head);
  gdi::PlayPicture(picture, gdi::RectF{0.0, 0.0, width, height}, sink);
  sink.finish("</g>\n</svg>\n");
}

}  // namespace plotvane::svg

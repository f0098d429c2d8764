// The page's content stream. See PdfContent.h.

#include "render/pdf/PdfContent.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "render/svg/PolygonShape.h"

namespace plotvane::pdf {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// Units of 1/96 inch per point.
constexpr double kPointsPerUnit = 0.75;
// The invisible character's advance in its font (Helvetica's "x", 500/1000 em).
constexpr double kCarrierAdvance = 0.5;

using svg::AppendFixed;
using svg::AppendNumber;
using svg::FixedPoint;
using svg::ToFixed;

// A factor to six decimals (glyph scales, turns); PDF numbers have no
// exponent.
void AppendFactor(std::string& out, double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.6f", std::isfinite(value) ? value : 0.0);
  std::string_view text(buffer);
  while (text.back() == '0') text.remove_suffix(1);
  if (text.back() == '.') text.remove_suffix(1);
  out += text == "-0" ? "0" : text;
}

void AppendColour(std::string& out, gdi::COLORREF c) {
  for (const int component : {gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)}) {
    AppendNumber(out, component / 255.0);
    out += ' ';
  }
}

void AppendHex16(std::string& out, std::uint32_t unit) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 0xF];
}

// The text as UTF-16BE hex with its byte-order mark, as ActualText takes it;
// a byte that is not UTF-8 becomes U+FFFD.
void AppendUtf16Hex(std::string& out, std::string_view utf8) {
  out += "<FEFF";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    std::uint32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    bool valid = length != 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
      code = 0xFFFD;
      i += 1;
    } else {
      i += static_cast<std::size_t>(length);
    }
    if (code >= 0x10000) {
      AppendHex16(out, 0xD800 + ((code - 0x10000) >> 10));
      AppendHex16(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      AppendHex16(out, code);
    }
  }
  out += '>';
}

}  // namespace

PdfContent::PdfContent(const PdfFonts& fonts, DeflateStream& stream, double pageHeight)
    : m_fonts(fonts), m_stream(stream) {
  // Units of 1/96 inch from the top-left corner, y downward.
  AppendNumber(m_out, kPointsPerUnit);
  m_out += " 0 0 ";
  AppendNumber(m_out, -kPointsPerUnit);
  m_out += " 0 ";
  AppendFactor(m_out, pageHeight);
  m_out += " cm 1 J 1 j\n";
}

void PdfContent::setPen(const gdi::LOGPEN& pen, double width) {
  if (pen == m_pen && width == m_penWidth) return;
  m_pen = pen;
  m_penWidth = width;
  ++m_style;
}

void PdfContent::setBrush(const gdi::LOGBRUSH& brush) {
  if (brush == m_brush) return;
  m_brush = brush;
  ++m_style;
}

void PdfContent::write() {
  if (m_out.size() < kChunk) return;
  m_stream.write(m_out);
  m_out.clear();
}

void PdfContent::finish() {
  endPath();
  if (m_inClip) m_out += "Q\n";
  m_stream.write(m_out);
  m_out.clear();
}

void PdfContent::setFill() {
  std::string state;
  if (m_brush.style == gdi::BrushStyle::BS_PATTERN) {
    auto found = m_patternNames.find(m_brush.pattern);
    if (found == m_patternNames.end()) {
      found = m_patternNames.emplace(m_brush.pattern, static_cast<int>(m_patternList.size())).first;
      m_patternList.push_back(m_brush.pattern);
    }
    state = "/Pattern cs /P" + std::to_string(found->second) + " scn\n";
  } else {
    AppendColour(state, m_brush.colour);
    state += "rg\n";
  }
  if (state != m_fillState) m_out += state;
  m_fillState = std::move(state);
}

void PdfContent::setStroke() {
  std::string state;
  AppendColour(state, m_pen.colour);
  state += "RG\n";
  if (state != m_strokeState) m_out += state;
  m_strokeState = std::move(state);
  state.clear();
  // Width 0 is the thinnest line the device can draw: one pixel.
  AppendNumber(state, m_pen.width == 0 ? 0.0 : m_penWidth);
  state += " w\n";
  if (state != m_widthState) m_out += state;
  m_widthState = std::move(state);
}

void PdfContent::beginPath(PathKind kind) {
  endPath();
  if (kind != PathKind::Stroke) setFill();
  m_pathStroked = hasPen();
  if (m_pathStroked) setStroke();
  m_pathKind = kind;
  m_pathStyle = m_style;
}

void PdfContent::endPath() {
  switch (m_pathKind) {
    case PathKind::None: return;
    case PathKind::Fill: m_out += m_pathStroked ? "B\n" : "f\n"; break;
    case PathKind::EvenOddFill: m_out += m_pathStroked ? "B*\n" : "f*\n"; break;
    case PathKind::Stroke: m_out += "S\n"; break;
  }
  m_pathKind = PathKind::None;
}

void PdfContent::pair(FixedPoint p) {
  AppendFixed(m_out, p.x);
  m_out += ' ';
  AppendFixed(m_out, p.y);
  m_out += ' ';
}

void PdfContent::point(FixedPoint p, char op) {
  pair(p);
  m_out += op;
  m_out += ' ';
  m_current = p;
}

void PdfContent::toFixed(std::span<const gdi::PointF> points) {
  m_points.clear();
  for (const gdi::PointF& p : points) m_points.push_back(ToFixed(p.x, p.y));
}

void PdfContent::polygon(std::span<const gdi::PointF> points) {
  if (points.empty()) return;
  toFixed(points);
  // The outline of a merged path is drawn over all its fills at once, which
  // only matches drawing the pieces one by one when it is invisible on them.
  const bool outlineHidden =
      !hasPen() || (m_brush.style == gdi::BrushStyle::BS_SOLID && m_pen.colour == m_brush.colour);
  const bool mergeable = outlineHidden && svg::IsSimpleConvex(m_points);
  if (!mergeable) {
    beginPath(PathKind::EvenOddFill);
  } else if (m_pathKind != PathKind::Fill || m_pathStyle != m_style) {
    beginPath(PathKind::Fill);
  }
  const bool reverse = mergeable && svg::DoubleArea(m_points) < 0;
  const std::size_t n = m_points.size();
  point(m_points[reverse ? n - 1 : 0], 'm');
  for (std::size_t i = 1; i < n; ++i) point(m_points[reverse ? n - 1 - i : i], 'l');
  m_out += "h\n";
  if (!mergeable) endPath();
  write();
}

void PdfContent::polyline(std::span<const gdi::PointF> points) {
  if (points.size() < 2 || !hasPen()) return;
  const FixedPoint start = ToFixed(points.front().x, points.front().y);
  if (m_pathKind != PathKind::Stroke || m_pathStyle != m_style) {
    beginPath(PathKind::Stroke);
    point(start, 'm');
  } else if (!(m_current == start)) {
    point(start, 'm');
  }
  for (std::size_t i = 1; i < points.size(); ++i) point(ToFixed(points[i].x, points[i].y), 'l');
  m_out += '\n';
  write();
}

void PdfContent::line(gdi::PointF from, gdi::PointF to) {
  const gdi::PointF points[] = {from, to};
  polyline(points);
}

void PdfContent::clip(std::span<const gdi::PointF> polygon) {
  endPath();
  if (m_inClip) {
    m_out += "Q\n";
    // The state comes back as it was when the clip was set.
    m_fillState.clear();
    m_strokeState.clear();
    m_widthState.clear();
  }
  m_inClip = !polygon.empty();
  if (!m_inClip) return;
  m_out += "q ";
  toFixed(polygon);
  point(m_points.front(), 'm');
  for (std::size_t i = 1; i < m_points.size(); ++i) point(m_points[i], 'l');
  m_out += "h W* n\n";
  write();
}

void PdfContent::placeGlyph(const PlacedGlyph& glyph, double left, double baseline) {
  const GlyphKey key{glyph.face, glyph.glyph};
  auto found = m_glyphNames.find(key);
  if (found == m_glyphNames.end()) {
    found = m_glyphNames.emplace(key, static_cast<int>(m_glyphList.size())).first;
    m_glyphList.push_back(key);
  }
  m_out += "q ";
  AppendFactor(m_out, glyph.scale);
  m_out += " 0 0 ";
  AppendFactor(m_out, glyph.scale);
  m_out += ' ';
  AppendFixed(m_out, ToFixed(left + glyph.x));
  m_out += ' ';
  AppendFixed(m_out, ToFixed(baseline + glyph.y));
  m_out += " cm /G" + std::to_string(found->second) + " Do Q\n";
}

void PdfContent::text(const gdi::TextRun& run) {
  endPath();
  const ShapedText shaped = m_fonts.shape(m_font, m_fontHeight, run.text);
  const double left = run.align == gdi::TextAlign::Centre  ? -shaped.width / 2
                      : run.align == gdi::TextAlign::Right ? -shaped.width
                                                           : 0.0;
  const double cellHeight = shaped.ascent + shaped.descent;
  std::string& o = m_out;
  o += "/Span <</ActualText ";
  AppendUtf16Hex(o, run.text);
  o += ">> BDC q\n";
  if (run.clipped) {
    pair(ToFixed(run.clip.left, run.clip.top));
    AppendFixed(o, ToFixed(run.clip.right - run.clip.left));
    o += ' ';
    AppendFixed(o, ToFixed(run.clip.bottom - run.clip.top));
    o += " re W n\n";
  }
  // Turned counter-clockwise on the page, y downward.
  const double angle = m_font.escapement / 10.0 * std::numbers::pi / 180.0;
  const double c = m_font.escapement == 0 ? 1.0 : std::cos(angle);
  const double s = m_font.escapement == 0 ? 0.0 : std::sin(angle);
  for (const double factor : {c, -s, s, c}) {
    AppendFactor(o, factor);
    o += ' ';
  }
  pair(ToFixed(run.anchor.x, run.anchor.y));
  o += "cm 1 g ";
  pair(ToFixed(left, 0.0));
  AppendFixed(o, ToFixed(shaped.width));
  o += ' ';
  AppendFixed(o, ToFixed(cellHeight));
  o += " re f 0 g\n";
  for (const PlacedGlyph& glyph : shaped.glyphs) placeGlyph(glyph, left, shaped.ascent);
  if (shaped.width > 0 && cellHeight > 0) {
    // Invisible (3 Tr), upright in the downward y (the text matrix flips it).
    m_usedTextFont = true;
    o += "BT 3 Tr ";
    o += kTextFontName;
    o += ' ';
    AppendNumber(o, cellHeight);
    o += " Tf ";
    AppendNumber(o, 100.0 * shaped.width / (kCarrierAdvance * cellHeight));
    o += " Tz 1 0 0 -1 ";
    pair(ToFixed(left, shaped.ascent));
    o += "Tm (x) Tj ET\n";
  }
  o += "Q EMC\n";
  write();
}

}  // namespace plotvane::pdf

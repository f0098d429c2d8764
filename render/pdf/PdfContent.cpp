// The page's content stream. See PdfContent.h.

#include "render/pdf/PdfContent.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "render/pdf/PdfNumbers.h"
#include "render/pdf/PdfTextLayer.h"
#include "render/svg/PolygonShape.h"

namespace plotvane::pdf {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// Content units: the picture's own 0.01 mm, written as whole numbers.
constexpr double kUnitsPerInch = 2540.0;
constexpr double kPointsPerUnit = 72.0 / kUnitsPerInch;
// Fonts are sized in pixels of 1/96 inch, as on screen.
constexpr double kPixelsPerUnit = 96.0 / kUnitsPerInch;
// Ten kilometres, far beyond any page: coordinates stay small enough that
// the merging tests' products cannot overflow.
constexpr double kLimit = 1e9;

using svg::FixedPoint;

// The value in whole units, rounded to nearest.
std::int64_t Whole(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded > -kLimit)) return static_cast<std::int64_t>(-kLimit);  // also NaN
  if (rounded > kLimit) return static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(rounded);
}

FixedPoint Whole(double x, double y) { return FixedPoint{Whole(x), Whole(y)}; }

// The picture's shaped text in content units.
ShapedText InUnits(ShapedText shaped) {
  constexpr double kUnitsPerPixel = 1.0 / kPixelsPerUnit;
  shaped.width *= kUnitsPerPixel;
  shaped.ascent *= kUnitsPerPixel;
  shaped.descent *= kUnitsPerPixel;
  for (PlacedGlyph& glyph : shaped.glyphs) {
    glyph.x *= kUnitsPerPixel;
    glyph.y *= kUnitsPerPixel;
    glyph.scale *= kUnitsPerPixel;
  }
  return shaped;
}

}  // namespace

PdfContent::PdfContent(const PdfFonts& fonts, PdfContentStreams& stream, double pageHeight)
    : m_fonts(fonts), m_stream(stream) {
  // From the top-left corner, y downward; nine decimals keep the far corner
  // of a page of metres within a micrometre.
  char matrix[96];
  std::snprintf(matrix, sizeof matrix, "%.9f 0 0 %.9f 0 %.6f cm 1 J 1 j\n", kPointsPerUnit, -kPointsPerUnit,
                pageHeight);
  m_out += matrix;
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
  m_out.reserve(kChunk + kChunk / 4);
}

void PdfContent::finish() {
  endPath();
  if (m_inClip) m_out += "Q\n";
  m_stream.write(m_out);
}

// The palette's number of the colour, a new one while the palette has room;
// -1 when it is full.
int PdfContent::paletteIndex(gdi::COLORREF colour) {
  if (const auto found = m_paletteIndex.find(colour); found != m_paletteIndex.end()) return found->second;
  if (m_palette.size() >= kPaletteSize) return -1;
  const int index = static_cast<int>(m_palette.size());
  m_palette.push_back(colour);
  m_paletteIndex.emplace(colour, index);
  return index;
}

// Sets the fill (or stroke) colour unless state says it is set: a palette
// colour by its number, any other by its components.
void PdfContent::setColour(gdi::COLORREF colour, std::int64_t& state, bool stroke) {
  const int index = paletteIndex(colour);
  const std::int64_t next = index >= 0 ? index : kRgbState + colour;
  if (next == state) return;
  if (index < 0) {
    AppendColour(m_out, colour);
    m_out += stroke ? "RG\n" : "rg\n";
  } else {
    const bool inPalette = state >= 0 && state < static_cast<std::int64_t>(kPaletteSize);
    if (!inPalette) {
      m_out += kPaletteName;
      m_out += stroke ? " CS " : " cs ";
    }
    AppendInteger(m_out, index);
    m_out += stroke ? " SC\n" : " sc\n";
  }
  state = next;
}

void PdfContent::setFill() {
  if (m_brush.style == gdi::BrushStyle::BS_SOLID) {
    setColour(m_brush.colour, m_state.fill, false);
    return;
  }
  auto found = m_patternNames.find(m_brush.pattern);
  if (found == m_patternNames.end()) {
    found = m_patternNames.emplace(m_brush.pattern, static_cast<int>(m_patternList.size())).first;
    m_patternList.push_back(m_brush.pattern);
  }
  const std::int64_t state = kPatternState + found->second;
  if (state == m_state.fill) return;
  m_state.fill = state;
  m_out += "/Pattern cs /P";
  AppendInteger(m_out, found->second);
  m_out += " scn\n";
}

void PdfContent::setStroke() {
  setColour(m_pen.colour, m_state.stroke, true);
  // Width 0 is the thinnest line the device can draw: one pixel.
  const std::int64_t width = m_pen.width == 0 ? 0 : Whole(m_penWidth);
  if (width != m_state.width) {
    m_state.width = width;
    AppendInteger(m_out, width);
    m_out += " w\n";
  }
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
  AppendInteger(m_out, p.x);
  m_out += ' ';
  AppendInteger(m_out, p.y);
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
  for (const gdi::PointF& p : points) m_points.push_back(Whole(p.x, p.y));
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
  const FixedPoint start = Whole(points.front().x, points.front().y);
  if (m_pathKind != PathKind::Stroke || m_pathStyle != m_style) {
    beginPath(PathKind::Stroke);
    point(start, 'm');
  } else if (!(m_current == start)) {
    point(start, 'm');
  }
  for (std::size_t i = 1; i < points.size(); ++i) point(Whole(points[i].x, points[i].y), 'l');
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
    m_state = DrawState{};
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
  pair(Whole(left + glyph.x, baseline + glyph.y));
  m_out += "cm /G";
  AppendInteger(m_out, found->second);
  m_out += " Do Q\n";
}

void PdfContent::text(const gdi::TextRun& run) {
  endPath();
  const ShapedText shaped = InUnits(m_fonts.shape(m_font, m_fontHeight * kPixelsPerUnit, run.text));
  const double left = run.align == gdi::TextAlign::Centre  ? -shaped.width / 2
                      : run.align == gdi::TextAlign::Right ? -shaped.width
                                                           : 0.0;
  const double cellHeight = shaped.ascent + shaped.descent;
  std::string& o = m_out;
  o += "q\n";
  if (run.clipped) {
    pair(Whole(run.clip.left, run.clip.top));
    AppendInteger(o, Whole(run.clip.right - run.clip.left));
    o += ' ';
    AppendInteger(o, Whole(run.clip.bottom - run.clip.top));
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
  pair(Whole(run.anchor.x, run.anchor.y));
  o += "cm 1 g ";
  pair(Whole(left, 0.0));
  AppendInteger(o, Whole(shaped.width));
  o += ' ';
  AppendInteger(o, Whole(cellHeight));
  o += " re f 0 g\n";
  // The span inside the turned state: readers place its characters by the
  // state in effect where it ends.
  const std::u32string characters = CodePoints(run.text);
  o += "/Span <</ActualText ";
  AppendActualText(o, characters);
  o += ">> BDC\n";
  for (const PlacedGlyph& glyph : shaped.glyphs) placeGlyph(glyph, left, shaped.ascent);
  if (shaped.width > 0 && cellHeight > 0 && !characters.empty()) {
    // Invisible (3 Tr), upright in the downward y (the text matrix flips
    // it), each character an em wide, scaled so they span the text, and an
    // em high from the baseline at the cells' bottom: each character's box
    // lies on the text's cells.
    m_usedTextFont = true;
    o += "BT 3 Tr ";
    o += kTextFontName;
    o += ' ';
    AppendInteger(o, Whole(cellHeight));
    o += " Tf ";
    AppendFactor(o, 100.0 * shaped.width / (static_cast<double>(characters.size()) * cellHeight));
    o += " Tz 1 0 0 -1 ";
    pair(Whole(left, cellHeight));
    o += "Tm ";
    AppendTextCodes(o, characters);
    o += " Tj ET\n";
  }
  o += "EMC Q\n";
  write();
}

}  // namespace plotvane::pdf

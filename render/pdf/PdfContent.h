#pragma once
// The page's content stream: a playback output that writes PDF operators.
//
// How the drawing rules of render/gdi/Playback.h are met:
// - consecutive polygons of one style share one path when they are convex
//   and their outline cannot be told apart from their fill (no pen, or a pen
//   of the solid brush's colour): turned the same way round, filled by the
//   nonzero rule, they fill their union exactly as one by one; any other
//   polygon is a path of its own, filled by the even-odd rule (f*) and then
//   outlined (B*); lines and polylines of one pen share one path;
// - solid colours are numbers in a palette (an indexed colour space) while
//   it has room, which keeps the colour changes of a map short;
// - a pen of width 0 is a line width of 0, the thinnest line the device
//   draws; all lines have round caps and joins;
// - a pattern brush is a coloured tiling pattern of 8 x 8 cells of 1/96 inch
//   (a pixel of the screen), white with the black cells drawn on it, tiled
//   from the page's top-left;
// - a text is a white box and the glyph forms, moved to its anchor, turned
//   by the escapement and clipped to its clip rectangle, with its characters
//   for copying and searching (PdfTextLayer.h);
// - a clip is the even-odd inside of its polygon (W* n) inside a saved
//   graphics state, which the next clip restores before setting its own.

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "render/gdi/Playback.h"
#include "render/pdf/PdfContentStreams.h"
#include "render/pdf/PdfFonts.h"
#include "render/svg/SvgPathData.h"

namespace plotvane::pdf {

// A glyph of a face, as PdfFonts numbers them.
using GlyphKey = std::pair<std::uint32_t, std::uint32_t>;

// Names the content uses from the page's resources.
inline constexpr const char* kTextFontName = "/F0";  // the invisible characters' font
inline constexpr const char* kPaletteName = "/C0";   // an indexed colour space
// Colours in the palette: an indexed colour space holds at most 256.
inline constexpr std::size_t kPaletteSize = 256;

class PdfContent final : public gdi::PlaybackSink {
 public:
  // Writes into stream; pageHeight (points) places the top-left origin.
  PdfContent(const PdfFonts& fonts, PdfContentStreams& stream, double pageHeight);

  void setPen(const gdi::LOGPEN& pen, double width) override;
  void setBrush(const gdi::LOGBRUSH& brush) override;
  void setFont(const gdi::LOGFONT& font, double height) override {
    m_font = font;
    m_fontHeight = height;
  }
  void polygon(std::span<const gdi::PointF> points) override;
  void polyline(std::span<const gdi::PointF> points) override;
  void line(gdi::PointF from, gdi::PointF to) override;
  void text(const gdi::TextRun& run) override;
  void clip(std::span<const gdi::PointF> polygon) override;

  // Ends what is open and hands over the rest of the content.
  void finish();

  // What the content used, in the order of their names: the glyph forms
  // /G0, /G1, ..., the patterns /P0, /P1, ... (their 8 rows), the palette's
  // colours, and whether any text used the invisible characters' font.
  const std::vector<GlyphKey>& glyphs() const { return m_glyphList; }
  const std::vector<gdi::MonoPattern>& patterns() const { return m_patternList; }
  // The palette's colours, by number.
  const std::vector<gdi::COLORREF>& palette() const { return m_palette; }
  bool usedTextFont() const { return m_usedTextFont; }

 private:
  enum class PathKind { None, Fill, EvenOddFill, Stroke };

  bool hasPen() const { return m_pen.style != gdi::PenStyle::PS_NULL; }
  void write();
  void beginPath(PathKind kind);
  void endPath();
  int paletteIndex(gdi::COLORREF colour);
  void setColour(gdi::COLORREF colour, std::int64_t& state, bool stroke);
  void setFill();
  void setStroke();
  void pair(svg::FixedPoint p);
  void point(svg::FixedPoint p, char op);
  void toFixed(std::span<const gdi::PointF> points);
  void placeGlyph(const PlacedGlyph& glyph, double left, double baseline);

  const PdfFonts& m_fonts;
  PdfContentStreams& m_stream;
  std::string m_out;
  gdi::LOGPEN m_pen;
  double m_penWidth = 0.0;
  gdi::LOGBRUSH m_brush;
  gdi::LOGFONT m_font;
  double m_fontHeight = 0.0;
  std::uint64_t m_style = 1;  // changes with every new pen or brush
  std::uint64_t m_pathStyle = 0;
  PathKind m_pathKind = PathKind::None;
  bool m_pathStroked = false;  // the open path is outlined with the pen it began with
  svg::FixedPoint m_current;   // where the open path ends
  // The graphics state as last set (-1 when unknown): colours as a palette
  // number, or from kRgbState on the colour itself, for the fill a
  // pattern's number from kPatternState on; the line width.
  struct DrawState {
    std::int64_t fill = -1;
    std::int64_t stroke = -1;
    std::int64_t width = -1;
  };
  static constexpr std::int64_t kRgbState = std::int64_t{1} << 32;
  static constexpr std::int64_t kPatternState = std::int64_t{1} << 33;
  DrawState m_state;
  std::vector<gdi::COLORREF> m_palette;
  std::unordered_map<gdi::COLORREF, int> m_paletteIndex;
  bool m_inClip = false;  // a state saved by clip() is open
  std::vector<svg::FixedPoint> m_points;
  std::map<GlyphKey, int> m_glyphNames;
  std::vector<GlyphKey> m_glyphList;
  std::map<gdi::MonoPattern, int> m_patternNames;
  std::vector<gdi::MonoPattern> m_patternList;
  bool m_usedTextFont = false;
};

}  // namespace plotvane::pdf

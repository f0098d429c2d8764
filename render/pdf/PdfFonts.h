#pragma once
// The glyphs a PDF page draws its texts with, as filled outlines.
//
// The page embeds no font: each glyph used is written once as an outline
// (a form the page then places wherever the glyph occurs), so a reader
// shows the texts exactly, Japanese included, with no font installed. The
// player that knows the fonts shapes each text and gives the outlines.
//
// Conventions: output units are those of the page being played (y downward);
// an outline is in the face's outline units with its origin on the baseline
// at the glyph's left end, y downward too.

#include <cstdint>
#include <string_view>
#include <vector>

#include "render/gdi/GdiTypes.h"

namespace plotvane::pdf {

// One glyph of a shaped text.
struct PlacedGlyph {
  std::uint32_t face = 0;   // numbered by the fonts, from 0
  std::uint32_t glyph = 0;  // index in that face
  double x = 0.0;           // its origin from the text's left end on the baseline, output units
  double y = 0.0;
  double scale = 1.0;  // output units per outline unit
};

// A text as one line: its cells (ascent above the baseline, descent below,
// width the advance of the whole text) and its glyphs.
struct ShapedText {
  double width = 0.0;
  double ascent = 0.0;
  double descent = 0.0;
  std::vector<PlacedGlyph> glyphs;
};

// Closed subpaths of lines and cubic curves: each Move starts a subpath, a
// Line takes one point, a Curve three (two control points, then the end).
enum class OutlineStep : std::uint8_t { Move, Line, Curve };
struct GlyphOutline {
  std::vector<OutlineStep> steps;
  std::vector<gdi::PointF> points;
};

class PdfFonts {
 public:
  virtual ~PdfFonts() = default;
  // The text (UTF-8) in the recorded font whose cell height in output units
  // is height (sign as in LOGFONT).
  virtual ShapedText shape(const gdi::LOGFONT& font, double height, std::string_view text) const = 0;
  // The outline of a glyph that shape gave, filled by the nonzero rule.
  virtual GlyphOutline outline(std::uint32_t face, std::uint32_t glyph) const = 0;
};

}  // namespace plotvane::pdf

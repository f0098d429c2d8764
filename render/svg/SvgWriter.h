#pragma once
// Writing a recorded picture as SVG, streamed from the records.
//
// The document is in units of 1/96 inch: its viewBox is the picture's frame
// in whole pixels at 96 per inch, and width and height give that size in
// inches (597 x 477 units are 6.21875 x 4.96875 in, 157.95625 x 126.20625 mm),
// so CAD and print tools place the page at its size; the frame is mapped onto the
// exact (fractional) pixel size, as the screen and the PNG map it.
//
// What is written (the drawing rules of render/gdi/Playback.h):
// - consecutive drawing calls of one style share one <path>: polygons that
//   are convex and whose outline cannot be told apart from their fill (no
//   pen, or a pen of the solid brush's colour) are merged, turned the same
//   way round so the nonzero rule fills their union exactly as drawing them
//   one by one would; any other polygon gets a path of its own, filled by the
//   even-odd rule; lines and polylines of one pen are merged;
// - path data is compact (SvgPathData.h);
// - a pen of width 0 is one pixel at any zoom (non-scaling stroke), wider
//   pens have round caps and joins;
// - each pattern brush is an SVG <pattern> of 8 x 8 one-unit cells tiled
//   from the origin, defined where first used;
// - each text is a white box with the text on it, moved to its anchor and
//   turned by its escapement, clipped to its clip rectangle (a <clipPath>)
//   when it has one; its length is set to the measured width.
// The output goes through a callback in pieces of about 64 KiB, so a map of
// any size costs a fixed amount of memory.

#include <functional>
#include <string>
#include <string_view>

#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane::svg {

// A font as a text element sets it, in output units.
struct SvgFont {
  std::string family;
  double em = 0.0;       // font-size
  double ascent = 0.0;   // from the top of the cells to the baseline
  double descent = 0.0;  // from the baseline to the bottom of the cells
};

// The fonts the text is drawn with: given by the player that knows them.
class SvgFonts {
 public:
  virtual ~SvgFonts() = default;
  // The font of a recorded font whose cell height in output units is height
  // (sign as in LOGFONT).
  virtual SvgFont font(const gdi::LOGFONT& font, double height) const = 0;
  // The advance width of the text (UTF-8) in that font, in output units.
  virtual double width(const gdi::LOGFONT& font, double height, std::string_view text) const = 0;
};

using ByteOutput = std::function<void(std::string_view)>;

// Writes the SVG document of the picture (a null picture gives an empty page
// of one unit).
void WriteSvg(const gdi::EnhMetaFile& picture, const SvgFonts& fonts, const ByteOutput& output);

}  // namespace plotvane::svg

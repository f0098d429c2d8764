#pragma once
// Playing a recorded picture into an output: the screen, an image, a vector
// file or the metafile writer.
//
// PlayPicture walks the records of a picture, and of every picture played
// into it, and hands an output (a PlaybackSink) plain drawing calls in the
// output's own coordinates. The picture's frame is mapped onto a target
// rectangle of the output; the output's space has y downward (device pixels,
// or the metafile writer's 0.01 mm). The walker owns all the mapping: mapping
// modes, frames, played pictures and their rectangles, pen widths and font
// heights; an output only draws.
//
// Drawing rules an output must follow (they are the recorded picture's
// meaning):
// - polygon: fill with the current brush by the alternate (even-odd) rule,
//   then outline the closed polygon with the current pen;
// - polyline and line: stroke with the current pen, round ends and joins;
// - a pen of width 0 is one device pixel; a PS_NULL pen draws nothing;
// - a pattern brush tiles its 8 x 8 pattern from the output's origin, black
//   bits black and white bits white;
// - text: with the current font, black, on an opaque white box the size of
//   the text's cells, turned counter-clockwise by the font's escapement about
//   the run's anchor; clipped to the run's clip rectangle when it has one.
// - clip: from now on draw only where the even-odd inside of the polygon
//   covers (fills, lines and text alike), replacing any clip before; an
//   empty polygon ends the clip. Raster outputs decide pixel by pixel by the
//   fill rule of their polygons.
// Nothing else is clipped.

#include <span>
#include <string_view>

#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane::gdi {

// (left, top, right, bottom) in the output's coordinates.
struct RectF {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

enum class TextAlign : std::uint8_t { Left, Centre, Right };

// One line of text. The anchor lies on the top edge of the text's cells: at
// its left end, centre or right end as align says (before turning by the
// escapement).
struct TextRun {
  PointF anchor;
  TextAlign align = TextAlign::Left;
  bool clipped = false;
  RectF clip;             // normalised: left <= right, top <= bottom; only when clipped
  std::string_view text;  // UTF-8
};

class PlaybackSink {
 public:
  virtual ~PlaybackSink() = default;
  // The objects in effect for the calls that follow. width is the pen width
  // in output units (0 for a one-pixel pen); height is the font's cell height
  // in output units (its sign kept: negative means character height).
  virtual void setPen(const LOGPEN& pen, double width) = 0;
  virtual void setBrush(const LOGBRUSH& brush) = 0;
  virtual void setFont(const LOGFONT& font, double height) = 0;
  virtual void polygon(std::span<const PointF> points) = 0;
  virtual void polyline(std::span<const PointF> points) = 0;
  virtual void line(PointF from, PointF to) = 0;
  virtual void text(const TextRun& run) = 0;
  virtual void clip(std::span<const PointF> polygon) = 0;
  // Whether polygons recorded with exact corners come with those, or with
  // their rounded points (the default: what vector files hold).
  virtual bool takesExactCorners() const { return false; }
};

// Plays the picture so that its frame fills the target rectangle. Each played
// picture starts with the default objects and mapping mode and no clip;
// after it the player tells the sink the outer picture's objects and clip
// again (ending a clip the played picture left set). A null picture
// plays nothing.
void PlayPicture(const EnhMetaFile& picture, const RectF& target, PlaybackSink& sink);

// The cell height a font of height 0 gets: 16 reference-device pixels.
inline constexpr int kDefaultFontPixels = 16;

}  // namespace plotvane::gdi

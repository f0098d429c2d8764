#pragma once
// Playing a picture straight into the pixels of an image: the fast path of
// the raster output.
//
// A full map is some 600 000 band pieces, most smaller than a pixel at 96
// dots per inch, each with its own pen and brush. Through QPainter every
// piece pays for two state changes and the set-up of a fill and a stroke;
// here a piece costs a few spans. The pixels are the ones the QPainter
// output gives the raster output (QtPlayer.h: fills by the same rule, lines
// and outlines through points snapped to whole pixels, no antialiasing), so
// that the two ways give the same image:
// - fills by the rule of SpanFill.h: the pixels whose centres the polygon
//   encloses, by the odd-even rule, its corners taken exactly, so that
//   pieces sharing an edge share it in pixels;
// - pens that round to at most one pixel are drawn by ThinStroker;
// - a clip marks the pixels its polygon covers by the same rule, and only
//   those are drawn until it ends;
// - pattern brushes are tiled from the image's origin, each pattern pixel
//   patternScale pixels wide, the pattern pixel under each pixel's centre.
// What it does not draw itself - wider pens, text - goes to the fallback
// sink (the QPainter output), which is told the pen and brush in effect only
// when it has to draw; both write the same image, in order.
//
// Requirements, which PlayEnhMetaFile checks before it chooses this path:
// the image is 32-bit (RGB32, ARGB32 or ARGB32_Premultiplied) and detached,
// and the painter on it draws in plain device pixels (identity transform, no
// clipping, full opacity, the default composition mode).

#include <QImage>
#include <vector>

#include "qtplay/SpanFill.h"
#include "qtplay/ThinStroker.h"
#include "render/gdi/Playback.h"

namespace plotvane::qtplay {

class PixelSink final : public gdi::PlaybackSink {
 public:
  PixelSink(QImage& image, gdi::PlaybackSink& fallback, double patternScale);

  void setPen(const gdi::LOGPEN& pen, double width) override;
  void setBrush(const gdi::LOGBRUSH& brush) override;
  void setFont(const gdi::LOGFONT& font, double height) override;
  void polygon(std::span<const gdi::PointF> points) override;
  void polyline(std::span<const gdi::PointF> points) override;
  void line(gdi::PointF from, gdi::PointF to) override;
  void text(const gdi::TextRun& run) override;
  // Marks the pixels the polygon covers (by the fill rule) as the only ones
  // drawn from now on, here and by the stroker; the fallback clips itself.
  void clip(std::span<const gdi::PointF> polygon) override;
  // The exact corners of pieces, which the fill rule lets tile.
  bool takesExactCorners() const override { return true; }

  // Whether the image can be drawn into directly (see above).
  static bool accepts(const QImage& image);

 private:
  // The points snapped to whole pixels, in m_snapped.
  std::span<const gdi::PointF> snap(std::span<const gdi::PointF> points);
  void span(int y, int x0, int x1);
  // Fills pixels from..to - 1 of row y with the brush.
  void paint(QRgb* pixels, int y, int from, int to);
  // Hands the pen and brush in effect to the fallback before it draws.
  gdi::PlaybackSink& fallback();

  uchar* m_bits;
  qsizetype m_stride;
  int m_width;
  int m_height;
  gdi::PlaybackSink& m_fallback;
  double m_patternScale;
  ThinStroker m_stroker;

  gdi::LOGPEN m_pen;
  double m_penWidth = 0.0;
  bool m_thinPen = true;  // drawn here; otherwise by the fallback
  gdi::LOGBRUSH m_brush;
  QRgb m_brushColour = 0;
  bool m_fallbackCurrent = false;  // the fallback has m_pen and m_brush

  std::vector<gdi::PointF> m_snapped;
  SpanFill m_fill;
  std::vector<std::uint8_t> m_mask;  // one byte per pixel while a clip is set; empty: none
};

}  // namespace plotvane::qtplay

#pragma once
// One-pixel lines drawn straight into a 32-bit image, pixel for pixel as
// QPainter's raster engine draws an aliased pen of at most one pixel.
//
// The map's outlines and contour lines are such pens at 96 dots per inch,
// and PixelSink draws them here instead of through QPainter; so that both
// ways give the same image, this follows the raster engine's own rules:
// - a line's ends go to 26.6 fixed point; the line steps one pixel along its
//   major axis and carries the minor coordinate in 16.16 fixed point,
//   sampled at the pixel centres when it increases and at the pixel edges
//   when it does not;
// - a line on its own (line()) has round caps: half a pixel more at both
//   ends; a zero-length line is the one pixel under its point;
// - a connected path (path()) has caps only at the ends of an open path, and
//   at each joint the pixel shared with the previous segment is drawn once, a
//   missing corner pixel is filled in, and a segment too short to draw leaves
//   the next one starting where it started;
// - lines are first cut to the image plus a pixel all round, in floating
//   point, so nothing overflows. (Where a cut moves a line's start the
//   raster engine's pixels may differ by one; the page never strokes across
//   the image's edge.)
// Coordinates are device pixels, y downward; callers pass points snapped to
// whole pixels, as the raster output has them.

#include <QImage>
#include <climits>
#include <cstdint>
#include <span>

#include "render/gdi/Playback.h"

namespace plotvane::qtplay {

class ThinStroker {
 public:
  // image must be 32 bits per pixel and stay alive while the stroker draws.
  explicit ThinStroker(QImage& image);

  void setColour(QRgb colour) { m_colour = colour; }
  // Pixels whose byte in mask (one per pixel, row by row) is 0 are left as
  // they are; null: every pixel is drawn.
  void setMask(const std::uint8_t* mask) { m_mask = mask; }
  void line(gdi::PointF from, gdi::PointF to);
  // closed: the path returns to its first point, as a polygon's outline does.
  void path(std::span<const gdi::PointF> points, bool closed);

 private:
  enum Direction { NoDirection = 0, TopToBottom = 1, BottomToTop = 2, LeftToRight = 4, RightToLeft = 8 };
  static constexpr int kVerticalMask = TopToBottom | BottomToTop;
  static constexpr int kHorizontalMask = LeftToRight | RightToLeft;
  enum Caps { NoCaps = 0, CapBegin = 1, CapEnd = 2 };
  struct Pixel {
    int x = INT_MIN;
    int y = INT_MIN;
  };

  bool clipLine(double& x1, double& y1, double& x2, double& y2);
  // One segment; false when it drew nothing.
  bool stroke(double rx1, double ry1, double rx2, double ry2, int caps);
  bool strokeVertical(int x1, int y1, int x2, int y2, int caps);
  bool strokeHorizontal(int x1, int y1, int x2, int y2, int caps);
  // Where the closing segment of a closed path ends, so that the first
  // segment joins it.
  void lastPointOf(double rx1, double ry1, double rx2, double ry2);
  void resetJoin() {
    m_lastPixel = Pixel{};
    m_lastDirection = NoDirection;
  }
  void plot(int x, int y) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height &&
        (m_mask == nullptr || m_mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + x] != 0)) {
      reinterpret_cast<QRgb*>(m_bits + static_cast<qsizetype>(y) * m_stride)[x] = m_colour;
    }
  }

  uchar* m_bits;
  qsizetype m_stride;
  int m_width;
  int m_height;
  QRgb m_colour = 0;
  const std::uint8_t* m_mask = nullptr;
  Pixel m_lastPixel;
  int m_lastDirection = NoDirection;
  bool m_lastAxisAligned = false;
};

}  // namespace plotvane::qtplay

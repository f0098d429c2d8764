// One-pixel lines with the raster engine's rules. See ThinStroker.h.
//
// The fixed-point steps below are the raster engine's, kept in its integer
// widths: after clipping every coordinate lies within a pixel of the image,
// and the increment along the minor axis is at most one pixel per step, so
// nothing here can overflow.

#include "qtplay/ThinStroker.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace plotvane::qtplay {
namespace {

int ToF26Dot6(double v) { return static_cast<int>(v * 64.0); }

// (x / y) in 16.16 fixed point, truncated.
int FixedDiv(int x, int y) { return static_cast<int>((static_cast<long long>(x) * (1 << 16)) / y); }

int SwapCaps(int caps) { return ((caps & 1) << 1) | ((caps & 2) >> 1); }

// Moves the start half a pixel back and the end half a pixel on.
void CapAdjust(int caps, int& from, int& to, int& minor, int increment) {
  if ((caps & 1) != 0) {
    from -= 32;
    minor -= increment >> 1;
  }
  if ((caps & 2) != 0) to += 32;
}

// Where the minor coordinate is sampled: the pixel centre when it increases.
int Rounding(int increment) { return increment > 0 ? 32 : 0; }

}  // namespace

ThinStroker::ThinStroker(QImage& image)
    : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()), m_height(image.height()) {}

void ThinStroker::line(gdi::PointF from, gdi::PointF to) {
  if (from == to) {
    plot(static_cast<int>(std::floor(from.x)), static_cast<int>(std::floor(from.y)));
    return;
  }
  resetJoin();
  stroke(from.x, from.y, to.x, to.y, CapBegin | CapEnd);
}

void ThinStroker::path(std::span<const gdi::PointF> points, bool closed) {
  if (points.empty()) return;
  resetJoin();
  const std::size_t n = points.size();
  const bool returns = points.front() == points.back();
  // An open path that ends where it began is treated as closed, too.
  const bool joined = closed || returns;
  if (joined) {
    const gdi::PointF& before = returns && n > 2 ? points[n - 2] : points[n - 1];
    lastPointOf(before.x, before.y, points[0].x, points[0].y);
  }
  int caps = joined ? NoCaps : CapBegin;
  gdi::PointF p = points[0];
  for (std::size_t i = 1; i < n; ++i) {
    if (!joined && i == n - 1) caps |= CapEnd;
    const bool drew = stroke(p.x, p.y, points[i].x, points[i].y, caps);
    // A segment too short to draw keeps the next one starting from p.
    if (drew || i == 1 || i == n - 1) p = points[i];
    caps = NoCaps;
  }
  if (closed) stroke(p.x, p.y, points[0].x, points[0].y, NoCaps);
}

bool ThinStroker::clipLine(double& x1, double& y1, double& x2, double& y2) {
  const double xmin = -1, xmax = m_width + 1, ymin = -1, ymax = m_height + 1;
  auto clipped = [this] {
    m_lastPixel.x = INT_MIN;
    return true;
  };
  if (x1 < xmin) {
    if (x2 <= xmin) return clipped();
    y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
    x1 = xmin;
  } else if (x1 > xmax) {
    if (x2 >= xmax) return clipped();
    y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
    x1 = xmax;
  }
  if (x2 < xmin) {
    m_lastPixel.x = INT_MIN;
    y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
    x2 = xmin;
  } else if (x2 > xmax) {
    m_lastPixel.x = INT_MIN;
    y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
    x2 = xmax;
  }
  if (y1 < ymin) {
    if (y2 <= ymin) return clipped();
    x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
    y1 = ymin;
  } else if (y1 > ymax) {
    if (y2 >= ymax) return clipped();
    x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
    y1 = ymax;
  }
  if (y2 < ymin) {
    m_lastPixel.x = INT_MIN;
    x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
    y2 = ymin;
  } else if (y2 > ymax) {
    m_lastPixel.x = INT_MIN;
    x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
    y2 = ymax;
  }
  return false;
}

bool ThinStroker::stroke(double rx1, double ry1, double rx2, double ry2, int caps) {
  // A segment wholly outside counts as drawn: the path goes on from its end.
  if (clipLine(rx1, ry1, rx2, ry2)) return true;
  const int x1 = ToF26Dot6(rx1), y1 = ToF26Dot6(ry1), x2 = ToF26Dot6(rx2), y2 = ToF26Dot6(ry2);
  if (std::abs(x2 - x1) < std::abs(y2 - y1)) return strokeVertical(x1, y1, x2, y2, caps);
  if (x2 == x1) return true;  // nothing to draw, but the path goes on from here
  return strokeHorizontal(x1, y1, x2, y2, caps);
}

bool ThinStroker::strokeVertical(int x1, int y1, int x2, int y2, int caps) {
  int direction = TopToBottom;
  const bool swapped = y1 > y2;
  if (swapped) {
    std::swap(y1, y2);
    std::swap(x1, x2);
    caps = SwapCaps(caps);
    direction = BottomToTop;
  }
  const int xinc = FixedDiv(x2 - x1, y2 - y1);
  int x = x1 * (1 << 10);
  // Turning back along the same axis: the turning pixel gets its cap.
  if ((m_lastDirection ^ kVerticalMask) == direction) caps |= swapped ? CapEnd : CapBegin;
  CapAdjust(caps, y1, y2, x, xinc);
  int y = (y1 + 32) >> 6;
  int ys = (y2 + 32) >> 6;
  Pixel last = m_lastPixel;
  if (y == ys) {
    m_lastPixel = last;
    return false;
  }
  x += ((y * (1 << 6)) + Rounding(xinc) - y1) * xinc >> 6;
  Pixel first{x >> 16, y};
  last = Pixel{(x + (ys - y - 1) * xinc) >> 16, ys - 1};
  if (swapped) std::swap(first, last);
  const bool axisAligned = std::abs(xinc) < (1 << 14);
  if (m_lastPixel.x > INT_MIN) {
    if (first.x == m_lastPixel.x && first.y == m_lastPixel.y) {
      // The joint's pixel is drawn once.
      if (swapped) {
        --ys;
      } else {
        ++y;
        x += xinc;
      }
    } else if (m_lastDirection != direction &&
               (((axisAligned && m_lastAxisAligned) && m_lastPixel.x != first.x && m_lastPixel.y != first.y) ||
                std::abs(m_lastPixel.x - first.x) > 1 || std::abs(m_lastPixel.y - first.y) > 1)) {
      // A corner pixel would be missing: draw one more.
      if (swapped) {
        ++ys;
      } else {
        --y;
        x -= xinc;
      }
    } else if (m_lastDirection == direction && std::abs(m_lastPixel.x - first.x) <= 1 &&
               std::abs(m_lastPixel.y - first.y) > 1) {
      x += xinc >> 1;
      last.x = swapped ? x >> 16 : (x + (ys - y - 1) * xinc) >> 16;
    }
  }
  m_lastDirection = direction;
  m_lastAxisAligned = axisAligned;
  do {
    plot(x >> 16, y);
    x += xinc;
  } while (++y < ys);
  m_lastPixel = last;
  return true;
}

bool ThinStroker::strokeHorizontal(int x1, int y1, int x2, int y2, int caps) {
  int direction = LeftToRight;
  const bool swapped = x1 > x2;
  if (swapped) {
    std::swap(x1, x2);
    std::swap(y1, y2);
    caps = SwapCaps(caps);
    direction = RightToLeft;
  }
  const int yinc = FixedDiv(y2 - y1, x2 - x1);
  int y = y1 * (1 << 10);
  if ((m_lastDirection ^ kHorizontalMask) == direction) caps |= swapped ? CapEnd : CapBegin;
  CapAdjust(caps, x1, x2, y, yinc);
  int x = (x1 + 32) >> 6;
  int xs = (x2 + 32) >> 6;
  Pixel last = m_lastPixel;
  if (x == xs) return false;
  y += ((x * (1 << 6)) + Rounding(yinc) - x1) * yinc >> 6;
  Pixel first{x, y >> 16};
  last = Pixel{xs - 1, (y + (xs - x - 1) * yinc) >> 16};
  if (swapped) std::swap(first, last);
  const bool axisAligned = std::abs(yinc) < (1 << 14);
  if (m_lastPixel.x > INT_MIN) {
    if (first.x == m_lastPixel.x && first.y == m_lastPixel.y) {
      if (swapped) {
        --xs;
      } else {
        ++x;
        y += yinc;
      }
    } else if (m_lastDirection != direction &&
               (((axisAligned && m_lastAxisAligned) && m_lastPixel.x != first.x && m_lastPixel.y != first.y) ||
                std::abs(m_lastPixel.x - first.x) > 1 || std::abs(m_lastPixel.y - first.y) > 1)) {
      if (swapped) {
        ++xs;
      } else {
        --x;
        y -= yinc;
      }
    } else if (m_lastDirection == direction && std::abs(m_lastPixel.x - first.x) <= 1 &&
               std::abs(m_lastPixel.y - first.y) > 1) {
      y += yinc >> 1;
      last.y = swapped ? y >> 16 : (y + (xs - x - 1) * yinc) >> 16;
    }
  }
  m_lastDirection = direction;
  m_lastAxisAligned = axisAligned;
  do {
    plot(x, y >> 16);
    y += yinc;
  } while (++x < xs);
  m_lastPixel = last;
  return true;
}

void ThinStroker::lastPointOf(double rx1, double ry1, double rx2, double ry2) {
  m_lastDirection = NoDirection;
  int x1 = ToF26Dot6(rx1), y1 = ToF26Dot6(ry1), x2 = ToF26Dot6(rx2), y2 = ToF26Dot6(ry2);
  if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
    const bool swapped = y1 > y2;
    if (swapped) {
      std::swap(y1, y2);
      std::swap(x1, x2);
    }
    const int xinc = FixedDiv(x2 - x1, y2 - y1);
    int x = x1 * (1 << 10);
    const int y = (y1 + 32) >> 6;
    const int ys = (y2 + 32) >> 6;
    if (y == ys) return;
    x += ((y * (1 << 6)) + Rounding(xinc) - y1) * xinc >> 6;
    m_lastPixel = swapped ? Pixel{x >> 16, y} : Pixel{(x + (ys - y - 1) * xinc) >> 16, ys - 1};
    m_lastDirection = swapped ? BottomToTop : TopToBottom;
    m_lastAxisAligned = std::abs(xinc) < (1 << 14);
    return;
  }
  if (x2 == x1) return;
  const bool swapped = x1 > x2;
  if (swapped) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const int yinc = FixedDiv(y2 - y1, x2 - x1);
  int y = y1 * (1 << 10);
  const int x = (x1 + 32) >> 6;
  const int xs = (x2 + 32) >> 6;
  if (x == xs) return;
  y += ((x * (1 << 6)) + Rounding(yinc) - x1) * yinc >> 6;
  m_lastPixel = swapped ? Pixel{x, y >> 16} : Pixel{xs - 1, (y + (xs - x - 1) * yinc) >> 16};
  m_lastDirection = swapped ? RightToLeft : LeftToRight;
  m_lastAxisAligned = std::abs(yinc) < (1 << 14);
}

}  // namespace plotvane::qtplay

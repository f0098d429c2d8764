// Drawing pieces and thin lines straight into the image. See PixelSink.h.

#include "qtplay/PixelSink.h"

#include <algorithm>
#include <cmath>

namespace plotvane::qtplay {
namespace {

// Far beyond any image; the fixed-point arithmetic below stays within 64 bits.
constexpr double kCoordinateLimit = 1 << 26;

QRgb Opaque(gdi::COLORREF c) { return qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)); }

double Snap(double v) { return std::floor(std::clamp(v, -kCoordinateLimit, kCoordinateLimit) + 0.5); }

}  // namespace

PixelSink::PixelSink(QImage& image, gdi::PlaybackSink& fallback, double patternScale)
    : m_bits(image.bits()),
      m_stride(image.bytesPerLine()),
      m_width(image.width()),
      m_height(image.height()),
      m_fallback(fallback),
      m_patternScale(patternScale),
      m_stroker(image) {}

bool PixelSink::accepts(const QImage& image) {
  const QImage::Format format = image.format();
  return (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
          format == QImage::Format_ARGB32_Premultiplied) &&
         image.isDetached();
}

void PixelSink::setPen(const gdi::LOGPEN& pen, double width) {
  m_pen = pen;
  m_penWidth = width;
  // The raster output rounds a pen to whole pixels, at least one.
  m_thinPen = pen.width == 0 || std::round(width) <= 1.0;
  m_stroker.setColour(Opaque(pen.colour));
  m_fallbackCurrent = false;
}

void PixelSink::setBrush(const gdi::LOGBRUSH& brush) {
  m_brush = brush;
  m_brushColour = Opaque(brush.colour);
  m_fallbackCurrent = false;
}

void PixelSink::setFont(const gdi::LOGFONT& font, double height) { m_fallback.setFont(font, height); }

gdi::PlaybackSink& PixelSink::fallback() {
  if (!m_fallbackCurrent) {
    m_fallback.setPen(m_pen, m_penWidth);
    m_fallback.setBrush(m_brush);
    m_fallbackCurrent = true;
  }
  return m_fallback;
}

std::span<const gdi::PointF> PixelSink::snap(std::span<const gdi::PointF> points) {
  m_snapped.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) m_snapped[i] = gdi::PointF{Snap(points[i].x), Snap(points[i].y)};
  return m_snapped;
}

void PixelSink::polygon(std::span<const gdi::PointF> points) {
  if (!m_thinPen) {
    fallback().polygon(points);
    return;
  }
  m_fill.fill(points, 0, m_height, [this](int y, int x0, int x1) { span(y, x0, x1); });
  // The outline follows the corners snapped to pixels, as lines do.
  if (m_pen.style != gdi::PenStyle::PS_NULL) m_stroker.path(snap(points), true);
}

void PixelSink::polyline(std::span<const gdi::PointF> points) {
  if (!m_thinPen) {
    fallback().polyline(points);
    return;
  }
  if (m_pen.style != gdi::PenStyle::PS_NULL) m_stroker.path(snap(points), false);
}

void PixelSink::line(gdi::PointF from, gdi::PointF to) {
  if (!m_thinPen) {
    fallback().line(from, to);
    return;
  }
  if (m_pen.style != gdi::PenStyle::PS_NULL) {
    m_stroker.line(gdi::PointF{Snap(from.x), Snap(from.y)}, gdi::PointF{Snap(to.x), Snap(to.y)});
  }
}

void PixelSink::text(const gdi::TextRun& run) { m_fallback.text(run); }

void PixelSink::clip(std::span<const gdi::PointF> polygon) {
  m_fallback.clip(polygon);
  m_mask.clear();
  if (!polygon.empty()) {
    m_mask.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), 0);
    m_fill.fill(polygon, 0, m_height, [this](int y, int x0, int x1) {
      const int from = std::max(x0, 0), to = std::min(x1, m_width);
      if (from < to) std::fill_n(m_mask.begin() + static_cast<std::ptrdiff_t>(y) * m_width + from, to - from, 1);
    });
  }
  m_stroker.setMask(m_mask.empty() ? nullptr : m_mask.data());
}

void PixelSink::span(int y, int x0, int x1) {
  const int from = std::max(x0, 0);
  const int to = std::min(x1, m_width);
  if (from >= to) return;
  QRgb* pixels = reinterpret_cast<QRgb*>(m_bits + static_cast<qsizetype>(y) * m_stride);
  if (!m_mask.empty()) {
    // Under a clip, the run in pieces of marked pixels.
    const std::uint8_t* marked = m_mask.data() + static_cast<std::ptrdiff_t>(y) * m_width;
    for (int x = from; x < to;) {
      while (x < to && marked[x] == 0) ++x;
      int end = x;
      while (end < to && marked[end] != 0) ++end;
      if (x < end) paint(pixels, y, x, end);
      x = end;
    }
    return;
  }
  paint(pixels, y, from, to);
}

void PixelSink::paint(QRgb* pixels, int y, int from, int to) {
  if (m_brush.style == gdi::BrushStyle::BS_SOLID) {
    std::fill(pixels + from, pixels + to, m_brushColour);
    return;
  }
  const auto tile = [this](int v) {
    const auto cell = static_cast<long long>(std::floor((v + 0.5) / m_patternScale));
    return static_cast<int>(((cell % 8) + 8) % 8);
  };
  const std::uint8_t bits = m_brush.pattern[static_cast<std::size_t>(tile(y))];
  for (int x = from; x < to; ++x) pixels[x] = (bits >> (7 - tile(x)) & 1) != 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
}

}  // namespace plotvane::qtplay

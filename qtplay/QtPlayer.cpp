// The QPainter output of the record walker. See QtPlayer.h.

#include "qtplay/QtPlayer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <map>
#include <vector>

#include "qtplay/PixelSink.h"
#include "qtplay/QtFonts.h"
#include "qtplay/SpanFill.h"
#include "render/gdi/Playback.h"

namespace plotvane::qtplay {
namespace {

QColor ToColor(gdi::COLORREF c) { return QColor(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)); }

class QtSink final : public gdi::PlaybackSink {
 public:
  QtSink(QPainter& painter, const PlayOptions& options, const QRectF& target)
      : m_painter(painter),
        m_options(options),
        m_target(target.normalized()),
        m_outerClipping(painter.hasClipping()),
        m_outerClip(m_outerClipping ? painter.clipPath() : QPainterPath()) {}

  void setPen(const gdi::LOGPEN& pen, double width) override {
    if (pen.style == gdi::PenStyle::PS_NULL) {
      m_painter.setPen(Qt::NoPen);
      return;
    }
    double w = width;
    if (m_options.raster && pen.width != 0) w = std::max(1.0, std::round(width));
    m_painter.setPen(QPen(ToColor(pen.colour), pen.width == 0 ? 0.0 : w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }

  void setBrush(const gdi::LOGBRUSH& brush) override {
    if (brush.style == gdi::BrushStyle::BS_SOLID) {
      m_painter.setBrush(ToColor(brush.colour));
      return;
    }
    std::uint64_t key = 0;
    for (const std::uint8_t row : brush.pattern) key = (key << 8) | row;
    auto found = m_patterns.find(key);
    if (found == m_patterns.end()) {
      // Vector output gets the pattern drawn eight times larger and scaled
      // down again: PDF viewers smooth an enlarged texture, which would blur
      // an 8 x 8 image into grey but leaves an 8-times-finer one crisp.
      const int magnify = m_options.raster ? 1 : 8;
      QBrush texture(patternImage(brush.pattern).scaled(8 * magnify, 8 * magnify));
      const double scale = m_options.patternScale / magnify;
      if (scale != 1.0) texture.setTransform(QTransform::fromScale(scale, scale));
      found = m_patterns.emplace(key, texture).first;
    }
    m_painter.setBrush(found->second);
  }

  void setFont(const gdi::LOGFONT& font, double height) override {
    m_font = qtFont(font, height);
    m_escapement = font.escapement;
  }

  bool takesExactCorners() const override { return true; }
  void polygon(std::span<const gdi::PointF> points) override {
    if (m_options.raster) {
      rasterPolygon(points);
      return;
    }
    m_painter.drawPolygon(toPolygon(points), Qt::OddEvenFill);
  }

  void polyline(std::span<const gdi::PointF> points) override { m_painter.drawPolyline(toPolygon(points)); }

  void line(gdi::PointF from, gdi::PointF to) override { m_painter.drawLine(map(from), map(to)); }

  void text(const gdi::TextRun& run) override;

  // The painter's own clip as it was when the play began, narrowed to the
  // polygon's even-odd inside while a clip is set.
  void clip(std::span<const gdi::PointF> polygon) override {
    if (m_outerClipping) {
      m_painter.setClipPath(m_outerClip);
    } else {
      m_painter.setClipping(false);
    }
    if (polygon.empty()) return;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(toPolygon(polygon));
    path.closeSubpath();
    m_painter.setClipPath(path, m_outerClipping ? Qt::IntersectClip : Qt::ReplaceClip);
  }

 private:
  QPointF map(gdi::PointF p) const {
    if (m_options.raster) return QPointF(std::floor(p.x + 0.5), std::floor(p.y + 0.5));
    return QPointF(p.x, p.y);
  }

  QPolygonF toPolygon(std::span<const gdi::PointF> points) {
    m_polygon.resize(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) m_polygon[static_cast<qsizetype>(i)] = map(points[i]);
    return m_polygon;
  }

  void rasterPolygon(std::span<const gdi::PointF> points);

  QPainter& m_painter;
  PlayOptions m_options;
  QRectF m_target;
  bool m_outerClipping;
  QPainterPath m_outerClip;
  QFont m_font;
  int m_escapement = 0;
  QPolygonF m_polygon;
  SpanFill m_fill;
  std::map<std::uint64_t, QBrush> m_patterns;  // textures made so far, by pattern bits
};

// The fill by the pixel-centre rule of SpanFill.h, one row of pixels at a
// time (QPainter's own rule would take the corners rounded to its fixed
// point), then the outline through the snapped corners.
void QtSink::rasterPolygon(std::span<const gdi::PointF> points) {
  const QBrush brush = m_painter.brush();
  if (brush.style() != Qt::NoBrush) {
    // Pieces beyond the target by more than its own size show nowhere.
    const int height = static_cast<int>(std::ceil(m_target.height()));
    const int top = static_cast<int>(std::floor(m_target.top())) - height;
    m_fill.fill(points, top, top + 3 * height + 1,
                [&](int y, int x0, int x1) { m_painter.fillRect(QRect(x0, y, x1 - x0, 1), brush); });
  }
  if (m_painter.pen().style() == Qt::NoPen) return;
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPolygon(toPolygon(points));
  m_painter.setBrush(brush);
}

void QtSink::text(const gdi::TextRun& run) {
  const QString text = QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size()));
  const QFontMetricsF metrics(m_font, m_painter.device());
  const double width = metrics.horizontalAdvance(text);
  const double x = run.align == gdi::TextAlign::Centre ? -width / 2 : run.align == gdi::TextAlign::Right ? -width : 0.0;

  m_painter.save();
  if (run.clipped) {
    m_painter.setClipRect(QRectF(QPointF(run.clip.left, run.clip.top), QPointF(run.clip.right, run.clip.bottom)),
                          Qt::IntersectClip);
  }
  m_painter.translate(map(run.anchor));
  m_painter.rotate(-m_escapement / 10.0);
  m_painter.fillRect(QRectF(x, 0.0, width, metrics.ascent() + metrics.descent()), Qt::white);
  m_painter.setFont(m_font);
  m_painter.setPen(Qt::black);
  m_painter.drawText(QPointF(x, metrics.ascent()), text);
  m_painter.restore();
}

// The image to draw into directly, when the options and the painter allow it.
QImage* DirectPixels(QPainter& painter, const PlayOptions& options) {
  if (!options.raster || !options.directPixels || painter.device() == nullptr ||
      painter.device()->devType() != QInternal::Image || !painter.deviceTransform().isIdentity() ||
      painter.hasClipping() || painter.opacity() != 1.0 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
    return nullptr;
  }
  auto* image = static_cast<QImage*>(painter.device());
  return PixelSink::accepts(*image) ? image : nullptr;
}

}  // namespace

QImage patternImage(const gdi::MonoPattern& pattern) {
  QImage image(8, 8, QImage::Format_RGB32);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const bool black = (pattern[static_cast<std::size_t>(row)] >> (7 - column) & 1) != 0;
      image.setPixel(column, row, black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
  }
  return image;
}

void PlayEnhMetaFile(QPainter& painter, const gdi::EnhMetaFile& picture, const QRectF& target,
                     const PlayOptions& options) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, !options.raster);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  QtSink sink(painter, options, target);
  const gdi::RectF rect{target.left(), target.top(), target.right(), target.bottom()};
  if (QImage* image = DirectPixels(painter, options)) {
    PixelSink pixels(*image, sink, options.patternScale);
    gdi::PlayPicture(picture, rect, pixels);
  } else {
    gdi::PlayPicture(picture, rect, sink);
  }
  painter.restore();
}

}  // namespace plotvane::qtplay

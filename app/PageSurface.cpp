#include "app/PageSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/CursorReadout.h"
#include "qtplay/PageWriters.h"
#include "qtplay/QtPlayer.h"

namespace plotvane::app {
namespace {
// The surface's logical pixels: the page at its natural size on a 96-dpi screen.
constexpr double kPixelsPerInch = 96.0;
}  // namespace

PageSurface::PageSurface(QWidget* parent) : QFrame(parent), m_image(kAreaWidth, kAreaHeight, QImage::Format_RGB32) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorder);
  setMouseTracking(true);
  // The image covers the whole drawing area: Qt need not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_image.fill(Qt::white);
}

void PageSurface::clear() {
  m_image.fill(Qt::white);
  m_screenImage = QImage();
  update();
}

void PageSurface::showPage(const gdi::EnhMetaFile& page) {
  m_image.fill(Qt::white);
  {
    QPainter painter(&m_image);
    qtplay::PlayEnhMetaFile(painter, page, QRectF(0, 0, kAreaWidth, kAreaHeight));
  }
  const qreal ratio = devicePixelRatioF();
  m_screenImage = QImage();
  if (ratio > 1.0 && !page.isNull()) {
    m_screenImage = qtplay::renderImage(page, kPixelsPerInch * ratio);
    m_screenImage.setDevicePixelRatio(ratio);
  }
  repaint();
}

void PageSurface::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  // In logical pixels: the device-pixel ratio of the sharper image maps its
  // pixels onto the same 597 x 477 area.
  painter.drawImage(QRectF(contentsRect().topLeft(), QSizeF(kAreaWidth, kAreaHeight)), screenImage());
}

void PageSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position() - contentsRect().topLeft();
  // The frame is not part of the drawing area: moves over it report nothing.
  if (p.x() < 0 || p.y() < 0 || p.x() >= kAreaWidth || p.y() >= kAreaHeight) return;
  emit mouseMovedMm(PixelsToMillimetres(p.x()), PixelsToMillimetres(p.y()));
}

}  // namespace plotvane::app

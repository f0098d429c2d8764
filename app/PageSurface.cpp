#include "app/PageSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/CursorReadout.h"
#include "qtplay/QtPlayer.h"

namespace plotvane::app {

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
  update();
}

void PageSurface::showPage(const gdi::EnhMetaFile& page) {
  m_image.fill(Qt::white);
  {
    QPainter painter(&m_image);
    qtplay::PlayEnhMetaFile(painter, page, QRectF(0, 0, kAreaWidth, kAreaHeight));
  }
  repaint();
}

void PageSurface::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), m_image);
}

void PageSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position() - contentsRect().topLeft();
  // The frame is not part of the drawing area: moves over it report nothing.
  if (p.x() < 0 || p.y() < 0 || p.x() >= kAreaWidth || p.y() >= kAreaHeight) return;
  emit mouseMovedMm(PixelsToMillimetres(p.x()), PixelsToMillimetres(p.y()));
}

}  // namespace plotvane::app

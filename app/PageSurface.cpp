#include "app/PageSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "app/CursorReadout.h"
#include "qtplay/QtPlayer.h"

namespace plotvane::app {
namespace {

// One notch of the wheel zooms by a quarter.
constexpr double kWheelStep = 1.25;
constexpr double kNotch = 120.0;
// The smallest drawing area the window shrinks to: the page still shows
// as a whole.
constexpr int kMinimumArea = 160;
// Around a page smaller than the area: a plain grey that sets off its white.
const QColor kAroundPage(160, 160, 160);

// Up to this many device pixels the whole page is played at a zoom (48 MB),
// beyond it only the part in sight.
constexpr double kMaxWholePagePixels = 12e6;

// The part (logical pixels of the page at `scale`) of the page played at
// that scale and the screen's resolution.
QImage PlayPart(const gdi::EnhMetaFile& page, double scale, qreal ratio, const QRect& part) {
  QImage image(
      QSize(static_cast<int>(std::lround(part.width() * ratio)), static_cast<int>(std::lround(part.height() * ratio))),
      QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    qtplay::PlayEnhMetaFile(painter, page, QRectF(QPointF(part.topLeft()) * -ratio, PageSize() * (scale * ratio)),
                            qtplay::PlayOptions{true, scale * ratio});
  }
  image.setDevicePixelRatio(ratio);
  return image;
}

}  // namespace

PageSurface::PageSurface(QWidget* parent) : QFrame(parent), m_image(kAreaWidth, kAreaHeight, QImage::Format_RGB32) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorder);
  setMouseTracking(true);
  setMinimumSize(kMinimumArea + 2 * kBorder, kMinimumArea + 2 * kBorder);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // The page and the grey around it cover the whole drawing area: Qt need
  // not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_image.fill(Qt::white);
  m_settleTimer.setSingleShot(true);
  m_settleTimer.setInterval(kSettleMs);
  connect(&m_settleTimer, &QTimer::timeout, this, &PageSurface::settle);
}

QSize PageSurface::sizeHint() const { return QSize(kAreaWidth + 2 * kBorder, kAreaHeight + 2 * kBorder); }

void PageSurface::clear() {
  m_image.fill(Qt::white);
  m_page = gdi::EnhMetaFile();
  m_screen = QImage();
  update();
}

void PageSurface::showPage(const gdi::EnhMetaFile& page) {
  m_image.fill(Qt::white);
  {
    QPainter painter(&m_image);
    qtplay::PlayEnhMetaFile(painter, page, QRectF(0, 0, kAreaWidth, kAreaHeight));
  }
  m_page = page;
  m_screen = QImage();
  settle();
  repaint();
}

void PageSurface::fitToArea() {
  m_fit = true;
  setView(FitView(areaSize()));
}

void PageSurface::showActualSize() {
  m_fit = false;
  setView(ZoomedAbout(m_view, 1.0, QRectF(QPointF(), areaSize()).center(), areaSize()));
}

void PageSurface::zoomAbout(double factor, const QPointF& areaPoint) {
  m_fit = false;
  setView(ZoomedAbout(m_view, m_view.scale * factor, areaPoint, areaSize()));
}

void PageSurface::setView(const PageView& view) {
  if (view == m_view) return;
  m_view = view;
  update();
  m_settleTimer.start();
}

QRectF PageSurface::visiblePart() const {
  return QRectF(-m_view.origin, areaSize()).intersected(QRectF(QPointF(), PageSize() * m_view.scale));
}

bool PageSurface::screenIsCurrent() const {
  return !m_screen.isNull() && m_screenScale == m_view.scale && m_screen.devicePixelRatio() == devicePixelRatioF() &&
         QRectF(m_screenCorner, m_screen.deviceIndependentSize()).contains(visiblePart());
}

void PageSurface::settle() {
  m_settleTimer.stop();
  if (m_page.isNull() || screenIsCurrent()) return;
  const qreal ratio = devicePixelRatioF();
  const QSizeF whole = PageSize() * m_view.scale;
  if (ratio == 1.0 && m_view.scale == 1.0) {
    // At 100 % on a 96-dpi screen the page is image() itself.
    m_screen = m_image;
    m_screenCorner = QPointF();
  } else {
    const double pixels = whole.width() * whole.height() * ratio * ratio;
    const QRect part =
        pixels <= kMaxWholePagePixels ? QRectF(QPointF(), whole).toAlignedRect() : visiblePart().toAlignedRect();
    m_screen = PlayPart(m_page, m_view.scale, ratio, part);
    m_screenCorner = part.topLeft();
  }
  m_screenScale = m_view.scale;
  update();
}

void PageSurface::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setClipRect(area);
  painter.translate(area.topLeft());
  const QRectF page(m_view.origin, PageSize() * m_view.scale);
  if (!page.contains(QRectF(QPointF(), areaSize()))) painter.fillRect(QRectF(QPointF(), areaSize()), kAroundPage);
  if (screenIsCurrent()) {
    painter.drawImage(m_view.origin + m_screenCorner, m_screen);
    return;
  }
  // The view is changing: the 96-dpi page stretched to it, and over it the
  // last sharp image moved and stretched alike, until the page is played
  // again for the view.
  painter.drawImage(page, m_image);
  if (!m_screen.isNull()) {
    const double stretch = m_view.scale / m_screenScale;
    painter.drawImage(QRectF(m_view.origin + m_screenCorner * stretch, m_screen.deviceIndependentSize() * stretch),
                      m_screen);
  }
  if (!m_page.isNull() && !m_settleTimer.isActive()) m_settleTimer.start();
}

void PageSurface::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  m_view = m_fit ? FitView(areaSize()) : Clamped(m_view, areaSize());
  update();
  m_settleTimer.start();
}

void PageSurface::mousePressEvent(QMouseEvent* event) {
  const QSizeF page = PageSize() * m_view.scale;
  const bool pannable = page.width() > areaSize().width() || page.height() > areaSize().height();
  if (event->button() != Qt::LeftButton || !pannable) return QFrame::mousePressEvent(event);
  m_dragFrom = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void PageSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_dragFrom) return QFrame::mouseReleaseEvent(event);
  m_dragFrom.reset();
  unsetCursor();
}

void PageSurface::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragFrom) {
    setView(Panned(m_view, event->position() - *m_dragFrom, areaSize()));
    m_dragFrom = event->position();
  }
  const QPointF p = event->position() - contentsRect().topLeft();
  // The frame is not part of the drawing area, nor the area around the page:
  // moves over them report nothing.
  if (p.x() < 0 || p.y() < 0 || p.x() >= areaSize().width() || p.y() >= areaSize().height()) return;
  const QPointF page = ToPage(m_view, p);
  if (page.x() < 0 || page.y() < 0 || page.x() >= kAreaWidth || page.y() >= kAreaHeight) return;
  emit mouseMovedMm(PixelsToMillimetres(page.x()), PixelsToMillimetres(page.y()));
}

void PageSurface::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kNotch;
  if (notches == 0.0) return QFrame::wheelEvent(event);
  zoomAbout(std::pow(kWheelStep, notches), event->position() - contentsRect().topLeft());
  event->accept();
}

}  // namespace plotvane::app

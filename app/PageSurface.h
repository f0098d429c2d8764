#pragma once
// The drawing surface Picture2: the page on screen.
//
// A sunken frame two pixels wide around the drawing area, 597 x 477 pixels
// when the window opens: the page's 157.95 x 126.20 mm at 96 pixels per
// inch. The surface keeps a persistent image of what was played into it,
// image(): that 96-dpi picture of 597 x 477 pixels is what the clipboard and
// the bitmap export take, whatever the view.
//
// The view (PageView.h): the page fits the area as the window grows or
// shrinks, until the wheel zooms about the cursor or 100 % is asked for;
// with the page larger than the area a drag with the left button pans.
// What the surface shows is the recorded page played again at the view's
// scale and the screen's resolution (sharp at any zoom and device-pixel
// ratio): the whole page while that image stays moderate, so that panning
// plays nothing, else the part in sight. While the view changes beyond that
// image (turns of the wheel, a resize, a pan out of the part played) the last
// image is shown moved and stretched, over the 96-dpi image where it falls
// short, and the page is played again once the view has been still for a
// moment.
//
// Mouse moves over the page are reported in millimetres from the page's
// top-left corner at 100 %, mapped back through the view: the scale the
// cursor read-out works in.

#include <QFrame>
#include <QImage>
#include <QTimer>
#include <optional>

#include "app/PageView.h"
#include "render/gdi/EnhMetaFile.h"

namespace plotvane::app {

class PageSurface final : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kAreaWidth = 597;
  static constexpr int kAreaHeight = 477;
  static constexpr int kBorder = 2;
  // How long the view stays still before the page is played again for it.
  static constexpr int kSettleMs = 150;

  explicit PageSurface(QWidget* parent = nullptr);

  // The frame around the drawing area of the page at 100 %.
  QSize sizeHint() const override;

  // Blanks the image; the blank surface shows at the next event processing.
  void clear();
  // Plays the page into the image at (0, 0)-(597, 477), and for the view,
  // and repaints at once.
  void showPage(const gdi::EnhMetaFile& page);

  const QImage& image() const { return m_image; }
  // What the surface paints once the view has settled: the page played at
  // the view's scale and the screen's device-pixel ratio, whole or the part
  // in sight; image() itself at 100 % on a 96-dpi screen.
  const QImage& screenImage() const { return m_screen.isNull() ? m_image : m_screen; }

  const PageView& view() const { return m_view; }
  // Whether the page follows the area's size (全体表示).
  bool fitsArea() const { return m_fit; }
  // The whole page, as large as the area allows, from now on as it resizes.
  void fitToArea();
  // The page at 100 %, the point at the area's centre staying there.
  void showActualSize();
  // The scale multiplied by factor about a point of the drawing area.
  void zoomAbout(double factor, const QPointF& areaPoint);
  // Plays the page for the view now, if the view has changed since.
  void settle();

 signals:
  // X and Y in millimetres from the page's top-left corner at 100 %.
  void mouseMovedMm(float X, float Y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSizeF areaSize() const { return QSizeF(contentsRect().size()); }
  void setView(const PageView& view);
  bool screenIsCurrent() const;
  // The part of the page at the view's scale that is in sight.
  QRectF visiblePart() const;

  QImage m_image;
  gdi::EnhMetaFile m_page;
  PageView m_view;
  bool m_fit = true;
  // The page played for the screen, at m_screenScale; its top-left corner
  // lies at m_screenCorner of the page at that scale (logical pixels).
  QImage m_screen;
  double m_screenScale = 1.0;
  QPointF m_screenCorner;
  QTimer m_settleTimer;
  std::optional<QPointF> m_dragFrom;
};

}  // namespace plotvane::app

#pragma once
// The drawing surface Picture2: the page on screen.
//
// A sunken frame two pixels wide around a drawing area of 597 x 477 pixels,
// the page's 157.95 x 126.20 mm at 96 pixels per inch. The surface keeps a
// persistent image of what was played into it, so repainting never draws the
// page again. Mouse moves over the drawing area are reported in millimetres
// from its top-left corner, the scale the cursor read-out works in.
//
// On a screen with a device-pixel ratio above 1 (a desktop scaled to 150 % or
// 200 %) the recorded page is also played at the screen's resolution, and
// that sharper image is what the surface shows; image() stays the 96-dpi
// picture of 597 x 477 pixels that the clipboard and the bitmap export take.

#include <QFrame>
#include <QImage>

#include "render/gdi/EnhMetaFile.h"

namespace plotvane::app {

class PageSurface final : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kAreaWidth = 597;
  static constexpr int kAreaHeight = 477;
  static constexpr int kBorder = 2;

  explicit PageSurface(QWidget* parent = nullptr);

  // Blanks the image; the blank surface shows at the next event processing.
  void clear();
  // Plays the page into the image at (0, 0)-(597, 477) and repaints at once.
  void showPage(const gdi::EnhMetaFile& page);

  const QImage& image() const { return m_image; }
  // What the surface paints: image(), or its sharper twin at the screen's
  // device-pixel ratio.
  const QImage& screenImage() const { return m_screenImage.isNull() ? m_image : m_screenImage; }

 signals:
  // X and Y in millimetres from the drawing area's top-left corner.
  void mouseMovedMm(float X, float Y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage m_image;
  QImage m_screenImage;
};

}  // namespace plotvane::app

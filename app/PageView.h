#pragma once
// How the page lies on the drawing area: its scale and where its top-left
// corner is.
//
// The page is 597 x 477 pixels at 96 per inch (its real size on such a
// screen); the view shows it `scale` times that, with its top-left corner at
// `origin` in the drawing area's logical pixels. A point of the area maps to
// the page by (point - origin) / scale, the exact inverse of how the page is
// drawn, so that the cursor read-out under any zoom names what it points at.
//
// A dimension in which the page is smaller than the area centres it; one in
// which it is larger keeps the area covered (no gap at either edge). Origins
// are whole pixels, so that the page's pixels meet the screen's.

#include <QPointF>
#include <QSizeF>

namespace plotvane::app {

struct PageView {
  double scale = 1.0;
  QPointF origin;

  bool operator==(const PageView&) const = default;
};

// The page's size in logical pixels at 100 %.
QSizeF PageSize();
// The zoom limits: a tenth of the page up to 16 times its size.
inline constexpr double kMinScale = 0.1;
inline constexpr double kMaxScale = 16.0;

// The largest scale at which the whole page fits the area.
double FitScale(const QSizeF& area);
// The whole page in the area, as large as fits, centred.
PageView FitView(const QSizeF& area);
// The view moved into place in an area (see above), with its scale kept.
PageView Clamped(PageView view, const QSizeF& area);
// The view at another scale (within the limits), the page point under
// anchor staying there as far as the placement rule allows.
PageView ZoomedAbout(const PageView& view, double scale, const QPointF& anchor, const QSizeF& area);
// The page moved by delta, within the placement rule.
PageView Panned(const PageView& view, const QPointF& delta, const QSizeF& area);
// The page point (logical pixels at 100 %) under a point of the area.
QPointF ToPage(const PageView& view, const QPointF& area);

}  // namespace plotvane::app

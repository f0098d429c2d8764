// The page's placement on the drawing area. See PageView.h.

#include "app/PageView.h"

#include <algorithm>
#include <cmath>

#include "app/PageSurface.h"

namespace plotvane::app {
namespace {

// The origin along one axis: centred when the page is the smaller, else
// within the range that keeps the area covered.
double Placed(double origin, double page, double area) {
  if (page <= area) return std::round((area - page) / 2.0);
  return std::round(std::clamp(origin, area - page, 0.0));
}

}  // namespace

QSizeF PageSize() { return QSizeF(PageSurface::kAreaWidth, PageSurface::kAreaHeight); }

double FitScale(const QSizeF& area) {
  const QSizeF page = PageSize();
  return std::clamp(std::min(area.width() / page.width(), area.height() / page.height()), kMinScale, kMaxScale);
}

PageView FitView(const QSizeF& area) { return Clamped(PageView{FitScale(area), QPointF()}, area); }

PageView Clamped(PageView view, const QSizeF& area) {
  const QSizeF page = PageSize() * view.scale;
  view.origin = QPointF(Placed(view.origin.x(), page.width(), area.width()),
                        Placed(view.origin.y(), page.height(), area.height()));
  return view;
}

PageView ZoomedAbout(const PageView& view, double scale, const QPointF& anchor, const QSizeF& area) {
  const double limited = std::clamp(scale, kMinScale, kMaxScale);
  const QPointF page = ToPage(view, anchor);
  return Clamped(PageView{limited, anchor - page * limited}, area);
}

PageView Panned(const PageView& view, const QPointF& delta, const QSizeF& area) {
  return Clamped(PageView{view.scale, view.origin + delta}, area);
}

QPointF ToPage(const PageView& view, const QPointF& area) { return (area - view.origin) / view.scale; }

}  // namespace plotvane::app

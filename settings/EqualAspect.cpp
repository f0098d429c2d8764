// Equal spans of the map's X and Y windows. See EqualAspect.h.

#include "settings/EqualAspect.h"

#include <cmath>

#include "common/DataRange.h"

#include "settings/NumberText.h"

namespace plotvane {
namespace {

// Widens a..b about its centre to span, keeping its direction.
void Widen(double& a, double& b, double span) {
  const double centre = a / 2 + b / 2;  // halves first: no overflow near the double limit
  const double half = std::copysign(span / 2, b - a);
  a = centre - half;
  b = centre + half;
}

}  // namespace

MapWindow EqualAspect(const MapWindow& window) {
  MapWindow out = window;
  const double spanX = std::fabs(window.x2 - window.x1);
  const double spanY = std::fabs(window.y2 - window.y1);
  if (!std::isfinite(spanX) || !std::isfinite(spanY) || spanX == 0.0 || spanY == 0.0) return out;
  if (spanX < spanY) Widen(out.x1, out.x2, spanY);
  if (spanY < spanX) Widen(out.y1, out.y2, spanX);
  return out;
}

void ApplyEqualAspect(DrawSettings& settings, const DataRange& range) {
  DrawSettings checked = settings;
  ValidateDrawSettings(checked, range);
  const MapWindow window = EqualAspect(ReadDrawParameters(checked).window);
  settings.X1 = NumberText(window.x1);
  settings.X2 = NumberText(window.x2);
  settings.Y1 = NumberText(window.y1);
  settings.Y2 = NumberText(window.y2);
}

}  // namespace plotvane

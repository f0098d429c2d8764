// Band colours. See LevelColour.h.

#include "render/LevelColour.h"

#include <cmath>

namespace plotvane {
namespace {

constexpr double kExponent = 1.4;

// The rising arc from 0 to 1 over s = 0..1, and the falling one.
double Rising(double s) { return std::pow(1.0 - std::pow(1.0 - s, kExponent), 1.0 / kExponent); }
double Falling(double s) { return std::pow(1.0 - std::pow(s, kExponent), 1.0 / kExponent); }

// Halves to even, as every colour component is rounded; above 255 counts as 255.
int Component(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= 0.0)) return 0;
  return rounded > 255.0 ? 255 : static_cast<int>(rounded);
}

gdi::COLORREF Rgb(double red, double green, double blue) {
  return gdi::RGB(Component(red), Component(green), Component(blue));
}

gdi::COLORREF ColourRamp(double t) {
  const double u = 100.0 * t;
  if (u > 100.0) return Rgb(255, 255, 255);
  if (u >= 75.0) return Rgb(255, 255 * Falling((u - 75.0) / 25.0), 0);
  if (u >= 50.0) return Rgb(255 * Rising((u - 50.0) / 25.0), 255, 0);
  if (u >= 25.0) return Rgb(0, 255, 255 * Falling((u - 25.0) / 25.0));
  if (u >= 0.0) return Rgb(0, 255 * Rising(u / 25.0), 255);
  return Rgb(100, 100, 100);
}

gdi::COLORREF GreyRamp(double t) {
  const double u = 225.0 * t;
  const double grey = u > 255.0 ? 255.0 : u > 0.0 ? 30.0 + u : 30.0;
  return Rgb(grey, grey, grey);
}

}  // namespace

gdi::COLORREF LevelColour(double t, FillMode mode) {
  switch (mode) {
    case FillMode::FillColour: return ColourRamp(t);
    case FillMode::FillGrey: return GreyRamp(t);
    case FillMode::FillPattern: break;
  }
  return gdi::RGB(0, 0, 0);
}

}  // namespace plotvane

// The numbers of the drawing settings. See DrawParameters.h.

#include "settings/DrawParameters.h"

#include <algorithm>

#include "settings/NumberText.h"

namespace plotvane {

DrawParameters ReadDrawParameters(const DrawSettings& s) {
  DrawParameters p;
  p.window =
      MapWindow{NumericPrefixValue(s.X1), NumericPrefixValue(s.X2), NumericPrefixValue(s.Y1), NumericPrefixValue(s.Y2)};
  p.z1 = NumericPrefixValue(s.Z1);
  p.z2 = NumericPrefixValue(s.Z2);
  p.levels = NumericPrefixValue(s.n);
  p.lineCount = RoundHalfEven(p.levels).value_or(0);
  p.continuousColour = s.ContinuousColour == 1;
  p.bandCount = p.continuousColour ? kContinuousBands : p.lineCount;
  p.distortionLimit = ParseNumber(s.sq);
  p.contourLines = s.ContourLines == 1;
  p.triangleEdges = s.TriangleEdges == 1;
  p.fillMode = s.fillMode;
  return p;
}

bool WindowMeetsBox(const MapWindow& window, double xMin, double yMin, double xMax, double yMax) {
  const auto meets = [](double a, double b, double lo, double hi) {
    return std::min(a, b) <= hi && std::max(a, b) >= lo;
  };
  return meets(window.x1, window.x2, xMin, xMax) && meets(window.y1, window.y2, yMin, yMax);
}

}  // namespace plotvane

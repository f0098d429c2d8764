#pragma once
// The numbers of the drawing settings, read once.
//
// DrawSettings keeps its fields as the texts the user typed or a file gave;
// the page, the look-ups, the grid and the contour data work with numbers.
// ReadDrawParameters is the one place that turns the texts into them, by one
// set of rules:
// - the window and the Z range by the numeric-prefix rule (NumberText.h), so
//   "12abc" is 12 and a text with no number is 0;
// - the number of contour levels is n by the same rule, rounded to a whole
//   number with halves to even (0 when it does not round into 32 bits); the
//   number of fill bands is kContinuousBands with continuous colouring,
//   otherwise the same as the number of levels;
// - the distortion limit is sq when the whole text is one finite number, and
//   no limit for an empty text or any other ("inf", "none", "0.5abc").
// The texts are not checked here: the page reads them from the checked copy
// of render/RenderSettings.h, the dialog checks them on OK.

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/DrawSettings.h"

namespace plotvane {

// Bands of continuous colouring.
inline constexpr std::int32_t kContinuousBands = 200;

// Data X at the left and right edge of the map, data Y at the bottom and top.
struct MapWindow {
  double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
  bool operator==(const MapWindow&) const = default;
};

struct DrawParameters {
  MapWindow window;
  double z1 = 0.0, z2 = 0.0;  // Z at the low and high end of the colour scale
  double levels = 0.0;        // n as read, before rounding
  std::int32_t lineCount = 0;
  std::int32_t bandCount = 0;
  std::optional<double> distortionLimit;
  bool contourLines = true;
  bool triangleEdges = false;
  bool continuousColour = false;
  FillMode fillMode = FillMode::FillColour;
  // Explicit levels (settings/LevelList.h), rising, when the page is drawn
  // with them (render/ExplicitLevels.h); empty otherwise. The settings never
  // give them: ReadDrawParameters leaves this empty.
  std::vector<double> levelValues;
};

DrawParameters ReadDrawParameters(const DrawSettings& settings);

// Whether the window shows any of the box from (xMin, yMin) to (xMax, yMax),
// whichever way round its edges are given.
bool WindowMeetsBox(const MapWindow& window, double xMin, double yMin, double xMax, double yMax);

}  // namespace plotvane

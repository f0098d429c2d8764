// Validation of the drawing settings, as the dialog's OK and Test run it.

#include "settings/DrawSettings.h"

#include "common/Capacity.h"
#include "common/DataRange.h"
#include "settings/DrawParameters.h"
#include "settings/NumberText.h"

namespace plotvane {

void DrawSettings::selectFillMode(FillMode mode) {
  fillMode = mode;
  if (mode == FillMode::FillPattern) ContinuousColour = 0;
}

namespace {

// A numeric text becomes the text of its value, anything else the fallback.
void Canonicalise(std::string& text, double fallback) {
  const auto value = ParseNumber(text);
  text = NumberText(value ? *value : fallback);
}

}  // namespace

void ValidateDrawSettings(DrawSettings& s, const DataRange& range) {
  Canonicalise(s.X1, range.xMin);
  Canonicalise(s.X2, range.xMax);
  Canonicalise(s.Y1, range.yMin);
  Canonicalise(s.Y2, range.yMax);
  Canonicalise(s.Z1, range.zMin);
  Canonicalise(s.Z2, range.zMax);

  if (const auto levels = ParseNumber(s.n)) {
    s.n = NumberText(WholePart(*levels));
  } else {
    s.n = NumberText(capacity::kDefaultLevels);
  }
  if (const auto limit = ParseNumber(s.sq)) {
    s.sq = NumberText(*limit);
  } else {
    s.sq.clear();
  }

  // Equal ends leave no range; X and Y may run backwards (a mirrored map), Z may not.
  // Each check below replaces only fields the later ones do not read.
  const DrawParameters p = ReadDrawParameters(s);
  if (p.window.x2 == p.window.x1) {
    s.X1 = NumberText(range.xMin);
    s.X2 = NumberText(range.xMax);
  }
  if (p.window.y2 == p.window.y1) {
    s.Y1 = NumberText(range.yMin);
    s.Y2 = NumberText(range.yMax);
  }
  if (!(p.z2 > p.z1)) {
    s.Z1 = NumberText(range.zMin);
    s.Z2 = NumberText(range.zMax);
  }

  if (p.levels < capacity::kMinLevels) s.n = NumberText(capacity::kMinLevels);
  if (p.levels > capacity::kMaxLevels) s.n = NumberText(capacity::kMaxLevels);
}

}  // namespace plotvane

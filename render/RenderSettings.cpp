// The settings the page is drawn from. See RenderSettings.h.

#include "render/RenderSettings.h"

#include "settings/NumberText.h"

namespace plotvane {

std::int32_t LineCountOf(const DrawSettings& settings) {
  return RoundHalfEven(NumericPrefixValue(settings.n)).value_or(0);
}

std::int32_t BandCountOf(const DrawSettings& settings) {
  return settings.ContinuousColour == 1 ? kContinuousBands : LineCountOf(settings);
}

DrawSettings SettingsForDrawing(const DrawSettings& settings, const DataRange& range) {
  // The dialog's own replacements, taken only for the fields that need one.
  DrawSettings validated = settings;
  ValidateDrawSettings(validated, range);

  DrawSettings s = settings;
  if (NumericPrefixValue(s.X1) == NumericPrefixValue(s.X2)) {
    s.X1 = validated.X1;
    s.X2 = validated.X2;
  }
  if (NumericPrefixValue(s.Y1) == NumericPrefixValue(s.Y2)) {
    s.Y1 = validated.Y1;
    s.Y2 = validated.Y2;
  }
  if (!(NumericPrefixValue(s.Z2) > NumericPrefixValue(s.Z1))) {
    s.Z1 = validated.Z1;
    s.Z2 = validated.Z2;
  }
  const std::int32_t lines = LineCountOf(s);
  if (lines < kMinBandCount || lines > kMaxBandCount) s.n = validated.n;
  // A limit that is not a number ("inf") would read as 0 and hide every triangle.
  if (!s.sq.empty() && !IsNumeric(s.sq)) s.sq.clear();
  return s;
}

}  // namespace plotvane

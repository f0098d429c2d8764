// The settings the page is drawn from. See RenderSettings.h.

#include "render/RenderSettings.h"

namespace plotvane {

DrawSettings SettingsForDrawing(const DrawSettings& settings, const DataRange& range) {
  // The dialog's own replacements, taken only for the fields that need one.
  DrawSettings validated = settings;
  ValidateDrawSettings(validated, range);

  const DrawParameters p = ReadDrawParameters(settings);
  DrawSettings s = settings;
  if (p.window.x1 == p.window.x2) {
    s.X1 = validated.X1;
    s.X2 = validated.X2;
  }
  if (p.window.y1 == p.window.y2) {
    s.Y1 = validated.Y1;
    s.Y2 = validated.Y2;
  }
  if (!(p.z2 > p.z1)) {
    s.Z1 = validated.Z1;
    s.Z2 = validated.Z2;
  }
  if (p.lineCount < kMinBandCount || p.lineCount > kMaxBandCount) s.n = validated.n;
  // A limit that is not a number ("inf") sets none, also where a text is shown.
  if (!s.sq.empty() && !p.distortionLimit) s.sq.clear();
  return s;
}

DrawParameters ParametersForDrawing(const DrawSettings& settings, const DataRange& range) {
  return ReadDrawParameters(SettingsForDrawing(settings, range));
}

}  // namespace plotvane

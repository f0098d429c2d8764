// Reading the distortion limit: see DistortionLimit.h.

#include "tools/DistortionLimit.h"

#include <limits>
#include <optional>

#include "settings/DrawParameters.h"
#include "settings/NumberText.h"

namespace plotvane {

DistortionLimit ReadDistortionLimit(const DrawSettings& settings) {
  const std::optional<double> parsed = ReadDrawParameters(settings).distortionLimit;
  if (!parsed) return {};
  const double value = *parsed;
  if (const auto single = ToSingle(value)) return {true, *single};
  const float inf = std::numeric_limits<float>::infinity();
  return {true, value > 0 ? inf : -inf};
}

}  // namespace plotvane

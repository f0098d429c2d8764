// Reading the distortion limit: see DistortionLimit.h.

#include "tools/DistortionLimit.h"

#include <limits>
#include <optional>

#include "settings/NumberText.h"

namespace plotvane {

DistortionLimit ReadDistortionLimit(std::string_view sq) {
  // The page's rule: a text that is not a finite number sets no limit.
  const std::optional<double> parsed = ParseNumber(sq);
  if (!parsed) return {};
  const double value = *parsed;
  if (const auto single = ToSingle(value)) return {true, *single};
  const float inf = std::numeric_limits<float>::infinity();
  return {true, value > 0 ? inf : -inf};
}

}  // namespace plotvane

// Reading the distortion limit: see DistortionLimit.h.

#include "tools/DistortionLimit.h"

#include <limits>

#include "settings/NumberText.h"

namespace plotvane {

DistortionLimit ReadDistortionLimit(std::string_view sq) {
  if (sq.empty()) return {};
  const double value = NumericPrefixValue(sq);
  if (const auto single = ToSingle(value)) return {true, *single};
  const float inf = std::numeric_limits<float>::infinity();
  return {true, value > 0 ? inf : -inf};
}

}  // namespace plotvane

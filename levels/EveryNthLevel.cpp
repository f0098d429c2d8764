// Every m-th level. See EveryNthLevel.h.

#include "levels/EveryNthLevel.h"

#include <algorithm>
#include <cmath>

namespace plotvane {

namespace {

constexpr double kWholeTolerance = 1e-3;

}  // namespace

std::vector<bool> EveryNthLevel(const std::vector<double>& values, double step, double base, std::int32_t m) {
  std::vector<bool> taken(values.size(), false);
  bool onMultiples = false;
  if (step > 0) {
    for (std::size_t k = 0; k < values.size(); ++k) {
      const double q = (values[k] - base) / step;
      const double whole = std::round(q);
      if (!(std::fabs(q - whole) <= kWholeTolerance)) continue;
      onMultiples = true;
      taken[k] = std::fmod(whole, static_cast<double>(m)) == 0;
    }
  }
  if (!onMultiples) {
    for (std::size_t k = 0; k < values.size(); ++k) taken[k] = k % static_cast<std::size_t>(m) == 0;
  }
  return taken;
}

std::vector<bool> PageEveryNthLevel(const DrawParameters& parameters, double base, std::int32_t m) {
  if (!parameters.levelValues.empty()) return EveryNthLevel(parameters.levelValues, 0.0, base, m);
  const std::int32_t n = std::max(parameters.lineCount, 1);
  const double step = (parameters.z2 - parameters.z1) / n;
  std::vector<double> values(static_cast<std::size_t>(n) + 1);
  for (std::int32_t k = 0; k <= n; ++k) values[static_cast<std::size_t>(k)] = parameters.z1 + k * step;
  return EveryNthLevel(values, step, base, m);
}

void MarkIndexLevel(ContourLevel& level, const std::vector<bool>& indexLevels) {
  const auto k = static_cast<std::size_t>(level.index);
  level.indexLine = level.index >= 0 && k < indexLevels.size() && indexLevels[k];
}

}  // namespace plotvane

// Explicit levels on the page. See ExplicitLevels.h.

#include "render/ExplicitLevels.h"

#include <cassert>

namespace plotvane {

void UseExplicitLevels(DrawParameters& parameters, const std::vector<double>& levels) {
  if (levels.empty()) return;
  assert(levels.size() >= 2 && "ParseLevelList gives at least two levels");
  parameters.levelValues = levels;
  parameters.z1 = levels.front();
  parameters.z2 = levels.back();
  parameters.lineCount = static_cast<std::int32_t>(levels.size()) - 1;
  parameters.bandCount = parameters.lineCount;
  parameters.levels = parameters.lineCount;
  parameters.continuousColour = false;
}

std::vector<double> NormalisedLevelLines(const DrawParameters& parameters) {
  std::vector<double> lines;
  lines.reserve(parameters.levelValues.size());
  // The order of operations of a vertex's level, (zr - Z1) / (Z2 - Z1).
  for (const double L : parameters.levelValues) lines.push_back((L - parameters.z1) / (parameters.z2 - parameters.z1));
  return lines;
}

}  // namespace plotvane

#pragma once
// Every m-th level counted from the base's multiples: index contours (every
// fifth line of a 1 m interval falls on 100, 105, 110) and the levels chosen
// for labels land on round values, not on wherever the data's Z1 began.

#include <cstdint>
#include <vector>

#include "levels/ContourSet.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// values: the levels' Z, rising, line k at values[k]; step: their spacing, 0
// for chosen levels. Level k is taken when (values[k] - base) / step is a
// whole number q, within a thousandth of a step (the settings keep Z1 and Z2
// to about seven digits), and q is a multiple of m. When no level lies on the
// base's multiples (chosen levels, or equal steps from a Z1 off them) the
// levels are counted from the first: k a multiple of m. m >= 1.
std::vector<bool> EveryNthLevel(const std::vector<double>& values, double step, double base, std::int32_t m);

// The index levels of the page: EveryNthLevel over its lines 0..lineCount
// (the chosen levels, or Z1 + k (Z2 - Z1) / n with the step (Z2 - Z1) / n).
std::vector<bool> PageEveryNthLevel(const DrawParameters& parameters, double base, std::int32_t m);

// Marks the level (level k of the page's even steps) as an index contour or
// not, by the page's index levels (PageEveryNthLevel).
void MarkIndexLevel(ContourLevel& level, const std::vector<bool>& indexLevels);

}  // namespace plotvane

#pragma once
// The page drawn at explicit levels (settings/LevelList.h).
//
// With levels L0 < L1 < ... < Lm the page is drawn as with Z1 = L0, Z2 = Lm
// and m bands, except that the lines lie at the chosen values instead of
// even steps: line k at the normalised level (Lk - L0) / (Lm - L0), computed
// as every vertex's level is (ContourMap.h), so L0 and Lm are exactly 0 and 1.
// Band k (0..m-1) lies between Lk and Lk+1 and takes the colour of band k of
// m on the scale, whose bar therefore shows m equal segments; whatever lies
// below L0 or from Lm up takes the below-range or above-range style, and no
// line is drawn there. Continuous colouring does not apply: the bands are the
// chosen ones.

#include <vector>

#include "settings/DrawParameters.h"

namespace plotvane {

// Sets z1, z2, the counts and levelValues of parameters for levels (at least
// two, rising); leaves parameters as they are for no levels.
void UseExplicitLevels(DrawParameters& parameters, const std::vector<double>& levels);

// The normalised levels of the lines of parameters.levelValues; empty when
// the page is drawn in even steps.
std::vector<double> NormalisedLevelLines(const DrawParameters& parameters);

}  // namespace plotvane

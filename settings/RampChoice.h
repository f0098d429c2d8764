#pragma once
// Which colours the fill bands take: the program's own ramps (colour or
// grey, as the fill mode says) or a ramp chosen for this run, one of the
// named tables or stops read from a file (render/ColourRamps.h). Like the
// contour labels a choice for one run or one command: no view or contour
// file keeps it, so the settings block stays its fourteen lines.
//
// Kinds of ramp:
// - Own: LevelColour of the fill mode, the page as it always was;
// - Grey: the program's grey ramp, whatever the fill mode;
// - Listed: a table of evenly spaced entries, looked up by the entry whose
//   interval of [0, 1] holds t (entry floor(t N) of N, the top one for t = 1),
//   as published colour maps are sampled;
// - Stops: colours at given positions, interpolated linearly between them
//   and held at the first and last stop beyond them.
// Components are 0..255 (as the page's colours are written); positions 0..1.

#include <string>
#include <vector>

namespace plotvane {

enum class RampKind { Own, Grey, Listed, Stops };

struct RampStop {
  double position = 0.0;
  double red = 0.0, green = 0.0, blue = 0.0;
  bool operator==(const RampStop&) const = default;
};

struct RampChoice {
  RampKind kind = RampKind::Own;
  // Listed: the entries (positions unused); Stops: at rising positions.
  std::vector<RampStop> stops;
  bool operator==(const RampChoice&) const = default;
};

}  // namespace plotvane

#pragma once
// Contour labels: whether the page writes the level's value along the
// contour lines, and on which levels; and which levels are index contours.
// A choice for one run of the program or one command, never stored in a
// view or contour file (the settings block stays its fourteen lines).

#include <cstdint>

namespace plotvane {

struct LabelOptions {
  bool show = false;
  // Label every m-th level, counted from the base's multiples
  // (levels/EveryNthLevel.h); 0 lets the page choose m, counted from Z1, so
  // that the labels do not crowd.
  std::int32_t every = 0;
  // Index contours: every n-th level, counted the same way, drawn with a
  // heavier pen and, with labels shown, the only ones labelled; 0: none.
  std::int32_t indexEvery = 0;
  // The base the levels are counted from (the interval's base, else 0).
  double base = 0.0;
  bool operator==(const LabelOptions&) const = default;
};

}  // namespace plotvane

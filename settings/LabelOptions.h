#pragma once
// Contour labels: whether the page writes the level's value along the
// contour lines, and on which levels. A choice for one run of the program or
// one command, never stored in a view or contour file (the settings block
// stays its fourteen lines).

#include <cstdint>

namespace plotvane {

struct LabelOptions {
  bool show = false;
  // Label every m-th level (k = 0, m, 2m, ... counted from Z1); 0 lets the
  // page choose m so that the labels do not crowd.
  std::int32_t every = 0;
  bool operator==(const LabelOptions&) const = default;
};

}  // namespace plotvane

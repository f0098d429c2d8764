#pragma once
// Contour levels from an interval instead of a band count.
//
// A surveyor thinks "a line every D metres from B", not "n bands between the
// extremes". Given D > 0 and a base B, the scale runs from Z1, the largest
// B + kD not above the data's Z minimum, to Z2, the smallest B + kD not below
// its maximum, in n = (Z2 - Z1) / D bands, so that every level line the page
// draws (Z1 + j (Z2 - Z1) / n) falls on B + kD.
//
// Two refinements keep that promise under the dialog's rules:
// - A quotient within a few ulps of a whole number counts as that number, so
//   that "every 0.1 from 0" puts a line on a minimum of 0.3 rather than one
//   interval below it (0.3 / 0.1 is 2.9999999999999996 in binary).
// - The dialog accepts no fewer than two bands; a range within one interval
//   (a range of zero included) gets Z2 raised by whole intervals until n is
//   two, so the lines still fall on B + kD.
// More than 512 bands is refused and nothing changes; so are a D that is not
// a positive finite number and a B that is not finite.

#include <cstdint>

#include "settings/DrawSettings.h"

namespace plotvane {

struct IntervalLevels {
  enum class Status { Ok, BadInterval, TooManyLevels };
  Status status = Status::BadInterval;
  double z1 = 0.0, z2 = 0.0;
  std::int32_t n = 0;
};

// The levels for interval d and base b over the data's Z range zMin..zMax.
IntervalLevels LevelsForInterval(double d, double b, double zMin, double zMax);

// Writes the levels into the texts Z1, Z2 and n when their status is Ok;
// leaves the settings as they are otherwise. Returns the status.
IntervalLevels::Status ApplyContourInterval(DrawSettings& settings, double d, double b, double zMin, double zMax);

}  // namespace plotvane

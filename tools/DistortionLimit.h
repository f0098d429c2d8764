#pragma once
// The distortion upper limit that decides which triangles answer a look-up.
//
// The setting sq is read as every reading of the settings reads it
// (settings/DrawParameters.h): empty, or any text that is not a finite number
// as a whole ("Inf", "none", "1e999", "0.5abc"), means no limit, as on the
// page; otherwise its value rounded to single precision is the limit, and
// triangle i
// is admitted only when hh[i], also rounded to single precision, is less than
// it. A triangle whose distortion equals the limit is excluded. Comparing in
// single precision is deliberate: the limit a user types (say 0.9) and a
// distortion computed in double that rounds to the same float must meet as
// equal, so such a triangle is left out.

#include "settings/DrawSettings.h"

namespace plotvane {

struct DistortionLimit {
  bool active = false;  // false: every triangle is admitted
  float limit = 0.0f;   // meaningful only when active

  bool admits(double hh) const { return !active || static_cast<float>(hh) < limit; }
};

// Reads the limit of the settings. A value beyond the single-precision range
// becomes an infinite limit of its sign (everything finite is below +inf,
// nothing is below -inf) instead of an undefined conversion.
DistortionLimit ReadDistortionLimit(const DrawSettings& settings);

}  // namespace plotvane

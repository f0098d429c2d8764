// Levels on the multiples of an interval. See ContourInterval.h.

#include "settings/ContourInterval.h"

#include <cmath>

#include "common/Capacity.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

// Relative slack of a quotient that stands for a whole number: a few ulps,
// far below any difference a typed interval can mean.
constexpr double kWholeSlack = 1e-12;

// floor (up = false) or ceil (up = true) of q, with q near a whole number
// taken as that number.
double WholeStep(double q, bool up) {
  const double nearest = std::round(q);
  if (std::fabs(q - nearest) <= kWholeSlack * std::fmax(1.0, std::fabs(q))) return nearest;
  return up ? std::ceil(q) : std::floor(q);
}

}  // namespace

IntervalLevels LevelsForInterval(double d, double b, double zMin, double zMax) {
  IntervalLevels out;
  if (!(d > 0.0) || !std::isfinite(d) || !std::isfinite(b)) return out;
  const double low = WholeStep((zMin - b) / d, false);
  double high = WholeStep((zMax - b) / d, true);
  // With D and B finite, a quotient beyond the doubles is a count beyond any limit.
  if (!std::isfinite(low) || !std::isfinite(high)) {
    out.status = IntervalLevels::Status::TooManyLevels;
    return out;
  }
  if (high - low < capacity::kMinLevels) high = low + capacity::kMinLevels;
  if (high - low > capacity::kMaxLevels) {
    out.status = IntervalLevels::Status::TooManyLevels;
    return out;
  }
  out.status = IntervalLevels::Status::Ok;
  out.z1 = b + low * d;
  out.z2 = b + high * d;
  out.n = static_cast<std::int32_t>(high - low);
  return out;
}

IntervalLevels::Status ApplyContourInterval(DrawSettings& settings, double d, double b, double zMin, double zMax) {
  const IntervalLevels levels = LevelsForInterval(d, b, zMin, zMax);
  if (levels.status == IntervalLevels::Status::Ok) {
    settings.Z1 = NumberText(levels.z1);
    settings.Z2 = NumberText(levels.z2);
    settings.n = NumberText(levels.n);
  }
  return levels.status;
}

}  // namespace plotvane

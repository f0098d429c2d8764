// The colour ramps. See ColourRamps.h.

#include "render/ColourRamps.h"

#include <algorithm>
#include <cmath>

#include "levels/TriangleBands.h"
#include "render/LevelColour.h"
#include "render/LevelStyles.h"
#include "render/RampTables.h"

namespace plotvane {
namespace {

RampChoice ListedRamp(const RampTable& table) {
  RampChoice ramp{RampKind::Listed, {}};
  ramp.stops.reserve(table.size());
  for (const std::uint32_t entry : table) {
    ramp.stops.push_back(RampStop{0.0, static_cast<double>((entry >> 16) & 0xFF),
                                  static_cast<double>((entry >> 8) & 0xFF), static_cast<double>(entry & 0xFF)});
  }
  return ramp;
}

// Halves to even, as LevelColour rounds its components.
int Component(double value) { return static_cast<int>(std::clamp(std::nearbyint(value), 0.0, 255.0)); }

gdi::COLORREF StopColour(const RampStop& stop) {
  return gdi::RGB(Component(stop.red), Component(stop.green), Component(stop.blue));
}

// Entry floor(t N) of N, the last one for t = 1.
gdi::COLORREF ListedColour(const std::vector<RampStop>& entries, double t) {
  const auto count = static_cast<std::ptrdiff_t>(entries.size());
  const auto i = static_cast<std::ptrdiff_t>(std::floor(t * static_cast<double>(count)));
  return StopColour(entries[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(i, 0, count - 1))]);
}

gdi::COLORREF StopsColour(const std::vector<RampStop>& stops, double t) {
  if (t <= stops.front().position) return StopColour(stops.front());
  if (t >= stops.back().position) return StopColour(stops.back());
  const auto upper = std::find_if(stops.begin(), stops.end(), [t](const RampStop& s) { return s.position > t; });
  const RampStop& a = *(upper - 1);
  const RampStop& b = *upper;
  const double f = (t - a.position) / (b.position - a.position);
  return gdi::RGB(Component(a.red + f * (b.red - a.red)), Component(a.green + f * (b.green - a.green)),
                  Component(a.blue + f * (b.blue - a.blue)));
}

}  // namespace

std::optional<RampChoice> NamedRamp(std::string_view name) {
  if (name == "default") return RampChoice{};
  if (name == "grey") return RampChoice{RampKind::Grey, {}};
  if (name == "viridis") return ListedRamp(kViridisTable);
  if (name == "cividis") return ListedRamp(kCividisTable);
  if (name == "terrain") return ListedRamp(kTerrainTable);
  return std::nullopt;
}

gdi::COLORREF RampColour(const RampChoice& ramp, double t, FillMode mode) {
  if (mode == FillMode::FillPattern) return LevelColour(t, mode);
  const double held = std::isnan(t) ? 0.0 : std::clamp(t, 0.0, 1.0);
  switch (ramp.kind) {
    case RampKind::Own: break;
    case RampKind::Grey: return LevelColour(t, FillMode::FillGrey);
    case RampKind::Listed:
      if (!ramp.stops.empty()) return ListedColour(ramp.stops, held);
      break;
    case RampKind::Stops:
      if (!ramp.stops.empty()) return StopsColour(ramp.stops, held);
      break;
  }
  return LevelColour(t, mode);
}

gdi::COLORREF ExportBandColour(const RampChoice& ramp, std::int32_t k, std::int32_t lineCount, std::int32_t bandCount,
                               FillMode mode) {
  // The band's middle level, in the page's own arithmetic of its bands.
  const double middle = (k + 0.5) * LevelSteps(lineCount).step();
  const std::int32_t pageBand = LevelSteps(bandCount).band(middle);
  if (pageBand < 0) return kBelowRangeColour;
  if (pageBand >= bandCount) return kAboveRangeColour;
  return RampColour(ramp, static_cast<double>(pageBand) / (bandCount - 1), mode);
}

}  // namespace plotvane

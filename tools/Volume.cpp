// Choosing the volume method: see Volume.h.

#include "tools/Volume.h"

#include <algorithm>
#include <cmath>

#include "tools/GridVolume.h"
#include "tools/TinVolume.h"

namespace plotvane {

std::optional<VolumeGrid> VolumeGridOf(const DataRange& range, double cell) {
  if (!(cell > 0) || !std::isfinite(cell)) return std::nullopt;
  // In double first: a tiny cell must not overflow the whole-number counts.
  const double columns = std::max(1.0, std::ceil((range.xMax - range.xMin) / cell));
  const double rows = std::max(1.0, std::ceil((range.yMax - range.yMin) / cell));
  if (!(columns * rows <= kMaxVolumeCells)) return std::nullopt;
  return VolumeGrid{static_cast<std::int64_t>(columns), static_cast<std::int64_t>(rows)};
}

VolumeFigures ComputeVolume(const VolumeSurface& s, const VolumeReference& reference, const VolumeRequest& request) {
  if (request.method == VolumeMethod::Grid) {
    const std::optional<VolumeGrid> grid = VolumeGridOf(s.range, request.cell);
    if (!grid) return {};
    return GridVolume(s, reference, request.cell, *grid);
  }
  if (reference.plane) return TinVolume(s, *reference.plane);
  return TinVolume(s, reference.surface);
}

}  // namespace plotvane

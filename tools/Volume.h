#pragma once
// Earthwork volumes: a surface S compared with a reference R, a level plane
// or a second surface, by one of two methods.
//
// - Tin (TinVolume.h): exact for the piecewise linear surfaces the look-ups
//   interpolate. The plan is cut into convex pieces where one triangle of each
//   surface overlap, each piece is split along the line where S = R, and the
//   linear difference is integrated exactly.
// - Grid (GridVolume.h): the surveyor's point-height method. Square cells
//   from the lower-left corner of S's data range; each cell whose centre has a
//   value on both surfaces counts (S - R) x cell area at its centre.
//
// Both count only the plan area where both surfaces exist (VolumeSurface.h),
// and report the figures of VolumeSums.h; figures without overlap
// (VolumeFigures::overlap() false) are no result.
//
// A site boundary on S's mesh (tools/Boundary.h) restricts the area at the
// same places as the surfaces' own extents: one more clip of every piece
// before it is summed (tools/PlanMask.h), and one more test of every cell
// centre (by the look-up, which answers Outside beyond the boundary).

#include <cstdint>
#include <optional>

#include "tools/VolumeSums.h"
#include "tools/VolumeSurface.h"

namespace plotvane {

enum class VolumeMethod { Tin, Grid };

// The cell side the grid method takes when none is given, in data units.
inline constexpr double kDefaultVolumeCell = 0.5;
// The most cells the grid method will visit (a few seconds of look-ups).
inline constexpr double kMaxVolumeCells = 1e8;

// What S is compared with: the plane z = *plane when set, else surface.
struct VolumeReference {
  std::optional<double> plane;
  VolumeSurface surface;
};

struct VolumeRequest {
  VolumeMethod method = VolumeMethod::Tin;
  double cell = kDefaultVolumeCell;  // the grid method's cell side
};

// The figures of S against reference by the request's method. The request
// must have passed CheckVolumeCell for S's range when it asks for the grid.
VolumeFigures ComputeVolume(const VolumeSurface& s, const VolumeReference& reference, const VolumeRequest& request);

// The grid's columns and rows for the data range and cell side; nullopt when
// the side is not a positive finite number or the grid would have more than
// kMaxVolumeCells cells.
struct VolumeGrid {
  std::int64_t columns = 0, rows = 0;
};
std::optional<VolumeGrid> VolumeGridOf(const DataRange& range, double cell);

}  // namespace plotvane

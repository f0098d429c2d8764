// The TIN volume: see TinVolume.h.

#include "tools/TinVolume.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "common/TwoThreads.h"
#include "tools/PlanMask.h"
#include "tools/TriangleBoxIndex.h"

namespace plotvane {
namespace {

// Runs add(first, last, sums) over the two halves of count items and adds
// the halves in a fixed order.
template <typename AddRange>
VolumeFigures SumInHalves(std::size_t count, double tolerance, const PlanMask* mask, AddRange&& add) {
  std::array<VolumeSums, 2> halves{VolumeSums(tolerance, mask), VolumeSums(tolerance, mask)};
  const std::size_t middle = count / 2;
  InParallel(2, [&](int half) {
    add(half == 0 ? 0 : middle, half == 0 ? middle : count, halves[static_cast<std::size_t>(half)]);
  });
  halves[0].add(halves[1]);
  return halves[0].figures();
}

// The site boundary of S in the plan coordinates, when it has one.
std::optional<PlanMask> PlanMaskOf(const VolumeSurface& s) {
  if (!s.mesh->boundary) return std::nullopt;
  return PlanMask(*s.mesh->boundary, s.range, s.range.xMin, s.range.yMin);
}

}  // namespace

VolumeFigures TinVolume(const VolumeSurface& s, double plane) {
  const std::vector<PlanTriangle> triangles = PlanTriangles(s, s.range.xMin, s.range.yMin);
  const double tolerance = LevelTolerance(std::max(ValueScale(s), std::fabs(plane)));
  const std::optional<PlanMask> mask = PlanMaskOf(s);
  return SumInHalves(triangles.size(), tolerance, mask ? &*mask : nullptr,
                     [&](std::size_t first, std::size_t last, VolumeSums& sums) {
                       for (std::size_t k = first; k < last; ++k) {
                         const PlanTriangle& t = triangles[k];
                         ConvexPiece piece = PieceOf(t);
                         for (std::int32_t v = 0; v < 3; ++v) piece[v].d = t.z[v] - plane;
                         sums.add(piece);
                       }
                     });
}

VolumeFigures TinVolume(const VolumeSurface& s, const VolumeSurface& r) {
  const std::vector<PlanTriangle> surface = PlanTriangles(s, s.range.xMin, s.range.yMin);
  const std::vector<PlanTriangle> reference = PlanTriangles(r, s.range.xMin, s.range.yMin);
  const TriangleBoxIndex index(reference);
  const double tolerance = LevelTolerance(std::max(ValueScale(s), ValueScale(r)));
  const std::optional<PlanMask> mask = PlanMaskOf(s);
  return SumInHalves(
      surface.size(), tolerance, mask ? &*mask : nullptr, [&](std::size_t first, std::size_t last, VolumeSums& sums) {
        for (std::size_t k = first; k < last; ++k) {
          const PlanTriangle& a = surface[k];
          index.forEachMeeting(
              a, [&](std::int32_t j) { sums.add(DifferenceOverlap(a, reference[static_cast<std::size_t>(j)])); });
        }
      });
}

}  // namespace plotvane

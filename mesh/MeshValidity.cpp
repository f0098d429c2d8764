#include "mesh/MeshValidity.h"

#include <algorithm>

#include "mesh/ExactPredicates.h"

namespace plotvane {
namespace {

std::uint64_t EdgeKey(std::int32_t from, std::int32_t to) {
  return (std::uint64_t{static_cast<std::uint32_t>(from)} << 32) | static_cast<std::uint32_t>(to);
}

}  // namespace

bool TilesSuperTriangle(const MeshPointTable& points, PointIndex nv, const std::vector<std::int32_t>& ipt,
                        TriangleIndex ntri) {
  std::vector<std::uint64_t> edges;
  edges.reserve(3 * static_cast<std::size_t>(ntri));
  std::vector<bool> used(static_cast<std::size_t>(nv) + 4);
  for (TriangleIndex k = 1; k <= ntri; ++k) {
    const std::size_t at = 3 * static_cast<std::size_t>(k);
    const std::int32_t v[3] = {ipt[at - 2], ipt[at - 1], ipt[at]};
    const auto corner = [&](int c) { return ExactPoint{points.x[v[c]], points.y[v[c]]}; };
    if (OrientationSign(corner(0), corner(1), corner(2)) >= 0) return false;
    for (int c = 0; c < 3; ++c) {
      edges.push_back(EdgeKey(v[c], v[(c + 1) % 3]));
      used[static_cast<std::size_t>(v[c])] = true;
    }
  }
  if (std::find(used.begin() + 1, used.begin() + nv + 1, false) != used.begin() + nv + 1) return false;
  std::sort(edges.begin(), edges.end());
  if (std::adjacent_find(edges.begin(), edges.end()) != edges.end()) return false;
  const std::uint64_t outline[3] = {EdgeKey(nv + 1, nv + 2), EdgeKey(nv + 2, nv + 3), EdgeKey(nv + 3, nv + 1)};
  int unpaired = 0;
  for (const std::uint64_t e : edges) {
    const std::uint64_t reverse = (e << 32) | (e >> 32);
    if (std::binary_search(edges.begin(), edges.end(), reverse)) continue;
    if (std::find(std::begin(outline), std::end(outline), e) == std::end(outline)) return false;
    ++unpaired;
  }
  return unpaired == 3;
}

}  // namespace plotvane

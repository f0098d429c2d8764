// Band polygons made valid by GEOS. See BandRepair.h.

#include "contours/BandRepair.h"

#include <ogr_geometry.h>

#include <algorithm>
#include <memory>
#include <numeric>

#include "contours/BandGeometry.h"
#include "contours/GdalSession.h"
#include "levels/BandPolygons.h"

namespace plotvane {
namespace {

// The groups of polygons whose boxes meet (touching counts), through one
// sweep along x: polygons of different groups are apart.
std::vector<std::vector<std::size_t>> GroupsApart(const std::vector<BandPolygon>& polygons) {
  std::vector<RingBox> boxes;
  boxes.reserve(polygons.size());
  for (const BandPolygon& polygon : polygons) boxes.push_back(BoxOf(polygon.outer));
  std::vector<std::size_t> parent(polygons.size());
  std::iota(parent.begin(), parent.end(), std::size_t{0});
  auto root = [&](std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  std::vector<std::size_t> order(polygons.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return boxes[a].minX < boxes[b].minX; });
  std::vector<std::size_t> open;  // boxes the sweep line may still meet
  for (const std::size_t i : order) {
    std::erase_if(open, [&](std::size_t j) { return boxes[j].maxX < boxes[i].minX; });
    for (const std::size_t j : open) {
      if (boxes[j].minY <= boxes[i].maxY && boxes[i].minY <= boxes[j].maxY) parent[root(i)] = root(j);
    }
    open.push_back(i);
  }
  std::vector<std::vector<std::size_t>> groups(polygons.size());
  for (std::size_t i = 0; i < polygons.size(); ++i) groups[root(i)].push_back(i);
  std::erase_if(groups, [](const std::vector<std::size_t>& group) { return group.empty(); });
  return groups;
}

// The band's polygons of one group, as OGR geometry.
OGRMultiPolygon GroupToOgr(const ContourBand& band, const std::vector<std::size_t>& group) {
  ContourBand part;
  for (const std::size_t i : group) part.polygons.push_back(band.polygons[i]);
  return BandToOgr(part);
}

}  // namespace

// Checked and mended group by group: polygons apart cannot make a band
// invalid together, many small checks are quicker than GEOS's one over the
// thousands of polygons of a band on a rough surface, and mending only the
// groups that need it keeps GEOS's working memory to theirs.
void RepairBand(ContourBand& band) {
  const GdalErrorScope quiet;
  std::vector<std::vector<std::size_t>> groups = GroupsApart(band.polygons);
  // In the order of their first polygons, so that a band's valid parts keep their places.
  std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.front() < b.front(); });
  std::vector<BandPolygon> repaired;
  bool mended = false;
  for (const std::vector<std::size_t>& group : groups) {
    const OGRMultiPolygon polygons = GroupToOgr(band, group);
    std::unique_ptr<OGRGeometry> valid;
    if (!polygons.IsValid()) valid.reset(polygons.MakeValid());
    const std::size_t before = repaired.size();
    if (valid) CollectPolygons(*valid, repaired);
    if (repaired.size() > before) {
      mended = true;
      continue;
    }
    // Valid, or GEOS could not mend it: the group stays as walked.
    for (const std::size_t i : group) repaired.push_back(band.polygons[i]);
  }
  if (mended) band.polygons = std::move(repaired);
}

}  // namespace plotvane

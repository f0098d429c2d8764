// Band outlines into polygons with holes. See BandPolygons.h.

#include "levels/BandPolygons.h"

#include <algorithm>
#include <limits>
#include <span>

namespace plotvane {
namespace {

struct Ring {
  ContourRing points;
  double area = 0.0;  // signed: negative when clockwise
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

Ring MakeRing(ContourRing points) {
  Ring r;
  r.points = std::move(points);
  r.area = SignedArea(r.points);
  r.minX = r.maxX = r.points.front().x;
  r.minY = r.maxY = r.points.front().y;
  for (const ContourPoint& p : r.points) {
    r.minX = std::min(r.minX, p.x);
    r.maxX = std::max(r.maxX, p.x);
    r.minY = std::min(r.minY, p.y);
    r.maxY = std::max(r.maxY, p.y);
  }
  return r;
}

// Even-odd test: whether p lies inside the ring (a point on it may go either way).
bool Contains(const Ring& ring, ContourPoint p) {
  if (p.x < ring.minX || p.x > ring.maxX || p.y < ring.minY || p.y > ring.maxY) return false;
  bool inside = false;
  const ContourRing& r = ring.points;
  for (std::size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
    if ((r[i].y > p.y) != (r[j].y > p.y) && p.x < (r[j].x - r[i].x) * (p.y - r[i].y) / (r[j].y - r[i].y) + r[i].x) {
      inside = !inside;
    }
  }
  return inside;
}

// The rings of one band's edges (sorted by the node they leave).
std::vector<Ring> WalkRings(std::span<const BandEdge> edges) {
  std::vector<bool> used(edges.size(), false);
  auto leaving = [&](NodeKey node) {
    auto it = std::lower_bound(edges.begin(), edges.end(), node,
                               [](const BandEdge& e, NodeKey key) { return e.from.key < key; });
    for (; it != edges.end() && it->from.key == node; ++it) {
      const auto i = static_cast<std::size_t>(it - edges.begin());
      if (!used[i]) return i;
    }
    return edges.size();
  };
  std::vector<Ring> rings;
  for (std::size_t start = 0; start < edges.size(); ++start) {
    if (used[start]) continue;
    ContourRing points;
    for (std::size_t i = start; i < edges.size(); i = leaving(edges[i].to.key)) {
      used[i] = true;
      points.push_back({edges[i].from.x, edges[i].from.y});
      if (edges[i].to.key == edges[start].from.key) break;
    }
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() > 1 && points.front() == points.back()) points.pop_back();
    if (points.size() < 3) continue;
    Ring ring = MakeRing(std::move(points));
    if (ring.area != 0.0) rings.push_back(std::move(ring));
  }
  return rings;
}

std::vector<BandPolygon> NestRings(std::vector<Ring> rings) {
  std::vector<std::size_t> outers;
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (rings[i].area < 0) outers.push_back(i);
  }
  std::vector<BandPolygon> polygons(outers.size());
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (rings[i].area < 0) continue;
    const ContourPoint a = rings[i].points[0], b = rings[i].points[1];
    const ContourPoint probe{(a.x + b.x) / 2, (a.y + b.y) / 2};
    std::size_t best = outers.size();
    double bestArea = std::numeric_limits<double>::infinity();
    for (std::size_t o = 0; o < outers.size(); ++o) {
      const Ring& outer = rings[outers[o]];
      if (-outer.area < bestArea && Contains(outer, probe)) {
        best = o;
        bestArea = -outer.area;
      }
    }
    // A hole without an outer ring can only come from rounding; it is left out.
    if (best == outers.size()) continue;
    polygons[best].holes.push_back(std::move(rings[i].points));
  }
  for (std::size_t o = 0; o < outers.size(); ++o) polygons[o].outer = std::move(rings[outers[o]].points);
  // The right-hand rule: outer rings counter-clockwise, holes clockwise.
  for (BandPolygon& p : polygons) {
    std::reverse(p.outer.begin(), p.outer.end());
    for (ContourRing& hole : p.holes) std::reverse(hole.begin(), hole.end());
  }
  return polygons;
}

}  // namespace

double SignedArea(const ContourRing& ring) {
  double twice = 0.0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const ContourPoint& a = ring[i];
    const ContourPoint& b = ring[(i + 1) % ring.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

std::vector<ContourBand> BuildBandPolygons(const LevelMesh& mesh, const std::vector<BandEdge>& outlines) {
  std::vector<ContourBand> bands;
  for (std::size_t first = 0; first < outlines.size();) {
    std::size_t last = first;
    while (last < outlines.size() && outlines[last].band == outlines[first].band) ++last;
    ContourBand band;
    band.index = outlines[first].band;
    band.lower = mesh.levelValue(band.index);
    band.upper = mesh.levelValue(band.index + 1);
    band.polygons = NestRings(WalkRings(std::span(outlines).subspan(first, last - first)));
    if (!band.polygons.empty()) bands.push_back(std::move(band));
    first = last;
  }
  return bands;
}

}  // namespace plotvane

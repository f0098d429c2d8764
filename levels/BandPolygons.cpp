// Band outlines into polygons with holes. See BandPolygons.h.

#include "levels/BandPolygons.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <span>
#include <unordered_map>

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
  const RingBox box = BoxOf(r.points);
  r.minX = box.minX;
  r.minY = box.minY;
  r.maxX = box.maxX;
  r.maxY = box.maxY;
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

// The angle through which one turns counter-clockwise from the direction
// back along the arriving edge to the leaving edge, in (0, 2 pi].
double TurnFromBack(const BandEdge& arriving, const BandEdge& leaving) {
  const double back = std::atan2(arriving.from.y - arriving.to.y, arriving.from.x - arriving.to.x);
  const double out = std::atan2(leaving.to.y - leaving.from.y, leaving.to.x - leaving.from.x);
  double turn = out - back;
  while (turn <= 0) turn += 2 * std::numbers::pi;
  while (turn > 2 * std::numbers::pi) turn -= 2 * std::numbers::pi;
  return turn;
}

struct PointHash {
  std::size_t operator()(const ContourPoint& p) const {
    return std::hash<double>()(p.x) ^ (std::hash<double>()(p.y) * 0x9E3779B97F4A7C15ULL);
  }
};

// Adds the ring if it has area.
void KeepRing(ContourRing points, std::vector<Ring>& rings) {
  points.erase(std::unique(points.begin(), points.end()), points.end());
  if (points.size() > 1 && points.front() == points.back()) points.pop_back();
  if (points.size() < 3) return;
  Ring ring = MakeRing(std::move(points));
  if (ring.area != 0.0) rings.push_back(std::move(ring));
}

// The rings of one band's edges (sorted by the node they leave).
//
// The band lies on the right of every edge. Where the region touches itself
// at a node, more than one unused edge leaves it: the walk takes the first
// one counter-clockwise from the way it came, which keeps to the face it is
// tracing (the region's sector beside the arriving edge ends at that edge).
// A face may still meet itself at a node (an annulus pinched at one point);
// a ring that comes back to a node it has passed is cut there, so that no
// ring touches itself, as OGC simple features require: the loop cut off is
// a polygon of its own or a hole touching its outer ring at that node,
// which NestRings tells apart by the turn.
std::vector<Ring> WalkRings(std::span<const BandEdge> edges) {
  std::vector<bool> used(edges.size(), false);
  auto leaving = [&](std::size_t arriving) {
    auto it = std::lower_bound(edges.begin(), edges.end(), edges[arriving].to.key,
                               [](const BandEdge& e, NodeKey key) { return e.from.key < key; });
    std::size_t best = edges.size();
    double bestTurn = 0;
    for (; it != edges.end() && it->from.key == edges[arriving].to.key; ++it) {
      const auto i = static_cast<std::size_t>(it - edges.begin());
      if (used[i]) continue;
      if (best == edges.size()) {
        best = i;  // the turn matters only where there is a choice
        continue;
      }
      if (bestTurn == 0) bestTurn = TurnFromBack(edges[arriving], edges[best]);
      const double turn = TurnFromBack(edges[arriving], *it);
      if (turn < bestTurn) {
        best = i;
        bestTurn = turn;
      }
    }
    return best;
  };
  std::vector<Ring> rings;
  // The ring's points so far, and where each lies in it. Points, not node
  // keys: a vertex on a level is also reached as a crossing of its edges,
  // under other keys but at the same place.
  ContourRing points;
  std::unordered_map<ContourPoint, std::size_t, PointHash> position;
  for (std::size_t start = 0; start < edges.size(); ++start) {
    if (used[start]) continue;
    position.clear();
    points.clear();
    for (std::size_t i = start; i < edges.size(); i = leaving(i)) {
      used[i] = true;
      const ContourPoint point{edges[i].from.x, edges[i].from.y};
      if (const auto again = position.find(point); again != position.end()) {
        // Back at a point of this ring: the loop since then is a ring of its own.
        const std::size_t at = again->second;
        for (std::size_t k = at; k < points.size(); ++k) position.erase(points[k]);
        KeepRing(ContourRing(points.begin() + static_cast<std::ptrdiff_t>(at), points.end()), rings);
        points.resize(at);
      }
      position.emplace(point, points.size());
      points.push_back(point);
      if (edges[i].to.key == edges[start].from.key) break;
    }
    KeepRing(std::move(points), rings);
    points = {};
  }
  return rings;
}

// The outer rings filed by the cells of a grid that their boxes cover, so
// that a hole's point is tested against the rings around it, not all rings.
class OuterGrid {
 public:
  OuterGrid(const std::vector<Ring>& rings, const std::vector<std::size_t>& outers) {
    if (outers.empty()) return;
    m_minX = m_maxX = rings[outers[0]].minX;
    m_minY = m_maxY = rings[outers[0]].minY;
    for (const std::size_t o : outers) {
      m_minX = std::min(m_minX, rings[o].minX);
      m_maxX = std::max(m_maxX, rings[o].maxX);
      m_minY = std::min(m_minY, rings[o].minY);
      m_maxY = std::max(m_maxY, rings[o].maxY);
    }
    // About one ring per cell.
    m_side = std::clamp(static_cast<std::int32_t>(std::sqrt(static_cast<double>(outers.size()))), 1, 1024);
    m_cells.resize(static_cast<std::size_t>(m_side) * static_cast<std::size_t>(m_side));
    for (std::size_t o = 0; o < outers.size(); ++o) {
      const Ring& r = rings[outers[o]];
      const std::int32_t x0 = column(r.minX), x1 = column(r.maxX), y0 = row(r.minY), y1 = row(r.maxY);
      for (std::int32_t y = y0; y <= y1; ++y) {
        for (std::int32_t x = x0; x <= x1; ++x) m_cells[cell(x, y)].push_back(o);
      }
    }
  }

  // The outer rings (positions in outers, ascending) whose boxes may hold p:
  // every ring whose box holds it is among them, since a cell is a monotone
  // function of the coordinates.
  const std::vector<std::size_t>& near(ContourPoint p) const {
    static const std::vector<std::size_t> none;
    if (m_cells.empty()) return none;
    return m_cells[cell(column(p.x), row(p.y))];
  }

 private:
  std::int32_t column(double x) const { return slot(x, m_minX, m_maxX); }
  std::int32_t row(double y) const { return slot(y, m_minY, m_maxY); }
  std::int32_t slot(double v, double low, double high) const {
    if (!(high > low)) return 0;
    const double at = std::floor((v - low) / (high - low) * m_side);
    return at > 0 ? static_cast<std::int32_t>(std::min(at, static_cast<double>(m_side - 1))) : 0;
  }
  std::size_t cell(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_side) + static_cast<std::size_t>(x);
  }

  double m_minX = 0, m_minY = 0, m_maxX = 0, m_maxY = 0;
  std::int32_t m_side = 1;
  std::vector<std::vector<std::size_t>> m_cells;
};

std::vector<BandPolygon> NestRings(std::vector<Ring> rings) {
  std::vector<std::size_t> outers;
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (rings[i].area < 0) outers.push_back(i);
  }
  const OuterGrid grid(rings, outers);
  std::vector<BandPolygon> polygons(outers.size());
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (rings[i].area < 0) continue;
    const ContourPoint a = rings[i].points[0], b = rings[i].points[1];
    const ContourPoint probe{(a.x + b.x) / 2, (a.y + b.y) / 2};
    std::size_t best = outers.size();
    double bestArea = std::numeric_limits<double>::infinity();
    // The first of the smallest that contain it: the candidates come in the
    // order of outers.
    for (const std::size_t o : grid.near(probe)) {
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

RingBox BoxOf(const ContourRing& ring) {
  RingBox box{ring.front().x, ring.front().y, ring.front().x, ring.front().y};
  for (const ContourPoint& p : ring) {
    box.minX = std::min(box.minX, p.x);
    box.maxX = std::max(box.maxX, p.x);
    box.minY = std::min(box.minY, p.y);
    box.maxY = std::max(box.maxY, p.y);
  }
  return box;
}

ContourBand BuildBandPolygons(const LevelMesh& mesh, std::int32_t k, std::span<const BandEdge> outline) {
  ContourBand band;
  band.index = k;
  band.lower = mesh.levelValue(k);
  band.upper = mesh.levelValue(k + 1);
  band.polygons = NestRings(WalkRings(outline));
  return band;
}

}  // namespace plotvane

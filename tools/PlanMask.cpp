// The boundary's share of a volume piece. See PlanMask.h.

#include "tools/PlanMask.h"

#include <algorithm>
#include <cmath>

namespace plotvane {
namespace {

// Cells per side of the edge grid: fine enough that the pieces near the
// boundary are a thin band, coarse enough to be made in no time.
constexpr std::int32_t kEdgeCells = 512;

std::vector<MaskRing> PlanRings(const BoundaryMask& mask, const DataRange& range, double originX, double originY) {
  const double width = range.xMax - range.xMin, height = range.yMax - range.yMin;
  std::vector<MaskRing> rings;
  for (const MaskRing& ring : mask.rings()) {
    MaskRing plan;
    for (const MaskPoint& p : ring) {
      plan.push_back({width * p.x / 100.0 + range.xMin - originX, height * p.y / 100.0 + range.yMin - originY});
    }
    rings.push_back(std::move(plan));
  }
  return rings;
}

double SignedArea(const MaskRing& ring) {
  double twice = 0;
  for (std::size_t k = 0; k < ring.size(); ++k) {
    const MaskPoint& a = ring[k];
    const MaskPoint& b = ring[(k + 1) % ring.size()];
    twice += (a.x - ring[0].x) * (b.y - ring[0].y) - (a.y - ring[0].y) * (b.x - ring[0].x);
  }
  return twice / 2;
}

// A point a hair inside the ring, beside the middle of one of its edges: a
// corner could lie on a neighbouring ring's edge, a point inside cannot
// when rings only share edges. The hair is a millionth of the edge, and
// the edges are tried in turn until the point lands inside.
MaskPoint PointJustInside(const MaskRing& ring, const BoundaryMask& alone, double orientation) {
  for (std::size_t k = 0; k < ring.size(); ++k) {
    const MaskPoint& a = ring[k];
    const MaskPoint& b = ring[(k + 1) % ring.size()];
    const double hair = 1e-6 * orientation;
    const MaskPoint inner{(a.x + b.x) / 2 - hair * (b.y - a.y), (a.y + b.y) / 2 + hair * (b.x - a.x)};
    if (alone.contains(inner.x, inner.y)) return inner;
  }
  return ring.front();
}

// d of the piece as a plane d0 + a (x - x0) + b (y - y0), from the corner
// pair that spans the largest triangle with corner 0.
struct Plane {
  double x0, y0, d0, a = 0, b = 0;
  double at(double x, double y) const { return d0 + a * (x - x0) + b * (y - y0); }
};

Plane PlaneOf(const ConvexPiece& piece) {
  const PieceVertex& o = piece[0];
  Plane plane{o.x, o.y, o.d};
  double best = 0;
  for (std::int32_t j = 1; j + 1 < piece.size(); ++j) {
    for (std::int32_t k = j + 1; k < piece.size(); ++k) {
      const double ux = piece[j].x - o.x, uy = piece[j].y - o.y, vx = piece[k].x - o.x, vy = piece[k].y - o.y;
      const double det = ux * vy - uy * vx;
      if (std::fabs(det) <= best) continue;
      best = std::fabs(det);
      const double du = piece[j].d - o.d, dv = piece[k].d - o.d;
      plane.a = (du * vy - dv * uy) / det;
      plane.b = (dv * ux - du * vx) / det;
    }
  }
  return plane;
}

}  // namespace

PlanMask::PlanMask(const BoundaryMask& mask, const DataRange& range, double originX, double originY)
    : m_inside(PlanRings(mask, range, originX, originY)) {
  for (const MaskRing& points : m_inside.rings()) {
    Ring ring{points};
    ring.xMin = ring.yMin = INFINITY;
    ring.xMax = ring.yMax = -INFINITY;
    for (const MaskPoint& p : points) {
      ring.xMin = std::min(ring.xMin, p.x), ring.xMax = std::max(ring.xMax, p.x);
      ring.yMin = std::min(ring.yMin, p.y), ring.yMax = std::max(ring.yMax, p.y);
    }
    m_rings.push_back(std::move(ring));
  }
  // The parity of a ring: how many others hold a point just inside it.
  std::vector<BoundaryMask> alone;
  for (const Ring& ring : m_rings) alone.emplace_back(std::vector<MaskRing>{ring.points});
  for (std::size_t r = 0; r < m_rings.size(); ++r) {
    Ring& ring = m_rings[r];
    const double orientation = SignedArea(ring.points) < 0 ? -1.0 : 1.0;
    const MaskPoint inner = PointJustInside(ring.points, alone[r], orientation);
    int around = 0;
    for (std::size_t other = 0; other < m_rings.size(); ++other) {
      if (other != r && alone[other].contains(inner.x, inner.y)) ++around;
    }
    ring.weight = (around % 2 == 0 ? 1.0 : -1.0) * orientation;
  }
  m_cells = kEdgeCells;
  m_cellX = std::max(m_inside.xMax() - m_inside.xMin(), 1e-300) / m_cells;
  m_cellY = std::max(m_inside.yMax() - m_inside.yMin(), 1e-300) / m_cells;
  m_edgeCell.assign(static_cast<std::size_t>(m_cells) * static_cast<std::size_t>(m_cells), 0);
  for (const Ring& ring : m_rings) {
    for (std::size_t k = 0; k < ring.points.size(); ++k) {
      const MaskPoint& a = ring.points[k];
      const MaskPoint& b = ring.points[(k + 1) % ring.points.size()];
      // An edge marks the cells of its box: more than it touches, never fewer.
      const auto c0 =
          std::clamp(static_cast<std::int32_t>((std::min(a.x, b.x) - m_inside.xMin()) / m_cellX) - 1, 0, m_cells - 1);
      const auto c1 =
          std::clamp(static_cast<std::int32_t>((std::max(a.x, b.x) - m_inside.xMin()) / m_cellX) + 1, 0, m_cells - 1);
      const auto r0 =
          std::clamp(static_cast<std::int32_t>((std::min(a.y, b.y) - m_inside.yMin()) / m_cellY) - 1, 0, m_cells - 1);
      const auto r1 =
          std::clamp(static_cast<std::int32_t>((std::max(a.y, b.y) - m_inside.yMin()) / m_cellY) + 1, 0, m_cells - 1);
      for (std::int32_t r = r0; r <= r1; ++r) {
        for (std::int32_t c = c0; c <= c1; ++c) m_edgeCell[static_cast<std::size_t>(r * m_cells + c)] = 1;
      }
    }
  }
}

bool PlanMask::edgeNear(double xMin, double yMin, double xMax, double yMax) const {
  if (xMax < m_inside.xMin() || xMin > m_inside.xMax() || yMax < m_inside.yMin() || yMin > m_inside.yMax()) {
    return false;
  }
  auto cell = [&](double v, double origin, double size) {
    return std::clamp(static_cast<std::int32_t>((v - origin) / size), 0, m_cells - 1);
  };
  const std::int32_t c0 = cell(xMin, m_inside.xMin(), m_cellX), c1 = cell(xMax, m_inside.xMin(), m_cellX);
  const std::int32_t r0 = cell(yMin, m_inside.yMin(), m_cellY), r1 = cell(yMax, m_inside.yMin(), m_cellY);
  for (std::int32_t r = r0; r <= r1; ++r) {
    for (std::int32_t c = c0; c <= c1; ++c) {
      if (m_edgeCell[static_cast<std::size_t>(r * m_cells + c)] != 0) return true;
    }
  }
  return false;
}

PieceIntegral PlanMask::integrate(const ConvexPiece& piece) const {
  if (piece.size() < 3) return {};
  double xMin = piece[0].x, xMax = xMin, yMin = piece[0].y, yMax = yMin, cx = 0, cy = 0;
  for (std::int32_t k = 0; k < piece.size(); ++k) {
    xMin = std::min(xMin, piece[k].x), xMax = std::max(xMax, piece[k].x);
    yMin = std::min(yMin, piece[k].y), yMax = std::max(yMax, piece[k].y);
    cx += piece[k].x / piece.size(), cy += piece[k].y / piece.size();
  }
  if (!edgeNear(xMin, yMin, xMax, yMax)) return m_inside.contains(cx, cy) ? Integrate(piece) : PieceIntegral{};
  PieceIntegral sum;
  for (const Ring& ring : m_rings) {
    if (ring.xMax < xMin || ring.xMin > xMax || ring.yMax < yMin || ring.yMin > yMax) continue;
    const PieceIntegral part = clipped(piece, ring);
    sum.area += ring.weight * part.area;
    sum.integral += ring.weight * part.integral;
  }
  return sum;
}

PieceIntegral PlanMask::clipped(const ConvexPiece& piece, const Ring& ring) const {
  std::vector<MaskPoint> polygon = ring.points, next;
  const std::int32_t n = piece.size();
  for (std::int32_t e = 0; e < n && !polygon.empty(); ++e) {
    // Left of the piece's edge e (counter-clockwise) is inside.
    const PieceVertex& a = piece[e];
    const PieceVertex& b = piece[e + 1 == n ? 0 : e + 1];
    auto side = [&](const MaskPoint& p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); };
    next.clear();
    for (std::size_t k = 0; k < polygon.size(); ++k) {
      const MaskPoint& p = polygon[k];
      const MaskPoint& q = polygon[(k + 1) % polygon.size()];
      const double sp = side(p), sq = side(q);
      if (sp >= 0) next.push_back(p);
      if ((sp > 0 && sq < 0) || (sp < 0 && sq > 0)) {
        const double t = sp / (sp - sq);
        next.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
      }
    }
    polygon.swap(next);
  }
  if (polygon.size() < 3) return {};
  const Plane plane = PlaneOf(piece);
  PieceIntegral sum;
  const MaskPoint& o = polygon[0];
  const double dO = plane.at(o.x, o.y);
  for (std::size_t k = 1; k + 1 < polygon.size(); ++k) {
    const MaskPoint& p = polygon[k];
    const MaskPoint& q = polygon[k + 1];
    const double area = 0.5 * ((p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x));
    sum.area += area;
    sum.integral += area * (dO + plane.at(p.x, p.y) + plane.at(q.x, q.y)) / 3.0;
  }
  return sum;
}

}  // namespace plotvane

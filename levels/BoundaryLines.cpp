// Contour lines cut to the boundary. See BoundaryLines.h.

#include "levels/BoundaryLines.h"

#include <algorithm>

namespace plotvane {
namespace {

constexpr std::int32_t kGridCells = 256;

std::vector<MaskRing> DataRings(const BoundaryMask& mask, const DataRange& r) {
  std::vector<MaskRing> rings;
  for (const MaskRing& ring : mask.rings()) {
    MaskRing data;
    for (const MaskPoint& p : ring) {
      data.push_back({(r.xMax - r.xMin) * p.x / 100 + r.xMin, (r.yMax - r.yMin) * p.y / 100 + r.yMin});
    }
    rings.push_back(std::move(data));
  }
  return rings;
}

// Appends point to the open run, skipping a repeat of its last point.
void Extend(ContourLine& run, const ContourPoint& point) {
  if (run.points.empty() || !(run.points.back() == point)) run.points.push_back(point);
}

void ClipLine(const ContourLine& line, const DataBoundary& boundary, std::vector<ContourLine>& out) {
  const std::vector<ContourPoint>& p = line.points;
  const std::size_t segments = line.closed ? p.size() : p.size() - 1;
  std::vector<ContourLine> pieces;
  ContourLine run;
  bool allKept = true;
  std::vector<double> cuts;
  for (std::size_t k = 0; k < segments; ++k) {
    const ContourPoint& a = p[k];
    const ContourPoint& b = p[(k + 1) % p.size()];
    boundary.crossings(a, b, cuts);
    cuts.insert(cuts.begin(), 0.0);
    cuts.push_back(1.0);
    for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
      const double middle = (cuts[c] + cuts[c + 1]) / 2;
      const ContourPoint from{a.x + cuts[c] * (b.x - a.x), a.y + cuts[c] * (b.y - a.y)};
      const ContourPoint to =
          c + 2 == cuts.size() ? b : ContourPoint{a.x + cuts[c + 1] * (b.x - a.x), a.y + cuts[c + 1] * (b.y - a.y)};
      if (boundary.inside().contains(a.x + middle * (b.x - a.x), a.y + middle * (b.y - a.y))) {
        Extend(run, from);
        Extend(run, to);
        continue;
      }
      allKept = false;
      if (run.points.size() >= 2) pieces.push_back(std::move(run));
      run = {};
    }
  }
  if (allKept) {
    out.push_back(line);
    return;
  }
  if (run.points.size() >= 2) {
    // A closed line's last run goes on into its first, through the line's first point.
    if (line.closed && !pieces.empty() && pieces.front().points.front() == p.front() &&
        run.points.back() == p.front()) {
      run.points.insert(run.points.end(), pieces.front().points.begin() + 1, pieces.front().points.end());
      pieces.front() = std::move(run);
    } else {
      pieces.push_back(std::move(run));
    }
  }
  for (ContourLine& piece : pieces) out.push_back(std::move(piece));
}

}  // namespace

DataBoundary::DataBoundary(const BoundaryMask& mask, const DataRange& range) : m_inside(DataRings(mask, range)) {
  m_cellX = std::max(m_inside.xMax() - m_inside.xMin(), 1e-300) / kGridCells;
  m_cellY = std::max(m_inside.yMax() - m_inside.yMin(), 1e-300) / kGridCells;
  m_cells.resize(static_cast<std::size_t>(kGridCells) * kGridCells);
  for (const MaskRing& ring : m_inside.rings()) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const MaskPoint& a = ring[k];
      const MaskPoint& b = ring[(k + 1) % ring.size()];
      const auto edge = static_cast<std::int32_t>(m_edges.size());
      m_edges.push_back({a, b});
      forEachCell(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
                  [&](std::size_t cell) { m_cells[cell].push_back(edge); });
    }
  }
}

template <typename Visit>
void DataBoundary::forEachCell(double x0, double y0, double x1, double y1, Visit&& visit) const {
  if (x1 < m_inside.xMin() || x0 > m_inside.xMax() || y1 < m_inside.yMin() || y0 > m_inside.yMax()) return;
  auto cell = [](double v, double origin, double size) {
    return std::clamp(static_cast<std::int32_t>((v - origin) / size), 0, kGridCells - 1);
  };
  const std::int32_t c0 = cell(x0, m_inside.xMin(), m_cellX), c1 = cell(x1, m_inside.xMin(), m_cellX);
  const std::int32_t r0 = cell(y0, m_inside.yMin(), m_cellY), r1 = cell(y1, m_inside.yMin(), m_cellY);
  for (std::int32_t r = r0; r <= r1; ++r) {
    for (std::int32_t c = c0; c <= c1; ++c) visit(static_cast<std::size_t>(r * kGridCells + c));
  }
}

void DataBoundary::crossings(const ContourPoint& p, const ContourPoint& q, std::vector<double>& out) const {
  out.clear();
  const double dx = q.x - p.x, dy = q.y - p.y;
  forEachCell(std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y), [&](std::size_t cell) {
    for (const std::int32_t e : m_cells[cell]) {
      const MaskPoint& c = m_edges[static_cast<std::size_t>(e)].first;
      const MaskPoint& d = m_edges[static_cast<std::size_t>(e)].second;
      const double ex = d.x - c.x, ey = d.y - c.y;
      const double denominator = dx * ey - dy * ex;
      if (denominator == 0) continue;
      const double t = ((c.x - p.x) * ey - (c.y - p.y) * ex) / denominator;
      const double u = ((c.x - p.x) * dy - (c.y - p.y) * dx) / denominator;
      if (t > 0 && t < 1 && u >= 0 && u <= 1) out.push_back(t);
    }
  });
  std::sort(out.begin(), out.end());
  // An edge listed in several cells is met once per cell.
  out.erase(std::unique(out.begin(), out.end()), out.end());
}

void ClipLevelsToBoundary(std::vector<ContourLevel>& levels, const DataBoundary& boundary) {
  for (ContourLevel& level : levels) {
    std::vector<ContourLine> kept;
    for (const ContourLine& line : level.lines) {
      if (line.points.size() >= 2) ClipLine(line, boundary, kept);
    }
    level.lines = std::move(kept);
  }
  std::erase_if(levels, [](const ContourLevel& level) { return level.lines.empty(); });
}

}  // namespace plotvane

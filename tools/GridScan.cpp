// Laying the triangles onto blocks of the grid: see GridScan.h.

#include "tools/GridScan.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace plotvane {
namespace {

// A triangle that reaches more bands than this is cheaper to offer to every
// band (where its box rejects most blocks at once) than to list in each.
constexpr std::int32_t kMaxBandsListed = 4;

}  // namespace

PositionRange Reaching(const std::vector<double>& low, const std::vector<double>& high, double lo, double hi) {
  assert(low.size() == high.size());
  const auto n = static_cast<std::int32_t>(low.size());
  if (n == 0) return {};
  // Where t falls if the spans are evenly spaced, as grid lines nearly are.
  const double v0 = low.front(), scale = (n - 1) / (low.back() - v0);
  auto guess = [&](double t) {
    const double f = (t - v0) * scale;
    if (!(f > 0)) return 0;
    return f < n ? static_cast<std::int32_t>(std::ceil(f)) : n;
  };
  // The first position k where before(v[k]) turns false: a few steps from the
  // guess, else a binary search.
  auto firstNot = [&](const std::vector<double>& v, std::int32_t k, auto before) {
    for (int step = 0; step < 4; ++step) {
      if (k > 0 && !before(v[k - 1])) {
        --k;
      } else if (k < n && before(v[k])) {
        ++k;
      } else {
        return k;
      }
    }
    return static_cast<std::int32_t>(std::partition_point(v.begin(), v.end(), before) - v.begin());
  };
  if (n > 1 && low.back() < v0) {
    return {firstNot(low, guess(hi), [&](double l) { return l > hi; }),
            firstNot(high, guess(lo), [&](double h) { return h >= lo; })};
  }
  return {firstNot(high, guess(lo), [&](double h) { return h < lo; }),
          firstNot(low, guess(hi), [&](double l) { return l <= hi; })};
}

GridTriangles::GridTriangles(const Mesh& mesh, const DistortionLimit& limit, TriangleIndex count)
    : m_mesh(mesh),
      m_limit(limit),
      m_count(count),
      m_reach(std::make_unique_for_overwrite<Reach[]>(static_cast<std::size_t>(count) + 1)),
      m_box(std::make_unique_for_overwrite<RegionBox[]>(static_cast<std::size_t>(count) + 1)) {
  assert(count >= 0 && count <= mesh.nt);
}

void GridTriangles::measure(TriangleIndex first, TriangleIndex last) {
  assert(first >= 1 && last <= m_count);
  for (TriangleIndex i = first; i <= last; ++i) {
    if (!m_limit.admits(m_mesh.hh[i])) {
      m_reach[i] = Reach::Excluded;
      continue;
    }
    const TriangleRegion region = ContainmentRegion(GatherTriangleEdges(m_mesh, i));
    m_reach[i] = region.bounded ? Reach::Box : Reach::Everywhere;
    m_box[i] = region.box;
  }
}

GridBands::GridBands(const GridTriangles& triangles, const std::vector<double>& low, const std::vector<double>& high) {
  // Two passes over the triangles, counting and then filling, each list in
  // ascending order; the bands of a triangle are found again in the second
  // pass rather than kept.
  auto forEachListed = [&](auto&& list) {
    for (TriangleIndex i = 1; i <= triangles.count(); ++i) {
      const GridTriangles::Reach reach = triangles.reach(i);
      if (reach == GridTriangles::Reach::Excluded) continue;
      PositionRange bands{0, kMaxBandsListed + 1};
      if (reach == GridTriangles::Reach::Box) {
        const RegionBox& box = triangles.box(i);
        bands = Reaching(low, high, box.xMin, box.xMax);
        if (bands.empty()) continue;
      }
      list(i, bands);
    }
  };
  m_start.assign(low.size() + 1, 0);
  forEachListed([&](TriangleIndex i, PositionRange bands) {
    if (bands.last - bands.first > kMaxBandsListed) {
      m_wide.push_back(i);
      return;
    }
    for (std::int32_t b = bands.first; b < bands.last; ++b) ++m_start[b + 1];
  });
  for (std::size_t b = 1; b < m_start.size(); ++b) m_start[b] += m_start[b - 1];
  m_entries.resize(static_cast<std::size_t>(m_start.back()));
  std::vector<std::int32_t> next(m_start.begin(), m_start.end() - 1);
  forEachListed([&](TriangleIndex i, PositionRange bands) {
    if (bands.last - bands.first > kMaxBandsListed) return;
    for (std::int32_t b = bands.first; b < bands.last; ++b) m_entries[next[b]++] = i;
  });
}

void ScanBlock(const GridTriangles& triangles, const GridBands& bands, std::int32_t band, const GridLines& columns,
               const GridLines& rows, BlockAnswers& answers) {
  const auto columnCount = static_cast<std::int32_t>(columns.size());
  const auto rowCount = static_cast<std::int32_t>(rows.size());
  const std::size_t points = columns.size() * rows.size();
  answers.owner.assign(points, BlockAnswers::kNone);
  answers.found.resize(points);
  const Mesh& mesh = triangles.mesh();
  bands.forEachCandidate(band, [&](TriangleIndex i) {
    PositionRange across{0, columnCount}, along{0, rowCount};
    if (triangles.reach(i) == GridTriangles::Reach::Box) {
      const RegionBox& box = triangles.box(i);
      across = Reaching(columns, columns, box.xMin, box.xMax);
      if (across.empty()) return;
      along = Reaching(rows, rows, box.yMin, box.yMax);
      if (along.empty()) return;
    }
    const TriangleEdges edges = GatherTriangleEdges(mesh, i);
    for (std::int32_t c = across.first; c < across.last; ++c) {
      const std::size_t column = static_cast<std::size_t>(c) * rows.size();
      for (std::int32_t r = along.first; r < along.last; ++r) {
        const std::size_t p = column + static_cast<std::size_t>(r);
        if (answers.owner[p] <= i) continue;
        const TriangleTest test = TestTriangle(mesh, i, edges, columns[c], rows[r]);
        if (test.kind == TriangleTest::Kind::Miss) continue;
        answers.owner[p] = i;
        answers.found[p] = test;
      }
    }
  });
}

}  // namespace plotvane

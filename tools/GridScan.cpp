// Laying the triangles onto blocks of the grid: see GridScan.h.

#include "tools/GridScan.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "tools/Boundary.h"

namespace plotvane {
namespace {

// A triangle that reaches more bands than this is cheaper to offer to every
// band (where its box rejects most blocks at once) than to list in each.
constexpr std::int32_t kMaxBandsListed = 4;

// A half-open range of positions.
struct PositionRange {
  std::int32_t first = 0, last = 0;
  bool empty() const { return first >= last; }
};

// Spans [low[k], high[k]], monotonic in k in the same direction (as grid
// lines and runs of them are), prepared for many searches.
class Spans {
 public:
  // The vectors must outlive the object.
  Spans(const std::vector<double>& low, const std::vector<double>& high)
      : m_low(low),
        m_high(high),
        m_count(static_cast<std::int32_t>(low.size())),
        m_descending(low.size() > 1 && low.back() < low.front()),
        m_first(low.empty() ? 0.0 : low.front()),
        m_scale(low.empty() ? 0.0 : (m_count - 1) / (low.back() - m_first)) {
    assert(low.size() == high.size());
  }

  // The positions of the spans that reach [lo, hi].
  PositionRange reaching(double lo, double hi) const {
    if (m_descending) {
      return {firstNot(m_low, hi, [&](double l) { return l > hi; }),
              firstNot(m_high, lo, [&](double h) { return h >= lo; })};
    }
    return {firstNot(m_high, lo, [&](double h) { return h < lo; }),
            firstNot(m_low, hi, [&](double l) { return l <= hi; })};
  }

 private:
  // The first position k where before(v[k]) turns false: a few steps from
  // where even spacing puts t, else a binary search.
  template <typename Before>
  std::int32_t firstNot(const std::vector<double>& v, double t, Before before) const {
    const double f = (t - m_first) * m_scale;
    std::int32_t k = 0;
    if (f > 0) k = f < m_count ? static_cast<std::int32_t>(std::ceil(f)) : m_count;
    for (int step = 0; step < 4; ++step) {
      if (k > 0 && !before(v[k - 1])) {
        --k;
      } else if (k < m_count && before(v[k])) {
        ++k;
      } else {
        return k;
      }
    }
    return static_cast<std::int32_t>(std::partition_point(v.begin(), v.end(), before) - v.begin());
  }

  const std::vector<double>& m_low;
  const std::vector<double>& m_high;
  std::int32_t m_count;
  bool m_descending;
  double m_first, m_scale;  // for the guess where even spacing puts a value
};

}  // namespace

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
  const Spans spans(low, high);
  auto forEachListed = [&](auto&& list) {
    for (TriangleIndex i = 1; i <= triangles.count(); ++i) {
      const GridTriangles::Reach reach = triangles.reach(i);
      if (reach == GridTriangles::Reach::Excluded) continue;
      PositionRange bands{0, kMaxBandsListed + 1};
      if (reach == GridTriangles::Reach::Box) {
        const RegionBox& box = triangles.box(i);
        bands = spans.reaching(box.xMin, box.xMax);
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
  TriangleIndex* const owner = answers.owner.data();
  TriangleTest* const found = answers.found.data();
  const Mesh& mesh = triangles.mesh();
  const Spans columnSpans(columns, columns), rowSpans(rows, rows);
  bands.forEachCandidate(band, [&](TriangleIndex i) {
    PositionRange across{0, columnCount}, along{0, rowCount};
    if (triangles.reach(i) == GridTriangles::Reach::Box) {
      const RegionBox& box = triangles.box(i);
      across = columnSpans.reaching(box.xMin, box.xMax);
      if (across.empty()) return;
      along = rowSpans.reaching(box.yMin, box.yMax);
      if (along.empty()) return;
    }
    const TriangleEdges edges = GatherTriangleEdges(mesh, i);
    for (std::int32_t c = across.first; c < across.last; ++c) {
      const std::size_t column = static_cast<std::size_t>(c) * rows.size();
      for (std::int32_t r = along.first; r < along.last; ++r) {
        const std::size_t p = column + static_cast<std::size_t>(r);
        if (owner[p] <= i) continue;
        const TriangleTest test = TestTriangle(mesh, i, edges, columns[c], rows[r]);
        if (test.kind == TriangleTest::Kind::Miss) continue;
        owner[p] = i;
        found[p] = test;
      }
    }
  });
  // Outside the site boundary a point has no triangle, as MeshValueAt says.
  if (!mesh.boundary) return;
  for (std::int32_t c = 0; c < columnCount; ++c) {
    for (std::int32_t r = 0; r < rowCount; ++r) {
      const std::size_t p = static_cast<std::size_t>(c) * rows.size() + static_cast<std::size_t>(r);
      if (owner[p] != BlockAnswers::kNone && OutsideBoundary(mesh, columns[c], rows[r])) owner[p] = BlockAnswers::kNone;
    }
  }
}

}  // namespace plotvane

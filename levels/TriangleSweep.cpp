// Triangles level by level. See TriangleSweep.h.

#include "levels/TriangleSweep.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace plotvane {

TriangleSweep::TriangleSweep(const LevelMesh& mesh, SweepOf what) {
  const std::int32_t skipLowest = what == SweepOf::Lines ? 1 : 0;
  for (TriangleIndex t = 1; t <= mesh.triangleCount(); ++t) {
    if (!mesh.draws(t)) continue;
    const auto [lowest, highest] =
        std::minmax({mesh.band(mesh.vertex(t, 0)), mesh.band(mesh.vertex(t, 1)), mesh.band(mesh.vertex(t, 2))});
    if (lowest + skipLowest <= highest) m_runs.push_back({lowest + skipLowest, highest, t});
  }
  std::sort(m_runs.begin(), m_runs.end(),
            [](const Run& a, const Run& b) { return std::tie(a.first, a.triangle) < std::tie(b.first, b.triangle); });
}

bool TriangleSweep::next() {
  if (m_started) ++m_k;
  m_started = true;
  std::erase_if(m_activeRuns, [this](const Run& run) { return run.last < m_k; });
  if (m_activeRuns.empty()) {
    if (m_nextRun == m_runs.size()) return false;
    m_k = m_runs[m_nextRun].first;  // no triangle covers the k between
  }
  // The runs starting here join the others, the whole kept in triangle order.
  const auto begin = m_runs.begin() + static_cast<std::ptrdiff_t>(m_nextRun);
  auto end = begin;
  while (end != m_runs.end() && end->first == m_k) ++end;
  m_nextRun = static_cast<std::size_t>(end - m_runs.begin());
  m_merged.clear();
  std::merge(m_activeRuns.begin(), m_activeRuns.end(), begin, end, std::back_inserter(m_merged),
             [](const Run& a, const Run& b) { return a.triangle < b.triangle; });
  std::swap(m_activeRuns, m_merged);
  m_active.clear();
  for (const Run& run : m_activeRuns) m_active.push_back(run.triangle);
  return true;
}

}  // namespace plotvane

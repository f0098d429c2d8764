#pragma once
// The drawn triangles taken level by level, so that the contours can be
// built one level (or one band) at a time and let go before the next.
//
// Each drawn triangle covers a run of consecutive numbers k: the lines that
// cross it (lowest band + 1 to highest band, LevelSegments.h) or the bands
// it has a piece of (lowest to highest band, BandEdges.h). The sweep visits
// every k that some triangle covers, ascending, and hands out that k's
// triangles in ascending order, the order in which a pass over all
// triangles meets them. It keeps only the triangles of the current k: the
// work over all k is that of the pieces, not of levels times triangles.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "common/Index.h"
#include "levels/LevelMesh.h"

namespace plotvane {

enum class SweepOf { Lines, Bands };

class TriangleSweep {
 public:
  TriangleSweep(const LevelMesh& mesh, SweepOf what);

  // Moves to the next k that has triangles; false when none is left.
  bool next();
  std::int32_t k() const { return m_k; }
  std::span<const TriangleIndex> triangles() const { return m_active; }

 private:
  struct Run {
    std::int32_t first, last;  // k, inclusive
    TriangleIndex triangle;
  };

  std::vector<Run> m_runs;  // by first k, then by triangle
  std::size_t m_nextRun = 0;
  std::vector<Run> m_activeRuns;  // by triangle
  std::vector<TriangleIndex> m_active;
  std::vector<Run> m_merged;
  std::int32_t m_k = 0;
  bool m_started = false;
};

}  // namespace plotvane

#pragma once
// The mesh as the level geometry sees it: every vertex in data coordinates
// with its normalised level, the triangles that are drawn, and the level
// arithmetic of the contour lines. The page fills it in from a document
// (render/ContourMesh.h); everything here only reads it.
//
// Conventions, stated once:
// - Vertices are numbered as in the mesh (1-based, element 0 unused); x and
//   y are data coordinates, nothing is reprojected or clipped.
// - level(v) is the normalised level, (zr - Z1) / (Z2 - Z1), not clamped;
//   line k lies at level k x s with s = 1 / n, and a vertex belongs to band
//   floor(level / s) (LevelSteps, TriangleBands.h), with the margins on
//   far-off bands.
// - A triangle takes part only when the page draws it (DistortionTest.h).

#include <cstdint>
#include <span>
#include <vector>

#include "common/Index.h"
#include "levels/DistortionTest.h"
#include "levels/TriangleBands.h"

namespace plotvane {

class LevelMesh {
 public:
  TriangleIndex triangleCount() const { return m_nt; }
  // Whether the page draws triangle t (1..triangleCount()).
  bool draws(TriangleIndex t) const { return !m_drawing.skips(m_hh[t]); }
  // The three vertices of triangle t as ipt lists them (clockwise).
  std::int32_t vertex(TriangleIndex t, int corner) const { return m_ipt[3 * t - 2 + corner]; }

  double x(std::int32_t v) const { return m_x[v]; }
  double y(std::int32_t v) const { return m_y[v]; }
  double level(std::int32_t v) const { return m_level[v]; }
  std::int32_t band(std::int32_t v) const { return m_steps.band(m_level[v]); }
  const LevelSteps& steps() const { return m_steps; }

  // The number of levels n (at least 1).
  std::int32_t lineCount() const { return m_lineCount; }
  // The data value of line k: Z1 + k (Z2 - Z1) / n, to 15 significant digits.
  double levelValue(std::int32_t k) const;

 protected:
  // The triangles ipt (3 per triangle, from index 1) with their distortions
  // hh (from index 1), nt of them, and lineCount >= 1 levels; the vertices,
  // levels, Z window and distortion test are filled in by the maker.
  LevelMesh(std::span<const std::int32_t> ipt, std::span<const double> hh, TriangleIndex nt, std::int32_t lineCount)
      : m_ipt(ipt), m_hh(hh), m_nt(nt), m_lineCount(lineCount), m_steps(lineCount) {}

  std::vector<double> m_x{0.0}, m_y{0.0}, m_level{0.0};
  std::span<const std::int32_t> m_ipt;
  std::span<const double> m_hh;
  TriangleIndex m_nt = 0;
  DistortionTest m_drawing;
  std::int32_t m_lineCount;
  LevelSteps m_steps;
  double m_z1 = 0.0, m_z2 = 0.0;
};

}  // namespace plotvane

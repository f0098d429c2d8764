#pragma once
// The mesh as the contour tools see it: every vertex in data coordinates with
// the level the page gives it, the triangles the page draws, and the level
// arithmetic of the page's contour lines.
//
// Conventions, stated once:
// - Vertices are numbered as in the mesh (1-based, element 0 unused). A
//   vertex's data coordinates are the page's own reconstruction from the
//   normalised mesh, xr = (xMax - xMin) x meshX / 100 + xMin (likewise Y),
//   the values the page maps to the map square; they equal the file's X, Y up
//   to the rounding of the normalisation. Nothing is reprojected or clipped:
//   the X/Y window of the page does not cut the data.
// - level(v) is the page's normalised level, (zr - Z1) / (Z2 - Z1), not
//   clamped; line k lies at level k x s with s = 1 / n, and a vertex belongs to
//   band floor(level / s) (LevelSteps, render/TriangleBands.h), with the
//   page's margins on far-off bands.
// - A triangle takes part only when the page draws it: sq empty or hh below
//   its value (the page's distortion test, TriangleDrawing::skips).
// - The settings are read as the page reads them (SettingsForDrawing), so the
//   levels are those of the page for the same settings, whatever a file put
//   into them.

#include <cstdint>
#include <span>
#include <vector>

#include "common/Index.h"
#include "data/Document.h"
#include "render/ContourTriangles.h"
#include "render/TriangleBands.h"
#include "settings/DrawSettings.h"

namespace plotvane {

class ContourMesh {
 public:
  // doc must hold a mesh (nt >= 1); settings are the document's drawing
  // settings (any texts: they are read as the page reads them).
  ContourMesh(const Document& doc, const DrawSettings& settings);

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

  // The number of levels n, at least kMinBandCount.
  std::int32_t lineCount() const { return m_lineCount; }
  // The data value of line k: Z1 + k (Z2 - Z1) / n.
  double levelValue(std::int32_t k) const;

 private:
  // s: the settings as the page draws from them.
  ContourMesh(const Document& doc, const DrawSettings& s, int);

  std::vector<double> m_x{0.0}, m_y{0.0}, m_level{0.0};
  std::span<const std::int32_t> m_ipt;
  std::span<const double> m_hh;
  TriangleIndex m_nt = 0;
  TriangleDrawing m_drawing;
  std::int32_t m_lineCount;
  LevelSteps m_steps;
  double m_z1 = 0.0, m_z2 = 0.0;
};

}  // namespace plotvane

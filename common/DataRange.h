#pragma once
// The extent of a data set on each axis, in the file's own units. The
// settings take their fallbacks from it, the loader normalises by it and the
// look-ups map back through it.

namespace plotvane {

struct DataRange {
  double xMin = 0, xMax = 0;
  double yMin = 0, yMax = 0;
  double zMin = 0, zMax = 0;
  // The mesh was normalised with one factor for X and Y (the larger extent
  // maps to 0..100), so that it is Delaunay in the data's own proportions.
  bool isotropicMesh = false;
};

// The data extents that 100 units of meshX and meshY stand for: each axis's
// own extent, or for an isotropic mesh the larger of the two on both.
inline double IsotropicSpan(const DataRange& r) {
  const double dx = r.xMax - r.xMin;
  const double dy = r.yMax - r.yMin;
  return dx > dy ? dx : dy;
}
inline double MeshSpanX(const DataRange& r) { return r.isotropicMesh ? IsotropicSpan(r) : r.xMax - r.xMin; }
inline double MeshSpanY(const DataRange& r) { return r.isotropicMesh ? IsotropicSpan(r) : r.yMax - r.yMin; }

}  // namespace plotvane

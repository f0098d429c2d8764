#pragma once
// A surface as the volume computations see it: a loaded mesh, the data range
// it was normalised by and the distortion limit that admits its triangles.
//
// "Where the surface exists" is the rule of the look-ups (MeshValueAt.h): the
// union of the triangles the distortion limit admits. PlanTriangles lists
// those triangles in data coordinates, each with the plane through its three
// vertices, so that the exact methods integrate the same piecewise linear
// surface the look-ups interpolate.
//
// Coordinates are reconstructed in the order of operations the page and the
// look-ups use: X = MeshSpanX * meshX / 100 + xMin (likewise Y), and
// Z = zMin + (zMax - zMin) * meshZ / 100, all in double precision. They are
// then shifted by an origin chosen by the caller (a corner of the data), so
// that areas of small pieces far from the coordinate origin keep their digits.

#include <vector>

#include "data/Document.h"
#include "tools/DistortionLimit.h"

namespace plotvane {

struct VolumeSurface {
  const Mesh* mesh = nullptr;
  DataRange range;
  DistortionLimit limit;
};

// The document's mesh, range and limit; the document must outlive the result.
VolumeSurface VolumeSurfaceOf(const Document& document);

// One admitted triangle in shifted data coordinates, counter-clockwise
// (X right, Y up), with its box and its plane z = z0 + a (x - x0) + b (y - y0).
struct PlanTriangle {
  double x[3], y[3], z[3];
  double xMin, yMin, xMax, yMax;
  double a, b;

  double valueAt(double px, double py) const { return z[0] + a * (px - x[0]) + b * (py - y[0]); }
};

// The admitted triangles of surface with a plan area, shifted by -(originX,
// originY). A triangle whose vertices are collinear in data coordinates has no
// area to contribute and is left out, as are triangles whose coordinates are
// not finite.
std::vector<PlanTriangle> PlanTriangles(const VolumeSurface& surface, double originX, double originY);

// The largest magnitude a value of surface can have: its Z range's ends.
double ValueScale(const VolumeSurface& surface);

}  // namespace plotvane

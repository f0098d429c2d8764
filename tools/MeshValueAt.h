#pragma once
// The value of the mesh at a point of the data plane.
//
// MeshValueAt normalises the point with the data extents exactly as the mesh
// coordinates were normalised, finds the lowest-numbered admitted triangle
// whose containment test (TriangleKernel.h) accepts it, and interpolates Z
// linearly in that triangle:
// - xn = (X - xMin) / spanX * 100, likewise yn, in double precision, with
//   spanX = xMax - xMin, or the larger extent for an isotropic mesh (MeshSpanX);
// - a triangle is admitted by the distortion limit (DistortionLimit.h);
// - the first admitted triangle in index order that contains the point
//   decides: Degenerate when its float vertices are collinear, otherwise the
//   value Z = zMin + (zMax - zMin) * zn / 100 rounded to single precision;
// - Outside when no admitted triangle contains the point, or when the mesh
//   has a site boundary (tools/Boundary.h) and (xn, yn) lies outside it.
//
// MeshValueAt asks the mesh's spatial index (MeshLocator.h), which the first
// look-up on a mesh builds, for the few triangles that can contain the point
// and tests those in ascending order; MeshValueAtLinear tests every triangle
// 1..nt in order. Both use the same triangle test and therefore give the same
// answer, bit for bit.
//
// A mesh that cannot belong to the current data gives Outside instead of a
// division by zero: nt == 0, a zero extent in X or Y, and for MeshValueAt an
// index built for another triangle count (nt changed without a reset of
// Mesh::locator). A Z outside the single-precision range (or not finite) is no
// value either: it answers Outside rather than an infinity that no caller can
// show.

#include "data/Document.h"
#include "tools/DistortionLimit.h"

namespace plotvane {

struct TriangleTest;

struct MeshValue {
  enum class Kind { Value, Outside, Degenerate };
  Kind kind = Kind::Outside;
  float z = 0.0f;  // the value in data units, meaningful for Value only

  bool hasValue() const { return kind == Kind::Value; }
};

// X and Y in data units. limit is ReadDistortionLimit(settings). The cursor
// and the value window give single-precision coordinates; the grids give
// doubles where single precision would move their points (GridConversion.h).
MeshValue MeshValueAt(const Mesh& mesh, const DataRange& range, const DistortionLimit& limit, double X, double Y);

// The same, reading the mesh, the extents and sq from the document.
MeshValue MeshValueAt(const Document& document, float X, float Y);

// The plain scan over every triangle; kept as the reference for the fast path.
MeshValue MeshValueAtLinear(const Mesh& mesh, const DataRange& range, const DistortionLimit& limit, float X, float Y);

// The steps before and after the triangle tests, shared with the grid scan
// (GridScan.h), which must answer exactly as MeshValueAt does.
struct NormalisedPoint {
  bool valid = false;  // false: the extents leave no valid normalisation
  double xn = 0.0, yn = 0.0;
};
NormalisedPoint NormalisePoint(const DataRange& range, double X, double Y);
// The answer when found is the test of the deciding triangle (a Miss when none
// accepted the point).
MeshValue AnswerOf(const DataRange& range, const TriangleTest& found);

}  // namespace plotvane

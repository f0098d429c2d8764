#pragma once
// The distortion of the mesh triangles: 1 - 2r/R with r the inradius and R the
// circumradius, 0 for an equilateral triangle, rising towards 1 as a triangle
// flattens, and exactly 1 for one without area. It is measured in the
// normalised plane, so a data set much wider than high is rated as if
// stretched to a square. The drawing, the read-out and the look-up leave out
// triangles whose distortion reaches the limit sq.

#include <cstdint>
#include <vector>

#include "common/Index.h"

namespace plotvane {

// Fills hh[1..nt] (resized to nt + 1) with the distortion of every triangle
// of ipt over the mesh arrays x, y.
void TriangleDistortions(const std::vector<double>& x, const std::vector<double>& y, TriangleIndex nt,
                         const std::vector<std::int32_t>& ipt, std::vector<double>& hh);

// The distortion of one triangle given by its corners.
double TriangleDistortion(double x1, double y1, double x2, double y2, double x3, double y3);

}  // namespace plotvane

#pragma once
// Which triangles the page draws: those whose distortion hh lies below the
// limit sq, all of them when sq is empty. The comparison is in double
// precision, as the page has always drawn; the value look-up keeps its own,
// single-precision limit (tools/DistortionLimit.h). The contour export and
// the labels use this test so that they follow exactly the drawn triangles.

namespace plotvane {

struct DistortionTest {
  bool hasLimit = false;  // sq is not empty
  double limit = 0.0;     // the value of sq

  // sq given and its value not above hh.
  bool skips(double hh) const { return hasLimit && limit <= hh; }
};

}  // namespace plotvane

#pragma once
// The difference map: a document whose points are the corners of the overlay
// of two loaded surfaces and whose Z is S - R there (tools/DifferenceOverlay.h),
// meshed by the overlay's own triangles and given the settings a loaded file
// gets (the window of the two files' common range, Z1 and Z2 the
// difference's range rounded outward to three significant digits), so
// that every drawing, look-up and export works on it unchanged and the zero
// level is where cut turns into fill.

#include <optional>

#include "common/Failure.h"
#include "data/Document.h"

namespace plotvane {

// Makes out the difference of surface and reference (both meshed). Fails,
// leaving out without a mesh, when the two do not overlap or differ by the
// same height everywhere.
std::optional<Failure> MakeDifferenceDocument(const Document& surface, const Document& reference, Document& out);

// Puts the surface of from (its points, range, mesh, title, survey data and
// drawing settings) in place of doc's, keeping this run's choices of labels,
// ramp, posts and levels.
void ReplaceSurface(Document& doc, Document&& from);

}  // namespace plotvane

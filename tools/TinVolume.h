#pragma once
// The exact (TIN) volume of a surface against a plane or a second surface:
// see Volume.h.
//
// Against a plane every admitted triangle is one piece, its difference to the
// plane known at its corners. Against a surface the triangles of R are
// indexed by their boxes (TriangleBoxIndex.h) and every triangle of S is
// clipped by each triangle of R whose box meets its own; the difference at a
// piece's corners comes from the two triangles' planes. Coordinates are
// shifted to the lower-left corner of S's data range.
//
// When S's mesh has a site boundary (tools/Boundary.h), each piece counts
// only with its part inside the boundary, clipped exactly (PlanMask.h); the
// reference's own boundary, if any, is not looked at.
//
// The triangles of S are shared out between two threads in two fixed halves,
// whose sums are added in a fixed order: the figures are the same on one
// core or two.

#include "tools/VolumeSums.h"
#include "tools/VolumeSurface.h"

namespace plotvane {

VolumeFigures TinVolume(const VolumeSurface& s, double plane);
VolumeFigures TinVolume(const VolumeSurface& s, const VolumeSurface& r);

}  // namespace plotvane

#pragma once
// The breaklines of a load's mesh options applied to its mesh: the vertices
// become points (of the mesh and of the point set, so that everything that
// counts, draws or saves points sees them), the segments chains of mesh edges
// (mesh/InsertConstraints.h).

#include "common/DataRange.h"
#include "data/Document.h"
#include "data/SiteShapes.h"

namespace plotvane {

// Widens r's Z extent by the heights the breaklines give, so that the
// normalisation holds them too.
void WidenByBreaklineHeights(const SiteShapes& breaklines, DataRange& r);

// Sets errMsg and errDetail for breaklines asked of a file that brings its
// own triangles, which are kept as they are.
void RefuseBreaklinesOnFaces(Document& doc);

// Makes doc's mesh (normalised, meshed) follow doc.meshOptions.breaklines,
// appends the new points to doc.points and the mesh arrays, gives the points
// a vertex lies on the vertex's Z, and says in doc.survey.loadNote how many
// were added and replaced. False, with errMsg and errDetail naming the file
// and the place, when the breaklines cannot be used; the mesh is then to be
// discarded.
bool InsertBreaklines(Document& doc);

}  // namespace plotvane

#pragma once
// The site boundary of a document: a boundary file's rings made the mesh's
// mask (data/BoundaryMask.h), and taken away again.
//
// The surface is unchanged inside the boundary and does not exist outside
// it: MeshValueAt answers Outside there, the grid leaves the point out, the
// volumes count only the plan area inside, the page draws nothing outside.
//
// The mask belongs to the mesh it was made for: it is made after the mesh
// (the rings are normalised with the document's data range) and a new load
// starts without one; the front ends keep the file's shapes and apply them
// again to every load until the user clears them.

#include <optional>
#include <string_view>

#include "common/Failure.h"
#include "data/BoundaryMask.h"
#include "data/Document.h"
#include "data/SiteShapes.h"

namespace plotvane {

// Makes the rings of shapes the boundary of doc's mesh (open lines are not
// a boundary and are passed over). Fails, leaving doc as it was, when shapes
// has no ring, when two rings overlap in part, or when the rings miss the
// mesh: no mesh vertex lies inside them and no ring corner or edge midpoint
// lies on a triangle. name is the file's, for the message.
std::optional<Failure> ApplyBoundary(Document& doc, const SiteShapes& shapes, std::string_view name);

// Removes the mask: everything is as if none had been applied.
void ClearBoundary(Document& doc);

// True when the mesh has a boundary and the point (in mesh coordinates) lies
// outside it.
inline bool OutsideBoundary(const Mesh& mesh, double xn, double yn) {
  return mesh.boundary && !mesh.boundary->contains(xn, yn);
}

}  // namespace plotvane

#pragma once
// How the points of a load are joined into a mesh, beyond the plain
// Delaunay mesh of the normalised points: both are off unless asked for,
// and then the mesh is exactly the plain one.

#include <string>

#include "data/SiteShapes.h"

namespace plotvane {

struct MeshOptions {
  // X and Y normalised by one factor (the larger extent maps to 0..100), so
  // that the mesh is Delaunay in the data's own proportions.
  bool isotropic = false;
  // Lines the mesh must follow: every vertex becomes a mesh point and every
  // segment a chain of mesh edges (mesh/InsertConstraints.h). In data units.
  SiteShapes breaklines;
  // The file the breaklines came from, for messages and the status bar;
  // empty when none is in force.
  std::string breaklineFile;

  bool hasBreaklines() const { return !breaklines.shapes.empty(); }
};

}  // namespace plotvane

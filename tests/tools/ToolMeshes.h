#pragma once
// Meshes for the look-up tests, in normalised coordinates. Vertices and
// triangles are given 0-based here and stored 1-based, as the program stores
// them.

#include <array>
#include <cstdint>
#include <vector>

#include "data/Document.h"
#include "support/PointGenerators.h"

namespace plotvane::test {

struct MeshVertex {
  double x, y, z;
};

struct ToolMesh {
  Mesh mesh;
  DataRange range;  // data units; the default makes data and mesh coordinates 0..100 alike
};

// triangles: 0-based vertex indices, in the order they are to be stored.
// hh is 0 for every triangle.
ToolMesh MakeToolMesh(const std::vector<MeshVertex>& vertices, const std::vector<std::array<int, 3>>& triangles,
                      const DataRange& range = {0, 100, 0, 100, 0, 100});

// An n x n lattice over 0..100, each square split clockwise along a random
// diagonal, the triangles stored in random order and each starting at a random
// corner; random Z and random hh in 0..1.
ToolMesh LatticeMesh(int n, std::uint32_t seed);

// Unrelated, overlapping triangles of both orientations, most of them slivers:
// float-collinear vertices, vertices a few float steps off a line, and thin
// needles. Random hh in 0..1.
ToolMesh SliverSoup(int count, std::uint32_t seed);

// The mesh the program builds for these data points: normalised to 0..100,
// triangulated, rated by TriangleDistortions; range holds the data extents.
ToolMesh DelaunayMesh(const Points& points);

}  // namespace plotvane::test

#pragma once
// Small meshes for the contour tests and an independent computation of their
// level lines and band areas, written from the definitions rather than from
// the contour code: a vertex lies on the upper side of line k when
// floor(level / s) >= k, a line crosses an edge whose ends lie on different
// sides at the linearly interpolated point, and a band is the part of a
// triangle between two levels, found by clipping.
//
// The documents have the data range 0..100 on every axis, so data and mesh
// coordinates agree, and Z1 = 0, Z2 = 100: a vertex's level is its Z / 100.

#include <array>
#include <string>
#include <vector>

#include "data/Document.h"
#include "levels/BandPolygons.h"
#include "levels/ContourSet.h"
#include "tools/ToolMeshes.h"

namespace plotvane::test {

struct Segment {
  ContourPoint a, b;
};

// A document of these vertices and triangles (0-based, turned clockwise where
// they are not), n levels, distortion limit sq, hh of every triangle 0.
Document ContourDocument(const std::vector<MeshVertex>& vertices, const std::vector<std::array<int, 3>>& triangles,
                         const std::string& n, const std::string& sq = "");
// The same for a mesh made elsewhere (its range is kept).
Document ContourDocument(const ToolMesh& mesh, const std::string& n, const std::string& sq = "");

// The segments of line k in the drawn triangles, those without length left
// out and each edge lying on the level once.
std::vector<Segment> OracleSegments(const Document& doc, int k);
// The lines of one level taken apart into their segments (rings closed).
std::vector<Segment> SegmentsOf(const ContourLevel& level);
// Whether both lists hold the same segments, in any order and direction,
// each point within tolerance.
bool SameSegments(std::vector<Segment> expected, const std::vector<Segment>& actual, double tolerance);

// The area of band k within the drawn triangles, by clipping each triangle.
double OracleBandArea(const Document& doc, int k);
// Outer rings minus holes.
double AreaOf(const ContourBand& band);
using plotvane::SignedArea;

// The level of a document's lines with index k, or nullptr.
const ContourLevel* LevelOf(const ContourSet& set, int k);

// Runs a shell command; its standard output, and the exit status in status.
std::string RunTool(const std::string& command, int& status);

}  // namespace plotvane::test

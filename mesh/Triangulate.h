#pragma once
// Joining the loaded points into a Delaunay triangle mesh.
//
// Triangulate works on the normalised mesh arrays (0..100 on each axis),
// reorders them in ascending X, and fills nt and ipt: triangle k has the
// vertices ipt[3k-2], ipt[3k-1], ipt[3k], listed clockwise (X to the right,
// Y upward) in the order they were made (p1, p2, inserted point). It checks
// for too few points, duplicate points and points all on one line, and drives
// the progress window: 0 at the start, 5 after sorting, 10 after the duplicate
// check, then 10 + 90 i / nn while points are inserted.

#include <cstdint>
#include <string>
#include <vector>

#include "common/Progress.h"
#include "mesh/BuildMesh.h"

namespace plotvane {

enum class TriangulateOutcome {
  Meshed,           // nt >= 1, errMsg empty
  TooFewPoints,     // "データの数が２個以下です。"
  DuplicatePoints,  // "重複した座標があります。"
  AllCollinear,     // "すべての座標が一本の直線上にあります。"
  Failed,           // a circle that cannot exist, or full tables: "予期せぬ理由で読込に失敗しました。"
  Cancelled,        // the progress sink asked to stop; errMsg empty, nt == 0
};

// x, y, z: the mesh arrays, 1..nn, reordered in place. nt and ipt are written
// only when a mesh results (nt = 0 for AllCollinear and Failed). errMsg holds
// the message of every outcome but Meshed; the caller shows it. The progress
// sink is closed before returning, whatever the outcome.
TriangulateOutcome Triangulate(PointIndex nn, std::vector<double>& x, std::vector<double>& y, std::vector<double>& z,
                               TriangleIndex& nt, std::vector<std::int32_t>& ipt, std::string& errMsg,
                               ProgressSink& progress, const BuildMeshFunction& build = BuildMesh);

}  // namespace plotvane

#pragma once
// Points of the same X and Y: the first such pair in the file, to name in
// the message that refuses the file, and, when the user asks for it, their
// merging into one point before the mesh is built.
//
// "The same" is the mesh's own test: equal X and Y as read, so the points
// named are the ones the triangulation refused.

#include <optional>

#include "common/Index.h"
#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

struct DuplicatePair {
  PointIndex first = 0, second = 0;  // in file order, first < second
};

// The pair whose second point comes earliest in the file; nullopt when every
// point has X and Y of its own.
std::optional<DuplicatePair> FirstDuplicatePair(const PointSet& points);

// Keeps one point of each group of equal X and Y, in file order: the first
// as it is (First), or the first with the mean Z of the group (Mean).
// Returns how many points were taken out. Names and line numbers follow
// their points.
PointIndex MergeDuplicatePoints(PointSet& points, DuplicateRule rule);

}  // namespace plotvane

#pragma once
// The contours as a GeoJSON FeatureCollection.
//
// One feature per level, in ascending order: properties "level" (the data
// value) and "index" (k), geometry a LineString for a single line and a
// MultiLineString otherwise. A closed line repeats its first point at the end.
// Then one feature per band when bands were built: properties "lower",
// "upper" and "band" (k) (and "colour", "#rrggbb", when the band carries its
// colour), geometry a Polygon or MultiPolygon with closed rings,
// outer rings counter-clockwise and holes clockwise. Coordinates are the data's
// X, Y without any reprojection (no "crs" member), every number in its
// shortest exact form (ExactNumber.h). One feature per line of text, lines
// ending in CR LF.

#include "common/SafeFile.h"
#include "contours/ContourFeed.h"

namespace plotvane {

void WriteGeoJson(const ContourFeed& contours, SafeFileWriter& out);

}  // namespace plotvane

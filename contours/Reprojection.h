#pragma once
// Contours carried from the data's coordinate system to WGS 84 longitude and
// latitude (in that order), as GeoJSON (RFC 7946) and KML require, by PROJ
// through OGR's coordinate transformation.
//
// Every point is transformed; the lines keep their points, closure and
// order. The plane rectangular and UTM projections are conformal and keep
// the sense of a ring, so outer rings stay counter-clockwise.

#include "common/Failure.h"
#include "contours/CoordinateSystem.h"
#include "levels/ContourSet.h"

namespace plotvane {

struct ReprojectedContours {
  ContourSet contours;
  WriteOutcome failure;  // a point PROJ could not transform, or no transformation
};

ReprojectedContours ToWgs84(const ContourSet& contours, CoordinateSystem system);

}  // namespace plotvane

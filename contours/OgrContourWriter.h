#pragma once
// The contours written by GDAL's OGR drivers for the GIS formats that are
// not plain text: GeoPackage, ESRI Shapefile and KML.
//
// Level lines: one feature per level, a MultiLineString (a closed line a
// closed ring of points), with the fields "level" (Real, the data value) and
// "index" (Integer, k). Bands: one feature per band, a MultiPolygon (outer
// rings counter-clockwise, holes clockwise), with "lower", "upper" (Real)
// and "band" (Integer, k).
// - GeoPackage: the layers "contours" and, with bands, "bands" in one file.
// - Shapefile: c.shp holds the lines and c_bands.shp the bands, each with
//   its .shx, .dbf, a .cpg saying UTF-8 and, with a system, a .prj.
// - KML: the folders "contours" and "bands", every placemark named by its
//   level ("110.5") or its band's range ("110.5 - 111"). KML is always WGS 84
//   longitude/latitude, so it needs a coordinate system to transform from.
// GeoPackage and Shapefile carry the chosen system (none when none is
// chosen) and the data's own coordinates.
//
// The files are written in a staging folder and replace their targets only
// when complete (StagedFiles.h).

#include <string>

#include "common/Failure.h"
#include "contours/ContourFeed.h"
#include "contours/CoordinateSystem.h"

namespace plotvane {

enum class OgrFormat { GeoPackage, Shapefile, Kml };

// The usage failure of a KML without a coordinate system to transform from.
Failure KmlNeedsSystem();

// The shapefile of the bands beside the lines' path: "c.shp" -> "c_bands.shp".
std::string BandsShapefileName(const std::string& path);

// Writes the contours at path, with the bands' layer when withBands (empty
// when no band has a polygon). Returns the failure (a KML without a system
// is a usage failure), none on success.
WriteOutcome WriteOgrContours(const ContourFeed& contours, const std::string& path, OgrFormat format,
                              CoordinateSystem system, bool withBands);

}  // namespace plotvane

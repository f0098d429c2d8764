#pragma once
// ReadSiteFile: a boundary or breakline file into site shapes
// (data/SiteShapes.h), the format chosen by the name's ending, in any case:
// - ".geojson", ".json": GeoJSON. Polygon and MultiPolygon rings are rings,
//   LineString and MultiLineString lines; Z where the coordinates give it.
// - ".dxf": DXF. LWPOLYLINE and POLYLINE (a closed one is a ring), LINE;
//   the height from the vertex or the entity's elevation.
// - ".sim": SIMA. The parcels (D00 .. D99) become rings; the points serve
//   only as the parcels' corners.
// - anything else: plain text, "X Y [Z]" per line, the fields separated by
//   tabs, commas or spaces. A blank line ends a shape; a shape whose last
//   vertex repeats its first is a ring, any other an open line. Lines
//   beginning with '#' are comments.
// GeoJSON and DXF are read through GDAL's own drivers for the two formats
// and no others, from the file's bytes read with the data files' bound.
//
// A line (of any format) whose last vertex repeats its first is a ring too:
// DXF's closed polylines arrive that way from some writers. Every shape is
// checked before it is handed over (data/SiteShapeChecks.h).
//
// On failure out is left empty and the failure says what and where: the
// file that cannot be read is CannotOpen; one that reads but does not hold
// usable shapes is LoadFailed, its detail naming the file and the place.

#include <optional>
#include <string>
#include <string_view>

#include "common/Failure.h"
#include "data/SiteShapes.h"

namespace plotvane {

std::optional<Failure> ReadSiteFile(const std::string& path, SiteShapes& out);

// The same for file bytes already in memory; name decides the format and is
// the one the messages give.
std::optional<Failure> ReadSiteBytes(std::string_view bytes, std::string_view name, SiteShapes& out);

}  // namespace plotvane

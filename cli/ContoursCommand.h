#pragma once
// plotvane-cli contours: the level lines (and bands) of a data file written
// for CAD and GIS programs.
//
//   contours FILE -o OUT [load options] [--view VIEW.ctv] [--sq LIMIT] [--bands]
//            [--crs EPSG:N | --zone N]
//
// Loads FILE as the program opens it, applies the settings options, and
// writes the contours of the triangles the page draws, in the format OUT's
// name ends with: ".geojson", ".gpkg", ".shp", ".kml", ".dxf" or ".csv"
// (ContourExport.h); --bands adds the filled bands as polygons, in every
// format but DXF and CSV. The coordinate system (CrsOptions.h) goes into the
// GIS files; KML needs one.

#include <ostream>

#include "cli/CliCommands.h"

namespace plotvane::cli {

int RunContours(const Words& words, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli

#pragma once
// plotvane-cli contours: the level lines (and bands) of a data file written
// for CAD and GIS programs.
//
//   contours FILE -o OUT [--view VIEW.ctv] [--sq LIMIT] [--bands]
//
// Loads FILE as the program opens it, applies --view and --sq, and writes the
// contours of the triangles the page draws, in the format OUT's name ends
// with: ".geojson", ".dxf" or ".csv" (ContourExport.h); --bands adds the
// filled bands as polygons and needs ".geojson". Exit status as for the other
// commands (CliCommands.h): an output that cannot be written gives 1.

#include <ostream>

#include "cli/CliArguments.h"

namespace plotvane::cli {

int RunContours(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli

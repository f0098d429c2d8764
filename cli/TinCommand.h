#pragma once
// plotvane-cli tin: the mesh of a data file as a TIN surface.
//
//   tin FILE -o OUT.xml|OUT.dxf [load options] [--view VIEW.ctv] [--sq LIMIT]
//       [--crs EPSG:N | --zone N]
//
// Loads FILE as the program opens it and writes the triangles the page
// draws (the distortion limit leaves the others out) as a LandXML 1.2
// surface (".xml") or DXF 3DFACE entities (".dxf"), contours/TinSurface.h.
// The coordinate system is recorded in the LandXML file.

#include <ostream>

#include "cli/CliCommands.h"

namespace plotvane::cli {

int RunTin(const Words& words, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli

#pragma once
// The .prj file that tells GIS programs the coordinate system of a file that
// has no place for one (an ESRI ASCII grid): the system in ESRI's WKT, one
// line, beside the file under its name with ".prj" for its extension.

#include <string>

#include "common/Failure.h"
#include "contours/CoordinateSystem.h"

namespace plotvane {

// "dem.asc" -> "dem.prj"
std::string PrjNameOf(const std::string& path);

// Writes the chosen system's .prj beside path through the safe writer.
WriteOutcome WritePrjBeside(const std::string& path, CoordinateSystem system);

}  // namespace plotvane

#pragma once
// --boundary FILE, which every loading command takes: the site boundary
// (tools/Boundary.h) read from a text, GeoJSON, DXF or SIMA file
// (data/SiteFileReader.h) and made the mask of the loaded mesh.

#include <optional>
#include <ostream>
#include <string>

#include "cli/OptionTable.h"
#include "data/Document.h"

namespace plotvane::cli {

void AddBoundaryOption(CLI::App& table, std::optional<std::string>& boundary);

// Reads the file and masks doc's mesh with it; nothing without a file. A file
// that cannot be read ends the command with the usage status (2), one whose
// shapes are unusable or miss the data with the load status (1), the
// message on err.
std::optional<int> ApplyBoundaryOption(const std::optional<std::string>& boundary, Document& doc, std::ostream& err);

}  // namespace plotvane::cli

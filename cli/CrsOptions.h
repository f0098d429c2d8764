#pragma once
// The coordinate-system options of the commands that write GIS files:
//   [--crs EPSG:N | --zone N]
// --zone N names Japan's plane rectangular zone N (1..19) of JGD2011,
// EPSG 6668 + N. Without either, no system: the files are written as before.

#include <optional>
#include <ostream>
#include <string>

#include "cli/OptionTable.h"
#include "contours/CoordinateSystem.h"

namespace plotvane::cli {

struct CrsArguments {
  std::optional<std::string> crs;
  std::optional<std::int32_t> zone;
};

void AddCrsOptions(CLI::App& table, CrsArguments& arguments);

// The chosen system (none when neither option was given), or the exit status
// of a code PROJ does not know, its message printed on err.
struct CrsChoice {
  CoordinateSystem system;
  std::optional<int> stop;
};
CrsChoice ReadCrsOptions(const CrsArguments& arguments, std::ostream& err);

}  // namespace plotvane::cli

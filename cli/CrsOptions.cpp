// The coordinate-system options. See CrsOptions.h.

#include "cli/CrsOptions.h"

#include "cli/ExitStatus.h"

namespace plotvane::cli {

void AddCrsOptions(CLI::App& table, CrsArguments& arguments) {
  CLI::Option* crs =
      table.add_option("--crs", arguments.crs, "the data's coordinate system, EPSG:N")->type_name("EPSG:N");
  CLI::Option* zone = AddWholeNumber(table, "--zone", arguments.zone, 1, kZoneCount,
                                     "the data are in Japan's plane rectangular zone N of JGD2011");
  crs->excludes(zone);
}

CrsChoice ReadCrsOptions(const CrsArguments& arguments, std::ostream& err) {
  if (arguments.zone) return {ZoneSystem(*arguments.zone), std::nullopt};
  if (!arguments.crs) return {};
  const CoordinateSystemRead read = ReadCoordinateSystem(*arguments.crs);
  if (read.failure) return {{}, UsageError(err, read.failure->message)};
  return {read.system, std::nullopt};
}

}  // namespace plotvane::cli

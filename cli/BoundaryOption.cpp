// --boundary. See BoundaryOption.h.

#include "cli/BoundaryOption.h"

#include "cli/ExitStatus.h"
#include "data/SiteFileReader.h"
#include "tools/Boundary.h"

namespace plotvane::cli {

void AddBoundaryOption(CLI::App& table, std::optional<std::string>& boundary) {
  table
      .add_option("--boundary", boundary,
                  "keep to the site boundary in FILE (text X Y per line, .geojson, .dxf or .sim parcels): "
                  "nothing outside it")
      ->type_name("FILE");
}

std::optional<int> ApplyBoundaryOption(const std::optional<std::string>& boundary, Document& doc, std::ostream& err) {
  if (!boundary) return std::nullopt;
  SiteShapes shapes;
  std::optional<Failure> failure = ReadSiteFile(*boundary, shapes);
  if (!failure) failure = ApplyBoundary(doc, shapes, *boundary);
  if (failure) return ReportFailure(*failure, err);
  return std::nullopt;
}

}  // namespace plotvane::cli

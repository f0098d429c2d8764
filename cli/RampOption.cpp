// --ramp. See RampOption.h.

#include "cli/RampOption.h"

#include <filesystem>

#include "cli/ExitStatus.h"
#include "render/ColourRamps.h"
#include "render/RampFile.h"

namespace plotvane::cli {
namespace {

std::string RampNameList() {
  std::string list;
  for (const std::string_view name : kRampNames) list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

}  // namespace

CLI::Option* AddRampOption(CLI::App& table, std::optional<std::string>& ramp) {
  return table.add_option("--ramp", ramp, "the bands' colours: " + RampNameList() + ", or a file of stops")
      ->type_name("NAME|FILE");
}

std::optional<int> ResolveRamp(const std::optional<std::string>& text, RampChoice& ramp, std::ostream& err) {
  if (!text) return std::nullopt;
  if (auto named = NamedRamp(*text)) {
    ramp = std::move(*named);
    return std::nullopt;
  }
  std::error_code ignored;
  if (!std::filesystem::exists(*text, ignored)) {
    return UsageError(err, "--ramp: " + *text + " is neither a ramp (" + RampNameList() + ") nor a file");
  }
  auto read = ReadRampFile(*text);
  if (const auto* failure = std::get_if<Failure>(&read)) return ReportFailure(*failure, err);
  ramp = std::move(std::get<RampChoice>(read));
  return std::nullopt;
}

}  // namespace plotvane::cli

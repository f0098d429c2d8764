#include "cli/CliSurveyOptions.h"

#include "cli/CliCommands.h"
#include "cli/CliLoad.h"
#include "common/Capacity.h"
#include "settings/ContourInterval.h"
#include "settings/EqualAspect.h"

namespace plotvane::cli {

std::optional<int> ApplySurveyOptions(const Arguments& args, Document& doc, std::ostream& err) {
  const auto interval = args.option("--interval");
  const auto base = args.option("--base");
  if (base && !interval) {
    err << "plotvane-cli: --base needs --interval\n";
    return kExitUsage;
  }
  if (interval) {
    const auto d = NumberArgument(*interval, "--interval", err);
    const auto b = base ? NumberArgument(*base, "--base", err) : std::optional<double>(0.0);
    if (!d || !b) return kExitUsage;
    const DataRange& r = doc.range;
    switch (ApplyContourInterval(doc.settings, *d, *b, r.zMin, r.zMax)) {
      case IntervalLevels::Status::Ok: break;
      case IntervalLevels::Status::BadInterval:
        err << "plotvane-cli: --interval must be a positive number and --base a finite one\n";
        return kExitUsage;
      case IntervalLevels::Status::TooManyLevels:
        err << "plotvane-cli: --interval " << *interval << " gives more than " << capacity::kMaxLevels
            << " bands over the data's Z range\n";
        return kExitUsage;
    }
  }
  if (args.option("--equal-aspect")) ApplyEqualAspect(doc.settings, doc.range);
  return std::nullopt;
}

}  // namespace plotvane::cli

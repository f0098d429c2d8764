// The exit statuses. See ExitStatus.h.

#include "cli/ExitStatus.h"

namespace plotvane::cli {

int ReportFailure(const Failure& failure, std::ostream& err) {
  err << "plotvane-cli: " << failure.message << '\n';
  if (!failure.detail.empty()) err << "plotvane-cli: " << failure.detail << '\n';
  return ExitStatusOf(failure.kind);
}

}  // namespace plotvane::cli

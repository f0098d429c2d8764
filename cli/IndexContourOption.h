#pragma once
// --index-every N, shared by render and contours: every N-th level, counted
// from the multiples of --base (0 without one), is an index contour
// (levels/EveryNthLevel.h): heavier on the page and, with --labels, the only
// levels labelled; marked in contour data.

#include <cstdint>
#include <optional>

#include "cli/OptionTable.h"

namespace plotvane::cli {

CLI::Option* AddIndexEveryOption(CLI::App& table, std::optional<std::int32_t>& every);

}  // namespace plotvane::cli

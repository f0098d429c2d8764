// --index-every. See IndexContourOption.h.

#include "cli/IndexContourOption.h"

#include "common/Capacity.h"

namespace plotvane::cli {

CLI::Option* AddIndexEveryOption(CLI::App& table, std::optional<std::int32_t>& every) {
  return AddWholeNumber(table, "--index-every", every, 1, capacity::kMaxLevels,
                        "make every N-th level, counted from the base's multiples, an index contour");
}

}  // namespace plotvane::cli

// Explicit levels. See LevelList.h.

#include "settings/LevelList.h"

#include <cmath>

#include "common/Capacity.h"
#include "settings/NumberText.h"

namespace plotvane {

std::variant<std::vector<double>, std::string> ParseLevelList(std::string_view text) {
  std::vector<double> levels;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    const std::string_view field =
        text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    const auto value = ParseNumber(field);
    if (!value || !std::isfinite(*value)) return "\"" + std::string(field) + "\" is not a number";
    if (!levels.empty() && !(*value > levels.back())) return std::string("the levels must rise from one to the next");
    levels.push_back(*value);
    if (levels.size() > static_cast<std::size_t>(capacity::kMaxLevels) + 1) {
      return "at most " + std::to_string(capacity::kMaxLevels + 1) + " levels";
    }
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (levels.size() < 2) return std::string("at least two levels are needed");
  return levels;
}

std::string LevelListText(const std::vector<double>& levels) {
  std::string text;
  for (const double level : levels) text += (text.empty() ? "" : ",") + NumberText(level);
  return text;
}

}  // namespace plotvane

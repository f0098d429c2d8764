#include "data/ColumnChoice.h"

#include <charconv>

#include "common/Capacity.h"
#include "settings/NumberText.h"

namespace plotvane {

std::optional<FieldChoice> ParseColumnChoice(std::string_view text) {
  FieldChoice choice{};
  std::string_view rest = text;
  for (std::size_t i = 0; i < choice.size(); ++i) {
    const auto comma = rest.find(',');
    if ((comma == std::string_view::npos) != (i + 1 == choice.size())) return std::nullopt;
    const std::string_view field = TrimSpaces(rest.substr(0, comma));
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    if (number < 1 || number > capacity::kMaxFieldsPerLine) return std::nullopt;
    for (std::size_t j = 0; j < i; ++j) {
      if (choice[j] == number) return std::nullopt;
    }
    choice[i] = number;
    if (comma != std::string_view::npos) rest = rest.substr(comma + 1);
  }
  return choice;
}

std::string ColumnChoiceText(const FieldChoice& choice) {
  return std::to_string(choice[0]) + "," + std::to_string(choice[1]) + "," + std::to_string(choice[2]);
}

}  // namespace plotvane

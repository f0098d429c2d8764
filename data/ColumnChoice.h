#pragma once
// The text of a column choice, as the command line (--columns X,Y,Z) and the
// load dialog take it: three field numbers separated by commas, blanks
// around each allowed, every one a whole number from 1 to 100 (a line holds
// at most 100 fields), all three different. "1,2,3" is the default order.

#include <optional>
#include <string>
#include <string_view>

#include "data/DataFileLines.h"

namespace plotvane {

// The choice the text stands for, or nullopt when it is not three distinct
// field numbers within 1..100.
std::optional<FieldChoice> ParseColumnChoice(std::string_view text);

// The text ParseColumnChoice reads back as choice.
std::string ColumnChoiceText(const FieldChoice& choice);

}  // namespace plotvane

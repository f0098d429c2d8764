#pragma once
// The plain-text site file: "X Y [Z]" per line, fields separated by tabs,
// commas or runs of spaces; a blank line ends a shape; '#' begins a comment
// line. A shape whose last vertex repeats its first is a ring. The text
// arrives decoded to UTF-8 (common/TextDecoding.h).

#include <optional>
#include <string_view>

#include "common/Failure.h"
#include "data/SiteShapes.h"

namespace plotvane {

// Appends the text's shapes to out; a field that is not a number, or a line
// of one field or more than three, fails naming the line.
std::optional<Failure> ReadSiteText(std::string_view text, std::string_view name, SiteShapes& out);

}  // namespace plotvane

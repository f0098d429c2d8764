#pragma once
// A colour ramp from a text file: one stop per line,
//   position R G B
// position 0..1 rising from line to line, the components 0..255, separated
// by blanks, tabs or commas. Empty lines and lines starting with '#' are
// skipped. At least two stops, at most kMaxRampStops; the file is read up to
// kMaxRampFileBytes and refused beyond. The colours between stops are
// interpolated linearly (settings/RampChoice.h, RampKind::Stops).

#include <cstddef>
#include <string>
#include <variant>

#include "common/Failure.h"
#include "settings/RampChoice.h"

namespace plotvane {

inline constexpr std::size_t kMaxRampStops = 1024;
inline constexpr std::size_t kMaxRampFileBytes = std::size_t{64} << 10;

// The ramp of the file at path, or why it cannot be used: CannotOpen when it
// cannot be read, Usage when its text is not a ramp (the detail names the
// line).
std::variant<RampChoice, Failure> ReadRampFile(const std::string& path);

// The same from the file's text; the messages name the file as `name`.
std::variant<RampChoice, Failure> ParseRampText(std::string_view text, const std::string& name);

}  // namespace plotvane

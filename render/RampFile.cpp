// Reading a ramp file. See RampFile.h.

#include "render/RampFile.h"

#include <array>
#include <vector>

#include "common/FileBytes.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

Failure BadRamp(const std::string& name, const std::string& detail) {
  return Failure{FailureKind::Usage, name + ": not a colour ramp (position R G B per line)", detail};
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t end = line.find_first_of(" \t,", start);
    const std::size_t stop = end == std::string_view::npos ? line.size() : end;
    if (stop > start) fields.push_back(line.substr(start, stop - start));
    start = stop + 1;
  }
  return fields;
}

// The stop of one line, or the reason it is none.
std::variant<RampStop, std::string> ParseStop(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 4) return std::string("four numbers expected, ") + std::to_string(fields.size()) + " found";
  std::array<double, 4> v{};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto number = ParseNumber(fields[i]);
    if (!number) return "\"" + std::string(fields[i]) + "\" is not a number";
    v[i] = *number;
  }
  if (!(v[0] >= 0.0 && v[0] <= 1.0)) return std::string("the position must lie in 0..1");
  for (std::size_t i = 1; i < 4; ++i) {
    if (!(v[i] >= 0.0 && v[i] <= 255.0)) return std::string("the colour components must lie in 0..255");
  }
  return RampStop{v[0], v[1], v[2], v[3]};
}

}  // namespace

std::variant<RampChoice, Failure> ParseRampText(std::string_view text, const std::string& name) {
  RampChoice ramp{RampKind::Stops, {}};
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? text.size() : end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    auto stop = ParseStop(line);
    if (const auto* reason = std::get_if<std::string>(&stop)) return BadRamp(name, where + *reason);
    const RampStop& next = std::get<RampStop>(stop);
    if (!ramp.stops.empty() && !(next.position > ramp.stops.back().position)) {
      return BadRamp(name, where + "the positions must rise from line to line");
    }
    if (ramp.stops.size() == kMaxRampStops) {
      return BadRamp(name, "more than " + std::to_string(kMaxRampStops) + " stops");
    }
    ramp.stops.push_back(next);
  }
  if (ramp.stops.size() < 2) return BadRamp(name, "at least two stops are needed");
  return ramp;
}

std::variant<RampChoice, Failure> ReadRampFile(const std::string& path) {
  FileReadError error;
  const auto bytes = ReadFileBytes(path, kMaxRampFileBytes, Oversize::Refuse, &error);
  if (!bytes) {
    const std::string detail = error.kind == FileReadError::Kind::TooLarge
                                   ? "larger than " + std::to_string(kMaxRampFileBytes / 1024) + " KiB"
                                   : "cannot be read";
    return Failure{FailureKind::CannotOpen, path + ": the colour ramp cannot be read", detail};
  }
  return ParseRampText(*bytes, path);
}

}  // namespace plotvane

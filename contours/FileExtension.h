#pragma once
// The kind of an output file, from the end of its name.

#include <algorithm>
#include <cctype>
#include <string_view>

namespace plotvane {

// Whether path ends in extension (".dxf") in any letter case, with a name
// before it.
inline bool HasExtension(std::string_view path, std::string_view extension) {
  if (path.size() <= extension.size()) return false;
  const std::string_view tail = path.substr(path.size() - extension.size());
  return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace plotvane

#pragma once
// Numbers for files that other programs read back: the shortest decimal text
// that reads back to the same double (up to 17 significant digits, fewer when
// they suffice), "." as the decimal mark whatever the locale, exponent form
// only where it is shorter. std::to_chars is exact and allocates nothing, which
// matters for files of a million coordinates.

#include <charconv>
#include <string>

namespace plotvane {

inline void AppendExact(std::string& out, double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

// "x,y"
inline void AppendExactPair(std::string& out, double x, double y) {
  AppendExact(out, x);
  out += ',';
  AppendExact(out, y);
}

inline std::string ExactText(double value) {
  std::string text;
  AppendExact(text, value);
  return text;
}

}  // namespace plotvane

// Fuzzes the number conventions: the numeric-prefix rule, the numeric test and
// the texts of numbers.
//
// The input is read twice: as a text, and (when it has eight bytes) its first
// eight bytes as the bits of a double, so that every double, the largest and
// the subnormal ones included, reaches the formatting.
//
// Properties:
// - NumericPrefixValue is always finite, and equals ParseNumber where the
//   whole text is a number; IsNumeric agrees with ParseNumber;
// - the text of any finite double reads back (NumberText has 15 significant
//   digits, so the value read lies within 1e-14 of it relatively) and reading
//   it again gives the same text: 15 digits survive a trip through a double;
// - the text of a single-precision value fits its 16-byte buffer and reads
//   back within 7 significant digits;
// - RoundHalfEven lies within one half, an exact half going to the even side;
// - ToSingle refuses exactly what is beyond the float range.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "settings/NumberText.h"

namespace plotvane::fuzz {
namespace {

bool Close(double a, double b, double relative) {
  if (a == b) return true;
  return std::fabs(a - b) <= relative * std::fmax(std::fabs(a), std::fabs(b));
}

void CheckNumberText(double value) {
  const std::string text = NumberText(value);
  const auto back = ParseNumber(text);
  Require(back.has_value(), "the text of a double reads back");
  Require(Close(*back, value, 1e-14) || (value != 0 && std::fabs(value) < 1e-300 && std::fabs(*back - value) < 1e-308),
          "the text of a double keeps 15 significant digits");
  Require(NumberText(*back) == text, "15 digits survive a trip through a double");
}

void CheckSingleText(float value) {
  char buffer[32];
  std::memset(buffer, 'x', sizeof buffer);
  const int length = FormatSingle(value, buffer);
  Require(length > 0 && length < 16, "a single-precision text fits its buffer");
  const std::string text(buffer, static_cast<std::size_t>(length));
  Require(text == SingleText(value), "FormatSingle and SingleText agree");
  const auto back = ParseNumber(text);
  Require(back.has_value(), "the text of a float reads back");
  const bool subnormal = std::fabs(value) < std::numeric_limits<float>::min();
  Require(Close(*back, value, 6e-7) || (subnormal && std::fabs(*back - value) < 1e-44),
          "the text of a float keeps 7 significant digits");
}

void CheckRounding(double value) {
  if (std::isfinite(value)) {
    // No whole number lies between the whole part and the value. Either test
    // alone can round: w + 1 is inexact beyond 2^53, v - w below -1 and 0.
    const double whole = WholePart(value);
    Require(whole <= value && std::floor(whole) == whole && (whole + 1 > value || value - whole < 1),
            "the whole part is the largest whole number not above the value");
  }
  const auto rounded = RoundHalfEven(value);
  if (!rounded) {
    Require(!std::isfinite(value) || std::fabs(value) > 2147483647.0, "only values beyond 32 bits fail to round");
    return;
  }
  const double difference = std::fabs(*rounded - value);
  Require(difference <= 0.5, "rounding moves at most one half");
  if (difference == 0.5) Require(*rounded % 2 == 0, "an exact half goes to the even neighbour");
}

void CheckSingle(double value) {
  const auto single = ToSingle(value);
  const bool fits = std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
  Require(single.has_value() == fits, "ToSingle refuses exactly the values beyond the float range");
  if (single) CheckSingleText(*single);
}

void CheckDouble(double value) {
  CheckRounding(value);
  CheckSingle(value);
  if (std::isfinite(value)) CheckNumberText(value);
}

void CheckText(std::string_view text) {
  const double prefix = NumericPrefixValue(text);
  Require(std::isfinite(prefix), "the numeric-prefix value is finite");
  const auto whole = ParseNumber(text);
  Require(IsNumeric(text) == whole.has_value(), "IsNumeric agrees with ParseNumber");
  if (whole) {
    Require(std::isfinite(*whole), "a number read is finite");
    Require(prefix == *whole, "a whole number is also its own prefix");
  }
  const std::string_view trimmed = TrimSpaces(text);
  Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '), "TrimSpaces removes outer spaces");
  CheckDouble(prefix);
  if (whole) CheckDouble(*whole);
}

}  // namespace
}  // namespace plotvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane::fuzz;
  CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    CheckDouble(bits);
  }
  return 0;
}

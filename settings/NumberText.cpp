// The number conventions: see NumberText.h for the rules.
//
// Parsing validates the syntax by hand and hands a cleaned copy to
// std::from_chars, which is correctly rounded and never looks at the locale
// (the desktop program sets the C library's locale from the environment, and a
// decimal comma there must not change how files read).

#include "settings/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace plotvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// The numeric-prefix rule skips blanks, tabs and line ends wherever they stand.
bool IsPrefixWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A number in the accepted syntax, split into its parts (digits only, no signs).
struct NumberParts {
  bool negative = false;
  std::string intDigits;
  std::string fracDigits;
  bool exponentNegative = false;
  std::string expDigits;
};

// Converts validated parts; nullopt on overflow. Underflow gives the value
// from_chars would round to, or a zero of the right sign.
std::optional<double> PartsToDouble(const NumberParts& p) {
  if (p.intDigits.empty() && p.fracDigits.empty()) return std::nullopt;
  std::string clean;
  clean.reserve(p.intDigits.size() + p.fracDigits.size() + p.expDigits.size() + 4);
  clean += p.intDigits.empty() ? "0" : p.intDigits;
  if (!p.fracDigits.empty()) {
    clean += '.';
    clean += p.fracDigits;
  }
  if (!p.expDigits.empty()) {
    clean += 'e';
    if (p.exponentNegative) clean += '-';
    clean += p.expDigits;
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Out of range either way: decide by where the first significant digit sits.
    const std::string digits = p.intDigits + p.fracDigits;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
      value = 0.0;
    } else {
      long long exp10 = static_cast<long long>(p.intDigits.size()) - 1 - static_cast<long long>(first);
      // Exponent digits beyond 18 are saturated: such a number is out of range anyway.
      long long e = 0;
      for (char c : p.expDigits) e = e < 100000000000000000LL ? e * 10 + (c - '0') : e;
      exp10 += p.exponentNegative ? -e : e;
      if (exp10 > 0) return std::nullopt;
      value = 0.0;
    }
  } else if (ec != std::errc() || end != clean.data() + clean.size()) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return p.negative ? -value : value;
}

// Reads the number syntax from text[pos...], skipping characters for which
// skip() holds. Stops at the first character that cannot extend the number;
// returns the parts and sets pos to where the accepted number ends.
template <typename Skip>
NumberParts ScanNumber(std::string_view text, std::size_t& pos, Skip skip) {
  NumberParts parts;
  auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  auto skipFrom = [&](std::size_t i) {
    while (i < text.size() && skip(text[i])) ++i;
    return i;
  };
  std::size_t i = skipFrom(pos);
  if (at(i) == '+' || at(i) == '-') {
    parts.negative = at(i) == '-';
    i = skipFrom(i + 1);
  }
  while (IsDigit(at(i))) {
    parts.intDigits += at(i);
    i = skipFrom(i + 1);
  }
  if (at(i) == '.') {
    std::size_t j = skipFrom(i + 1);
    std::string frac;
    while (IsDigit(at(j))) {
      frac += at(j);
      j = skipFrom(j + 1);
    }
    if (!parts.intDigits.empty() || !frac.empty()) {
      parts.fracDigits = std::move(frac);
      i = j;
    }
  }
  if (!parts.intDigits.empty() || !parts.fracDigits.empty()) {
    // An exponent counts only when digits follow it.
    if (at(i) == 'e' || at(i) == 'E') {
      std::size_t j = skipFrom(i + 1);
      bool negative = false;
      if (at(j) == '+' || at(j) == '-') {
        negative = at(j) == '-';
        j = skipFrom(j + 1);
      }
      std::string exp;
      while (IsDigit(at(j))) {
        exp += at(j);
        j = skipFrom(j + 1);
      }
      if (!exp.empty()) {
        parts.exponentNegative = negative;
        parts.expDigits = std::move(exp);
        i = j;
      }
    }
  }
  pos = i;
  return parts;
}

// Turns printf-style "1.5e+20" into "1.5E+20".
int UppercaseExponent(char* buf, int len) {
  for (int i = 0; i < len; ++i) {
    if (buf[i] == 'e') buf[i] = 'E';
  }
  return len;
}

template <typename T>
int FormatGeneral(T value, int digits, char* out, std::size_t capacity) {
  if (value == 0 || !std::isfinite(value)) {  // -0 reads "0"; non-finite never reaches a text
    out[0] = '0';
    return 1;
  }
  const auto result = std::to_chars(out, out + capacity, value, std::chars_format::general, digits);
  return UppercaseExponent(out, static_cast<int>(result.ptr - out));
}

// The common form of a data file's numbers, read in one pass without copying:
// [-+]digits[.digits][(e|E)[-+]digits]. nullopt for anything else, and for a
// value out of range, so that the full scan decides those; from_chars is
// correctly rounded, so both ways give the same bits for the same text.
std::optional<double> ParsePlainNumber(std::string_view body) {
  const char* p = body.data();
  const char* const end = p + body.size();
  const auto digits = [&] {
    const char* const from = p;
    while (p != end && IsDigit(*p)) ++p;
    return p != from;
  };
  if (p != end && *p == '+') ++p;
  const char* const number = p;  // from_chars reads a minus sign but not a plus
  if (p != end && *p == '-' && number == body.data()) ++p;
  if (!digits()) return std::nullopt;
  if (p != end && *p == '.' && (++p, !digits())) return std::nullopt;
  if (p != end && (*p == 'e' || *p == 'E')) {
    ++p;
    if (p != end && (*p == '+' || *p == '-')) ++p;
    if (!digits()) return std::nullopt;
  }
  if (p != end) return std::nullopt;
  double value = 0.0;
  const auto [stop, ec] = std::from_chars(number, end, value);
  if (ec != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

double NumericPrefixValue(std::string_view text) {
  std::size_t pos = 0;
  const NumberParts parts = ScanNumber(text, pos, IsPrefixWhitespace);
  const auto value = PartsToDouble(parts);
  return value.value_or(0.0);
}

std::optional<double> ParseNumber(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::string_view body = text.substr(begin, end - begin);
  if (const auto plain = ParsePlainNumber(body)) return plain;
  std::size_t pos = 0;
  const NumberParts parts = ScanNumber(body, pos, [](char) { return false; });
  if (pos != body.size()) return std::nullopt;
  return PartsToDouble(parts);
}

std::string NumberText(double value) {
  std::array<char, 40> buf{};
  const int len = FormatGeneral(value, 15, buf.data(), buf.size());
  std::string text(buf.data(), static_cast<std::size_t>(len));
  if (!ParseNumber(text)) {
    // Only next to the largest double: rounding to 15 digits went past it, and
    // the text would not read back. Cut the digits instead of rounding them.
    const auto full = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 16);
    const std::string digits(buf.data(), full.ptr);     // [-]d.dddddddddddddddde+308
    const std::size_t kept = (value < 0 ? 1 : 0) + 16;  // sign, first digit, point, 14 digits
    text = digits.substr(0, kept) + "E" + digits.substr(digits.find('e') + 1);
  }
  return text;
}

int FormatSingle(float value, char* out) { return FormatGeneral(value, 7, out, 16); }

std::string SingleText(float value) {
  std::array<char, 16> buf{};
  const int len = FormatSingle(value, buf.data());
  return std::string(buf.data(), static_cast<std::size_t>(len));
}

std::optional<std::int32_t> RoundHalfEven(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

double WholePart(double value) { return std::floor(value); }

std::optional<float> ToSingle(double value) {
  // Checked before the conversion: converting a value beyond the float range is
  // undefined behaviour, not infinity.
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(value);
}

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace plotvane

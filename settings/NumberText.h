#pragma once
// The number conventions shared by every part of the program.
//
// The drawing settings are held as text, exactly as the user typed them or a
// file gave them; every consumer turns them into numbers with these functions
// whenever it reads them. The decimal separator is always ".", whatever the
// locale: files written on one machine must read back on any other.
//
// Three readings of a text:
// - NumericPrefixValue: the longest leading part that reads as a decimal
//   number, white space anywhere being skipped; 0 when there is none.
//   "12abc" is 12, " 1 2" is 12, "abc" is 0.
// - ParseNumber / IsNumeric: the whole text, apart from surrounding blanks,
//   must be one number: optional sign, digits with an optional "." and
//   fraction (at least one digit), optional exponent e/E with optional sign and
//   digits. "inf", "nan", hexadecimal forms and trailing garbage are rejected,
//   and so is a value too large for double precision. A value too small for it
//   reads as 0 (or the nearest subnormal).
//
// Two texts of a number:
// - NumberText: at most 15 significant digits, no trailing zeros, exponent
//   form "1.5E+20" only when the decimal exponent is below -4 or 15 or more.
// - SingleText: the same for a single-precision value with 7 digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plotvane {

double NumericPrefixValue(std::string_view text);

std::optional<double> ParseNumber(std::string_view text);
inline bool IsNumeric(std::string_view text) { return ParseNumber(text).has_value(); }

std::string NumberText(double value);
std::string SingleText(float value);

// Writes SingleText(value) into out (at least 16 bytes) and returns its length;
// the grid conversion formats millions of values and must not allocate for each.
int FormatSingle(float value, char* out);

// Round to the nearest whole number, an exact half to the even neighbour;
// nullopt when the result does not fit in 32 bits (or the value is not finite).
std::optional<std::int32_t> RoundHalfEven(double value);

// The whole part: the largest whole number not above value (2.7 -> 2, -3.5 -> -4).
double WholePart(double value);

// Single precision, rounded to nearest; nullopt when the magnitude is too large
// for a float (above about 3.4E+38) or the value is not finite.
std::optional<float> ToSingle(double value);

// Removes leading and trailing spaces (only the space character, as the data
// file rules use it).
std::string_view TrimSpaces(std::string_view text);

}  // namespace plotvane

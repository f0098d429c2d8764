// Numbers in PDF content. See PdfNumbers.h.

#include "render/pdf/PdfNumbers.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace plotvane::pdf {
namespace {

std::string Trimmed(const char* text) {
  std::string s(text);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

// The text of n / 255 for each component value n, with its space.
const std::array<std::string, 256>& ComponentTexts() {
  static const std::array<std::string, 256> texts = [] {
    std::array<std::string, 256> t;
    char buffer[16];
    for (int n = 0; n < 256; ++n) {
      std::snprintf(buffer, sizeof buffer, "%.3f", n / 255.0);
      t[static_cast<std::size_t>(n)] = Trimmed(buffer) + ' ';
    }
    return t;
  }();
  return texts;
}

}  // namespace

void AppendInteger(std::string& out, std::int64_t value) {
  char digits[24];
  char* end = digits + sizeof digits;
  char* p = end;
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  out.append(p, end);
}

void AppendFactor(std::string& out, double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.6f", std::isfinite(value) ? value : 0.0);
  out += Trimmed(buffer);
}

void AppendColour(std::string& out, gdi::COLORREF colour) {
  const auto& texts = ComponentTexts();
  out += texts[static_cast<std::size_t>(gdi::GetRValue(colour))];
  out += texts[static_cast<std::size_t>(gdi::GetGValue(colour))];
  out += texts[static_cast<std::size_t>(gdi::GetBValue(colour))];
}

}  // namespace plotvane::pdf

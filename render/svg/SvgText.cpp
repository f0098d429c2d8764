// XML-safe text. See SvgText.h.

#include "render/svg/SvgText.h"

#include <cstdint>

namespace plotvane::svg {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 character at the start of s, 0 when there is
// none (an overlong form, a surrogate or a value beyond U+10FFFF included).
std::size_t CharacterLength(std::string_view s) {
  const auto b = [&s](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
  const std::uint8_t lead = b(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (b(i) & 0x3Fu);
  }
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  const bool invalid = (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF || value == 0xFFFE || value == 0xFFFF;
  return overlong || invalid ? 0 : length;
}

}  // namespace

void AppendXmlText(std::string& out, std::string_view utf8) {
  while (!utf8.empty()) {
    const std::size_t length = CharacterLength(utf8);
    if (length == 0) {
      out += kReplacement;
      utf8.remove_prefix(1);
      continue;
    }
    if (length == 1) {
      const char c = utf8.front();
      switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += static_cast<std::uint8_t>(c) < 0x20 && c != '\t' ? ' ' : c;
      }
    } else {
      out.append(utf8.substr(0, length));
    }
    utf8.remove_prefix(length);
  }
}

void AppendColour(std::string& out, gdi::COLORREF colour) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  out += '#';
  for (const int component : {gdi::GetRValue(colour), gdi::GetGValue(colour), gdi::GetBValue(colour)}) {
    out += kDigits[static_cast<std::size_t>(component >> 4)];
    out += kDigits[static_cast<std::size_t>(component & 15)];
  }
}

}  // namespace plotvane::svg

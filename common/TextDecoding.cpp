// UTF-8 validation and the CP932 fallback. See TextDecoding.h.

#include "common/TextDecoding.h"

#include <cstdint>
#include <cstring>

#include "common/IconvConverter.h"

namespace plotvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The position of the first non-ASCII byte at or after i, or the end: data
// files are almost all ASCII, so eight bytes are looked at together.
std::size_t SkipAscii(std::string_view text, std::size_t i) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  while (i + 8 <= text.size()) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word & kHighBits) break;
    i += 8;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

// Length of the well-formed sequence starting at text[i], or 0 when it is not
// one. The second-byte ranges exclude overlong forms, surrogates and code
// points above U+10FFFF.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = at(i);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - i < length) return 0;
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!IsContinuation(at(i + k))) return 0;
  }
  return length;
}

// Converts CP932 to UTF-8, one U+FFFD for every byte that does not convert.
std::string FromCp932(std::string_view bytes) {
  const IconvConverter converter("UTF-8", "CP932");
  if (converter.valid()) return converter.convert(bytes, kReplacement);
  // A system without the converter module: every non-ASCII byte is undecodable.
  std::string out;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x80) {
      out += c;
    } else {
      out += kReplacement;
    }
  }
  return out;
}

// Whether the sequence of length bytes at i has an ASCII letter right
// before or right after it.
bool WithinAsciiWord(std::string_view bytes, std::size_t i, std::size_t length) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  return (i > 0 && letter(bytes[i - 1])) || (i + length < bytes.size() && letter(bytes[i + length]));
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while ((i = SkipAscii(bytes, i)) < bytes.size()) {
    const std::size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

bool IsUtf8Text(std::string_view bytes) {
  bool latinLetters = false;
  std::size_t i = 0;
  while ((i = SkipAscii(bytes, i)) < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    if (length > 2) return IsValidUtf8(bytes.substr(i));
    // C2 xx is U+0080..U+00BF: signs, not letters. A letter between ASCII
    // letters is part of a Latin word ("Höhe"); half-width katakana stand as
    // words of their own and are what the other letters are taken for.
    if (lead > 0xC2 && !WithinAsciiWord(bytes, i, length)) latinLetters = true;
    i += length;
  }
  return !latinLetters || FromCp932(bytes).find(kReplacement) != std::string::npos;
}

std::string DecodeToUtf8(std::string_view bytes) { return DecodeToUtf8(std::string(bytes)); }

std::string DecodeToUtf8(std::string&& bytes) {
  std::string_view text(bytes);
  const bool marked = text.starts_with(kByteOrderMark);
  if (marked) text.remove_prefix(kByteOrderMark.size());
  if (marked ? !IsValidUtf8(text) : !IsUtf8Text(text)) return FromCp932(text);
  if (marked) bytes.erase(0, kByteOrderMark.size());
  return std::move(bytes);
}

}  // namespace plotvane

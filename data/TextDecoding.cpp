// UTF-8 validation and the CP932 fallback. See TextDecoding.h.

#include "data/TextDecoding.h"

#include <iconv.h>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace plotvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

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

// Converts CP932 to UTF-8, one U+FFFD for every byte iconv refuses.
std::string FromCp932(std::string_view bytes) {
  iconv_t cd = ::iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
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
  // A CP932 character of one byte can take three in UTF-8 (half-width katakana).
  std::string buffer(bytes.size() * 3 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());  // iconv's signature; the input is not written
  std::size_t inLeft = bytes.size();
  char* dst = buffer.data();
  std::size_t dstLeft = buffer.size();
  while (inLeft > 0) {
    if (::iconv(cd, &in, &inLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      const std::size_t used = buffer.size() - dstLeft;
      buffer.resize(buffer.size() * 2);
      dst = buffer.data() + used;
      dstLeft = buffer.size() - used;
      continue;
    }
    // EILSEQ or EINVAL (a sequence cut off at the end): replace one byte.
    if (dstLeft < kReplacement.size()) {
      const std::size_t used = buffer.size() - dstLeft;
      buffer.resize(buffer.size() + 16);
      dst = buffer.data() + used;
      dstLeft = buffer.size() - used;
    }
    std::memcpy(dst, kReplacement.data(), kReplacement.size());
    dst += kReplacement.size();
    dstLeft -= kReplacement.size();
    ++in;
    --inLeft;
  }
  ::iconv_close(cd);
  buffer.resize(buffer.size() - dstLeft);
  return buffer;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string DecodeToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromCp932(bytes);
}

}  // namespace plotvane

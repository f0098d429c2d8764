// The owned iconv descriptor and its conversion loop. See IconvConverter.h.

#include "common/IconvConverter.h"

#include <cerrno>
#include <cstring>

namespace plotvane {

IconvConverter::IconvConverter(const char* toCode, const char* fromCode) : m_cd(::iconv_open(toCode, fromCode)) {}

IconvConverter::~IconvConverter() {
  if (valid()) ::iconv_close(m_cd);
}

std::string IconvConverter::convert(std::string_view bytes, std::string_view replacement) const {
  std::string out;
  if (!valid()) return out;
  ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state for every text
  // Three output bytes per input byte cover CP932's half-width katakana and
  // UTF-16's two bytes per character; a longer result grows the buffer.
  out.resize(bytes.size() * 3 + 16);
  char* in = const_cast<char*>(bytes.data());  // iconv's signature; the input is not written
  std::size_t inLeft = bytes.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const auto grow = [&](std::size_t atLeast) {
    const std::size_t used = out.size() - dstLeft;
    out.resize(out.size() * 2 + atLeast);
    dst = out.data() + used;
    dstLeft = out.size() - used;
  };
  while (inLeft > 0) {
    if (::iconv(m_cd, &in, &inLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      grow(0);
      continue;
    }
    // EILSEQ or EINVAL: one byte becomes the replacement.
    if (dstLeft < replacement.size()) grow(replacement.size());
    std::memcpy(dst, replacement.data(), replacement.size());
    dst += replacement.size();
    dstLeft -= replacement.size();
    ++in;
    --inLeft;
    ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace plotvane

// The text measurer slot, the estimate and the UTF-16 conversion.
// See TextMeasurer.h.

#include "render/gdi/TextMeasurer.h"

#include <iconv.h>
#include <cerrno>
#include <cstdlib>

namespace plotvane::gdi {
namespace {

std::shared_ptr<const TextMeasurer>& Slot() {
  static std::shared_ptr<const TextMeasurer> measurer = std::make_shared<EstimatedTextMeasurer>();
  return measurer;
}

bool IsHalfWidth(char16_t unit) { return (unit >= 0x20 && unit <= 0x7E) || (unit >= 0xFF61 && unit <= 0xFF9F); }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

class Converter {
 public:
  Converter() : m_cd(iconv_open("UTF-16LE", "UTF-8")) {}
  ~Converter() {
    if (m_cd != kInvalid) iconv_close(m_cd);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::u16string convert(std::string_view utf8) const {
    std::u16string out;
    if (m_cd == kInvalid) return out;
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    std::string in(utf8);
    char* src = in.data();
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
      char16_t buffer[256];
      char* dst = reinterpret_cast<char*>(buffer);
      std::size_t dstLeft = sizeof(buffer);
      const std::size_t done = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, (sizeof(buffer) - dstLeft) / sizeof(char16_t));
      if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out.push_back(u'\uFFFD');  // an invalid or cut-off sequence: skip one byte
        ++src;
        --srcLeft;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
  iconv_t m_cd;
};

}  // namespace

double EstimatedTextMeasurer::textWidth(const LOGFONT& font, std::u16string_view text) const {
  double ems = 0.0;
  for (const char16_t unit : text) {
    if (IsLowSurrogate(unit)) continue;  // counted with its high half
    ems += IsHalfWidth(unit) ? 0.5 : 1.0;
  }
  return ems * std::abs(font.height);
}

const TextMeasurer& CurrentTextMeasurer() { return *Slot(); }

void SetTextMeasurer(std::shared_ptr<const TextMeasurer> measurer) {
  Slot() = measurer != nullptr ? std::move(measurer) : std::make_shared<EstimatedTextMeasurer>();
}

std::u16string ToUtf16(std::string_view utf8) {
  static const Converter converter;
  return converter.convert(utf8);
}

}  // namespace plotvane::gdi

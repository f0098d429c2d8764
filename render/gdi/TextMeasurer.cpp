// The text measurer slot, the estimate and the UTF-16 conversion.
// See TextMeasurer.h.

#include "render/gdi/TextMeasurer.h"

#include <cstdlib>

#include "common/IconvConverter.h"

namespace plotvane::gdi {
namespace {

std::shared_ptr<const TextMeasurer>& Slot() {
  static std::shared_ptr<const TextMeasurer> measurer = std::make_shared<EstimatedTextMeasurer>();
  return measurer;
}

bool IsHalfWidth(char16_t unit) { return (unit >= 0x20 && unit <= 0x7E) || (unit >= 0xFF61 && unit <= 0xFF9F); }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

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
  // One descriptor per thread: iconv keeps state in it, and the desktop
  // program writes its page file on a thread of its own.
  static thread_local const IconvConverter converter("UTF-16LE", "UTF-8");
  const std::string bytes = converter.convert(utf8, "\xFD\xFF");  // U+FFFD, little-endian
  std::u16string out(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return out;
}

}  // namespace plotvane::gdi

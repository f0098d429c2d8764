#pragma once
// Measuring text without drawing it.
//
// The page text needs the width of a label (the vertical axis name is
// centred by it), and the metafile writer gives each character's advance.
// Real glyph metrics come from the font machinery of the player, which the
// core cannot use; so the core asks one process-wide TextMeasurer. Until the
// program installs its own (the Qt player provides one that measures with the
// fonts it draws with), an estimate stands in: half the cell height for ASCII
// and half-width katakana, the full cell height for everything else, which is
// how a proportional Japanese Gothic face is proportioned on average.

#include <memory>
#include <string>
#include <string_view>

#include "render/gdi/GdiTypes.h"

namespace plotvane::gdi {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // The advance width of the text set in the font, in the units of the
  // font's height (|height| taken as the cell height), escapement ignored.
  virtual double textWidth(const LOGFONT& font, std::u16string_view text) const = 0;
};

class EstimatedTextMeasurer final : public TextMeasurer {
 public:
  double textWidth(const LOGFONT& font, std::u16string_view text) const override;
};

// The measurer in use; never null.
const TextMeasurer& CurrentTextMeasurer();
// Installs a measurer for the whole process; nullptr goes back to the estimate.
void SetTextMeasurer(std::shared_ptr<const TextMeasurer> measurer);

// UTF-8 to UTF-16 with the C library's iconv; a byte that does not convert
// becomes U+FFFD and conversion carries on with the next byte.
std::u16string ToUtf16(std::string_view utf8);

}  // namespace plotvane::gdi

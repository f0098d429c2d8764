#pragma once
// The glyphs of the PDF writer (render/pdf/PdfFonts.h) from the fonts the
// player draws with: each text shaped by Qt in the player's font (QtFonts.h),
// so glyphs and advances are those of the screen and the PNG, and each
// glyph's outline taken from its face at a large size, where hinting does
// not bend it. Faces are numbered as shaping meets them, fallback faces
// included. Needs a QGuiApplication; one instance serves one file.

#include <QHash>
#include <QRawFont>
#include <QString>
#include <vector>

#include "render/pdf/PdfFonts.h"

namespace plotvane::qtplay {

class QtPdfFonts final : public pdf::PdfFonts {
 public:
  pdf::ShapedText shape(const gdi::LOGFONT& font, double height, std::string_view text) const override;
  pdf::GlyphOutline outline(std::uint32_t face, std::uint32_t glyph) const override;

 private:
  std::uint32_t faceOf(const QRawFont& font) const;

  // Shaping numbers faces while the page is written: a cache of what the
  // fonts have met, not state the caller sees.
  mutable std::vector<QRawFont> m_faces;  // at the outline size
  mutable QHash<QString, std::uint32_t> m_faceNumbers;
};

}  // namespace plotvane::qtplay

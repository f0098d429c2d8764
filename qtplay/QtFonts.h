#pragma once
// Fonts of recorded pictures on this platform.
//
// The page asks for "ＭＳ Ｐゴシック", which Linux does not have; left to
// fontconfig the name lands on a Latin-only face and Japanese labels come out
// as boxes. The IPA P Gothic face is made to the same metrics, so the player
// substitutes it explicitly (and "ＭＳ ゴシック" by IPA Gothic); recorded
// pictures and metafiles keep the original name.
//
// Sizes. A positive font height in a recorded picture is the cell height
// (ascent + descent), a negative one the em height; Qt sizes fonts by the em.
// qtFont converts with the face's own ascent and descent, and always sets a
// pixel size in the painter's own units, so no resolution scaling applies on
// top (point sizes would be scaled a second time on printers).
//
// Everything here needs a QGuiApplication.

#include <QFont>
#include <QString>
#include <string_view>

#include "render/gdi/GdiTypes.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::qtplay {

// The family to ask Qt for in place of a recorded face name (UTF-8).
QString substituteFamily(std::string_view faceName);

// The Qt font for a recorded font whose height, converted to the painter's
// units, is `height` (sign as in LOGFONT). Weight, italic, underline and
// strike-out follow the description; the escapement is left to the caller.
QFont qtFont(const gdi::LOGFONT& font, double height);

// Measures with the fonts the player draws with. Install it once the
// QGuiApplication exists: gdi::SetTextMeasurer(std::make_shared<QtTextMeasurer>()).
class QtTextMeasurer final : public gdi::TextMeasurer {
 public:
  double textWidth(const gdi::LOGFONT& font, std::u16string_view text) const override;
};

}  // namespace plotvane::qtplay

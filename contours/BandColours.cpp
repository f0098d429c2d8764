// Band colours of the export. See BandColours.h.

#include "contours/BandColours.h"

#include "render/ColourRamps.h"

namespace plotvane {

std::uint32_t BandColour(const Document& doc, const DrawParameters& page, std::int32_t k) {
  const gdi::COLORREF c = ExportBandColour(doc.ramp, k, page.lineCount, page.bandCount, page.fillMode);
  return static_cast<std::uint32_t>(gdi::GetRValue(c) << 16 | gdi::GetGValue(c) << 8 | gdi::GetBValue(c));
}

}  // namespace plotvane

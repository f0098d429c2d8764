// Band colours of the export. See BandColours.h.

#include "contours/BandColours.h"

#include "render/ColourRamps.h"
#include "render/RenderSettings.h"

namespace plotvane {

void ColourBands(ContourSet& contours, const Document& doc, const DrawSettings& settings) {
  const DrawParameters p = ParametersForDrawing(settings, doc.range);
  for (ContourBand& band : contours.bands) {
    const gdi::COLORREF c = ExportBandColour(doc.ramp, band.index, p.lineCount, p.bandCount, p.fillMode);
    band.colour = static_cast<std::uint32_t>(gdi::GetRValue(c) << 16 | gdi::GetGValue(c) << 8 | gdi::GetBValue(c));
  }
}

}  // namespace plotvane

#pragma once
// The page's fill colours on the exported bands, so that a GIS layer styled
// by its "colour" property looks like the map: each band takes the colour
// the page gives it under the document's ramp and drawing settings
// (ExportBandColour, render/ColourRamps.h), below-range and above-range
// bands included.

#include <cstdint>

#include "data/Document.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// The colour of band k, 0xRRGGBB, under doc's ramp and the page's
// parameters (ParametersForDrawing, render/RenderSettings.h).
std::uint32_t BandColour(const Document& doc, const DrawParameters& page, std::int32_t k);

}  // namespace plotvane

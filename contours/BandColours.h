#pragma once
// The page's fill colours on the exported bands, so that a GIS layer styled
// by its "colour" property looks like the map: each band takes the colour
// the page gives it under the document's ramp and drawing settings
// (ExportBandColour, render/ColourRamps.h), below-range and above-range
// bands included.

#include "data/Document.h"
#include "levels/ContourSet.h"
#include "settings/DrawSettings.h"

namespace plotvane {

// Sets the colour of every band of contours, built from doc and settings
// (BuildContourSet).
void ColourBands(ContourSet& contours, const Document& doc, const DrawSettings& settings);

}  // namespace plotvane

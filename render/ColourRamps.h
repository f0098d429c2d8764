#pragma once
// The colour ramps a run can choose for the fill bands (settings/RampChoice.h):
// their names, the published tables behind the named ones, and the colour of
// a position on a ramp.
//
// Named ramps:
//   default   the program's own: LevelColour of the fill mode
//   viridis   the perceptually uniform blue-green-yellow map
//   cividis   its variant for colour-vision deficiencies (blue to yellow)
//   terrain   sea blue through green and tan to white, for heights
//   grey      the program's grey ramp (30 + 225 t), whatever the fill mode
// viridis, cividis and terrain are the 256-entry tables as plotting
// libraries publish them, rounded to 8 bits (RampTables.cpp).
//
// The bands sample a ramp where the level colours always have: band k of
// count at t = k / (count - 1). Pattern fill stays black whatever the ramp,
// since the patterns carry the difference there.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "render/gdi/GdiTypes.h"
#include "settings/DrawSettings.h"
#include "settings/RampChoice.h"

namespace plotvane {

inline constexpr std::array<std::string_view, 5> kRampNames{"default", "viridis", "cividis", "terrain", "grey"};

// The ramp of a name in kRampNames; nullopt for any other text.
std::optional<RampChoice> NamedRamp(std::string_view name);

// The colour at t on the ramp in fill mode `mode` (t is held to 0..1 on
// tables and stops; the Own ramp keeps LevelColour's colours outside it).
gdi::COLORREF RampColour(const RampChoice& ramp, double t, FillMode mode);

// The colour the page gives the export's band k (between levels k and k + 1)
// of lineCount levels: a band inside the window has the colour of its page
// band (with continuous colouring, the page band at its middle), one below or
// above the window the below-range or above-range colour.
gdi::COLORREF ExportBandColour(const RampChoice& ramp, std::int32_t k, std::int32_t lineCount, std::int32_t bandCount,
                               FillMode mode);

}  // namespace plotvane

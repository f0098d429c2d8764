#pragma once
// The drawing settings as the page is drawn from them.
//
// The dialog keeps its fields within usable ranges, but a contour file or a
// view file puts texts into them unchecked: equal window ends (a division by
// zero in the map mapping), a Z range that does not rise, a band count of 1,
// 0, a negative or non-numeric n or one too large for the style tables, a
// distortion limit such as "inf" that reads as 0 and hides every triangle.
// The renderer therefore draws from a copy in which each such field is
// replaced the way the dialog's OK would replace it, and every other field
// keeps its text exactly: the page's labels show what the map draws, and
// settings the dialog accepted draw exactly as given.
//
// The numbers of the checked copy are read by ReadDrawParameters
// (settings/DrawParameters.h), like every other reading of the settings.

#include <cstdint>

#include "data/Document.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// Band counts the level style tables hold.
inline constexpr std::int32_t kMinBandCount = 2;
inline constexpr std::int32_t kMaxBandCount = 1000;

// The copy of the settings the page is drawn from (see above). Its
// parameters have: window.x1 != window.x2, likewise y; z2 > z1 whenever the
// data range rises in Z; lineCount within kMinBandCount..kMaxBandCount; a
// distortion limit exactly when sq is not empty.
DrawSettings SettingsForDrawing(const DrawSettings& settings, const DataRange& range);

// The parameters of SettingsForDrawing's copy.
DrawParameters ParametersForDrawing(const DrawSettings& settings, const DataRange& range);

}  // namespace plotvane

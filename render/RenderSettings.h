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
// Counts, from the settings' texts:
// - the number of contour levels is n by the numeric-prefix rule, rounded
//   to a whole number with halves to even;
// - the number of fill bands is 200 with continuous colouring, otherwise the
//   same as the number of levels.

#include <cstdint>

#include "data/Document.h"
#include "settings/DrawSettings.h"

namespace plotvane {

// Band counts the level style tables hold.
inline constexpr std::int32_t kMinBandCount = 2;
inline constexpr std::int32_t kMaxBandCount = 1000;
// Bands of continuous colouring.
inline constexpr std::int32_t kContinuousBands = 200;

// The copy of the settings the page is drawn from (see above). After it:
// NumericPrefixValue(X1) != NumericPrefixValue(X2), likewise Y;
// NumericPrefixValue(Z2) > NumericPrefixValue(Z1) whenever the data range
// rises in Z; LineCountOf lies within kMinBandCount..kMaxBandCount; sq is
// empty or numeric.
DrawSettings SettingsForDrawing(const DrawSettings& settings, const DataRange& range);

// The number of contour levels of the settings; 0 when n does not round
// into 32 bits.
std::int32_t LineCountOf(const DrawSettings& settings);
// The number of fill bands: kContinuousBands with continuous colouring,
// LineCountOf otherwise.
std::int32_t BandCountOf(const DrawSettings& settings);

}  // namespace plotvane

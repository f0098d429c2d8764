#pragma once
// The 48 hatch patterns of the pattern fill and their brushes.
//
// Each pattern is 8 x 8 pixels, one byte per row from the top, the most
// significant bit the leftmost pixel, 1 black. Patterns 0 to 11 are a density
// ramp from 2 to 62 black pixels (so with up to 12 bands the top band is the
// lightest); 12 to 47 are line and texture patterns.
//
// Band k of a map with count bands uses pattern (count - k + 47) mod 48: the
// top band pattern 0, the band below it 1, and so on, repeating every 48
// bands. The remainder is taken non-negative, so bands far above the top
// (values far above the Z window) go on cycling through the patterns too.

#include <array>
#include <cstdint>

#include "render/gdi/GdiObjects.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane {

inline constexpr std::int32_t kPatternCount = 48;

// The pattern table, index 0..47.
const std::array<gdi::MonoPattern, kPatternCount>& FillPatterns();

// The pattern of band k among count bands, 0..47.
std::int32_t PatternOfBand(std::int32_t k, std::int32_t count);

// One pattern brush per pattern, created on the first call and kept for the
// whole run: the map selects them and never deletes them.
const std::array<gdi::HBRUSH, kPatternCount>& PatternBrushes();

}  // namespace plotvane

#pragma once
// The level style tables: one colour, pen and brush per fill band, and the
// two reserved styles for levels outside the Z window.
//
// Band k (0..count-1) has a solid pen of width 20 map units (0.2 mm) and a
// solid brush, both in LevelColour(k / (count - 1)): band 0 gets the colour
// of the scale's bottom, band count-1 that of its top. The reserved styles
// are kept apart from the bands, so no band count can overwrite them: below
// the window a pen and brush in RGB(100, 100, 100), above it white ones.
//
// Which style a level index k takes, against the number of levels in use
// (LevelCount): below-range when k < 0, band k when k < levelCount,
// above-range otherwise.
//
// The colour scale builds the tables every time it is drawn (release, then
// the bands one by one as it paints the bar, then the reserved styles); the
// map only selects their objects and never deletes them. The tables own
// their pens and brushes and delete them on release and destruction.

#include <cstdint>
#include <vector>

#include "render/gdi/GdiObjects.h"
#include "render/gdi/GdiTypes.h"
#include "settings/DrawSettings.h"
#include "settings/RampChoice.h"

namespace plotvane {

inline constexpr std::int32_t kLevelPenWidth = 20;  // 0.2 mm
inline constexpr gdi::COLORREF kBelowRangeColour = gdi::RGB(100, 100, 100);
inline constexpr gdi::COLORREF kAboveRangeColour = gdi::RGB(255, 255, 255);

struct LevelStyle {
  gdi::COLORREF colour = 0;
  gdi::HPEN pen;
  gdi::HBRUSH brush;
};

class LevelStyles {
 public:
  LevelStyles() = default;
  LevelStyles(const LevelStyles&) = delete;
  LevelStyles& operator=(const LevelStyles&) = delete;
  ~LevelStyles();

  // Deletes every band's brush and pen in ascending order, then the reserved
  // styles'; the tables are empty afterwards.
  void release();
  // The ramp the bands built from now on take (ColourRamps.h); the
  // program's own until told otherwise.
  void useRamp(const RampChoice& ramp) { m_ramp = ramp; }
  // Appends the style of the next band, k = bandCount(), coloured
  // RampColour(ramp, k / (count - 1), mode). count >= 2.
  const LevelStyle& addBand(std::int32_t count, FillMode mode);
  // Makes the below-range and above-range styles.
  void buildReserved();

  std::int32_t bandCount() const { return static_cast<std::int32_t>(m_bands.size()); }
  const LevelStyle& band(std::int32_t k) const { return m_bands[static_cast<std::size_t>(k)]; }
  const LevelStyle& belowRange() const { return m_below; }
  const LevelStyle& aboveRange() const { return m_above; }

  // The style of level index k when levelCount levels are in use (see
  // above). An index within levelCount that has no band built (never the
  // case when the tables were built for the same count) takes the
  // above-range style.
  const LevelStyle& forLevel(std::int32_t k, std::int32_t levelCount) const;

 private:
  static void releaseStyle(LevelStyle& style);

  std::vector<LevelStyle> m_bands;
  LevelStyle m_below;
  LevelStyle m_above;
  RampChoice m_ramp;
};

}  // namespace plotvane

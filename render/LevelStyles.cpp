// The level style tables. See LevelStyles.h.

#include "render/LevelStyles.h"

#include "render/ColourRamps.h"

namespace plotvane {
namespace {

LevelStyle MakeStyle(gdi::COLORREF colour) {
  return LevelStyle{colour, gdi::CreatePen(gdi::PenStyle::PS_SOLID, kLevelPenWidth, colour),
                    gdi::CreateSolidBrush(colour)};
}

}  // namespace

LevelStyles::~LevelStyles() { release(); }

void LevelStyles::releaseStyle(LevelStyle& style) {
  gdi::DeleteObject(style.brush);
  gdi::DeleteObject(style.pen);
  style = LevelStyle{};
}

void LevelStyles::release() {
  for (LevelStyle& style : m_bands) releaseStyle(style);
  m_bands.clear();
  releaseStyle(m_below);
  releaseStyle(m_above);
}

const LevelStyle& LevelStyles::addBand(std::int32_t count, FillMode mode) {
  const double t = static_cast<double>(bandCount()) / (count - 1);
  m_bands.push_back(MakeStyle(RampColour(m_ramp, t, mode)));
  return m_bands.back();
}

void LevelStyles::buildReserved() {
  releaseStyle(m_below);
  releaseStyle(m_above);
  m_below = MakeStyle(kBelowRangeColour);
  m_above = MakeStyle(kAboveRangeColour);
}

const LevelStyle& LevelStyles::forLevel(std::int32_t k, std::int32_t levelCount) const {
  if (k < 0) return m_below;
  if (k < levelCount && k < bandCount()) return band(k);
  return m_above;
}

}  // namespace plotvane

// The colour scale. See ColourScale.h.

#include "render/ColourScale.h"

#include <array>
#include <cassert>

#include "render/Patterns.h"
#include "render/RenderSettings.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

using gdi::POINT;

constexpr std::array<POINT, 4> kLeftBracket{POINT{2115, 1535}, POINT{1880, 1535}, POINT{1880, 11535},
                                            POINT{2115, 11535}};
constexpr std::array<POINT, 4> kBottomBracket{POINT{2300, 1350}, POINT{2300, 1115}, POINT{12300, 1115},
                                              POINT{12300, 1350}};
constexpr std::int32_t kBarLeft = 13300;
constexpr std::int32_t kBarRight = 13700;
constexpr std::int32_t kBarTop = 11535;
constexpr std::int32_t kBarHeight = 10000;
constexpr std::int32_t kBracketPenWidth = 20;

// A connected line through the points, one LineTo per leg.
void DrawBracket(gdi::DeviceContext& hdc, const std::array<POINT, 4>& points) {
  hdc.MoveToEx(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) hdc.LineTo(points[i].x, points[i].y);
}

// The lower edge of band k's rectangle; from the top down, as the bar is built.
std::int32_t SegmentBottom(std::int32_t k, std::int32_t bandCount) {
  const double y = kBarTop - static_cast<double>(bandCount - k) * kBarHeight / bandCount;
  return RoundHalfEven(y).value_or(kBarTop);
}

void FillSegment(gdi::DeviceContext& hdc, std::int32_t k, std::int32_t bandCount, bool pattern,
                 const LevelStyle& style) {
  const std::int32_t yk = SegmentBottom(k, bandCount);
  const std::array<POINT, 4> rectangle{POINT{kBarLeft, kBarTop}, POINT{kBarRight, kBarTop}, POINT{kBarRight, yk},
                                       POINT{kBarLeft, yk}};
  if (pattern) {
    const gdi::HBRUSH brush =
        gdi::CreatePatternBrush(FillPatterns()[static_cast<std::size_t>((bandCount - 1 - k) % kPatternCount)]);
    hdc.SelectObject(brush);
    hdc.Polygon(rectangle);
    gdi::DeleteObject(brush);
    return;
  }
  const gdi::HBRUSH brush = gdi::CreateSolidBrush(style.colour);
  const gdi::HPEN none = gdi::CreatePen(gdi::PenStyle::PS_NULL, 0, gdi::RGB(255, 255, 255));
  hdc.SelectObject(none);
  hdc.SelectObject(brush);
  hdc.Polygon(rectangle);
  gdi::DeleteObject(brush);
  gdi::DeleteObject(none);
}

}  // namespace

void DrawScale(gdi::DeviceContext& hdc, const DrawParameters& parameters, LevelStyles& styles) {
  const std::int32_t bandCount = parameters.bandCount;
  assert(bandCount >= kMinBandCount && bandCount <= kMaxBandCount && "the parameters come from SettingsForDrawing");
  const FillMode fillMode = parameters.fillMode;
  const bool pattern = fillMode == FillMode::FillPattern;

  const gdi::HPEN bracketPen = gdi::CreatePen(gdi::PenStyle::PS_SOLID, kBracketPenWidth, gdi::RGB(0, 0, 0));
  hdc.SelectObject(bracketPen);
  DrawBracket(hdc, kLeftBracket);
  DrawBracket(hdc, kBottomBracket);

  styles.release();
  for (std::int32_t k = 0; k < bandCount; ++k) {
    const LevelStyle& style = styles.addBand(bandCount, fillMode);
    FillSegment(hdc, k, bandCount, pattern, style);
  }
  styles.buildReserved();
  gdi::DeleteObject(bracketPen);
}

}  // namespace plotvane

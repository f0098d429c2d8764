#pragma once
// The reference device of every recorded picture: a screen of 96 pixels per
// inch, which stands for the drawing surface the page is shown on.
//
// Its size is chosen so that both resolutions are exactly 96 pixels per
// 25.4 mm in whole millimetres (1920 px = 508 mm, 1440 px = 381 mm): the page
// text code computes its pixels per 0.01 mm as HORZRES / HORZSIZE / 100 and
// must get 96 / 2540 exactly.
//
// "Frame space" is the device's own space in 0.01 mm with y downward: a
// picture's frame is given in it, and every mapping mode maps logical units
// into it.

#include <cstdint>

#include "render/gdi/GdiTypes.h"

namespace plotvane::gdi {

inline constexpr std::int32_t kReferenceWidthPixels = 1920;
inline constexpr std::int32_t kReferenceHeightPixels = 1440;
inline constexpr std::int32_t kReferenceWidthMm = 508;
inline constexpr std::int32_t kReferenceHeightMm = 381;
inline constexpr std::int32_t kReferenceDpi = 96;

// 0.01 mm per reference pixel (26.4583...).
inline constexpr double kHimetricPerPixel = 100.0 * kReferenceWidthMm / kReferenceWidthPixels;

// The value GetDeviceCaps reports for the reference device.
constexpr int ReferenceDeviceCaps(DeviceCap cap) {
  switch (cap) {
    case DeviceCap::HORZSIZE: return kReferenceWidthMm;
    case DeviceCap::VERTSIZE: return kReferenceHeightMm;
    case DeviceCap::HORZRES: return kReferenceWidthPixels;
    case DeviceCap::VERTRES: return kReferenceHeightPixels;
    case DeviceCap::LOGPIXELSX:
    case DeviceCap::LOGPIXELSY: return kReferenceDpi;
  }
  return 0;
}

// How a mapping mode turns logical units into frame space:
// frame = (x * scaleX, y * scaleY).
struct ModeScale {
  double scaleX;
  double scaleY;
};

constexpr ModeScale FrameScaleOf(MapMode mode) {
  return mode == MapMode::MM_HIMETRIC ? ModeScale{1.0, -1.0} : ModeScale{kHimetricPerPixel, kHimetricPerPixel};
}

}  // namespace plotvane::gdi

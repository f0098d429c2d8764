#pragma once
// Plain values of the drawing layer: colours, points, rectangles, the pen,
// brush and font descriptions, and the flag constants of the operations.
//
// The drawing layer keeps the operation names and argument conventions of the
// Windows drawing interface the page was designed against, so that the
// renderer reads like the design. Conventions, stated once:
// - Coordinates are 32-bit integers in the logical units of the device
//   context's mapping mode (see MapMode): 0.01 mm with y upward, or pixels of
//   the reference device with y downward.
// - A RECT is (left, top, right, bottom) in those units; in a y-upward mode
//   "top" is the larger y.
// - Colours are COLORREF values red + 256 x green + 65536 x blue.
// - Texts are UTF-8 (the program's own text); the "A" in DrawTextA and
//   TextOutA is kept only as the name.

#include <array>
#include <cstdint>
#include <string>

namespace plotvane::gdi {

using COLORREF = std::uint32_t;

// red + 256 x green + 65536 x blue; each component 0..255.
constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>(red & 0xFF) | (static_cast<COLORREF>(green & 0xFF) << 8) |
         (static_cast<COLORREF>(blue & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct POINT {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

// A position not rounded to whole units.
struct PointF {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const PointF&, const PointF&) = default;
};

struct SIZE {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const RECT&, const RECT&) = default;
};

// Mapping modes. MM_TEXT: one logical unit is one pixel of the reference
// device, y downward (the default of a new device context). MM_HIMETRIC: one
// logical unit is 0.01 mm, y upward, origin at the frame's top-left corner.
enum class MapMode : std::uint8_t { MM_TEXT = 1, MM_HIMETRIC = 3 };

// Pen styles. A solid pen of width 0 is one device pixel wide whatever the
// scale; a wider one is a geometric pen with round ends and joins, its width
// in logical units, centred on the path. A null pen draws nothing.
enum class PenStyle : std::uint8_t { PS_SOLID = 0, PS_NULL = 5 };

// Brush styles: a solid colour, or an 8 x 8 monochrome pattern.
enum class BrushStyle : std::uint8_t { BS_SOLID = 0, BS_PATTERN = 3 };

// An 8 x 8 monochrome pattern: one byte per row, top row first, the most
// significant bit is the leftmost pixel, 1 is black and 0 is white. The
// pattern is tiled from the device's origin: black pixels stay black and
// white pixels stay white.
using MonoPattern = std::array<std::uint8_t, 8>;

struct LOGPEN {
  PenStyle style = PenStyle::PS_SOLID;
  std::int32_t width = 0;  // logical units; 0 is one device pixel
  COLORREF colour = 0;
  friend bool operator==(const LOGPEN&, const LOGPEN&) = default;
};

struct LOGBRUSH {
  BrushStyle style = BrushStyle::BS_SOLID;
  COLORREF colour = 0;    // BS_SOLID only
  MonoPattern pattern{};  // BS_PATTERN only
  friend bool operator==(const LOGBRUSH&, const LOGBRUSH&) = default;
};

// A font as CreateFontA describes it. height > 0 is the cell height
// (ascent + descent), height < 0 the character (em) height, both in logical
// units; escapement and orientation are in tenths of a degree, counter-
// clockwise as seen on the device. faceName is UTF-8.
struct LOGFONT {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 0 default, 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint8_t charSet = 1;  // 1 = DEFAULT_CHARSET
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string faceName;
  friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::int32_t FW_DONTCARE = 0;

// DrawTextA format flags (they combine with |). Horizontal: DT_LEFT,
// DT_CENTER, DT_RIGHT. Vertical, for DT_SINGLELINE only: DT_TOP, DT_VCENTER,
// DT_BOTTOM. Without DT_SINGLELINE the text breaks at line feeds, one line
// per font height. Text is clipped to the rectangle unless DT_NOCLIP.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;

// GetDeviceCaps indices.
enum class DeviceCap : std::uint8_t {
  HORZSIZE = 4,  // width of the reference device in millimetres
  VERTSIZE = 6,  // height in millimetres
  HORZRES = 8,   // width in pixels
  VERTRES = 10,  // height in pixels
  LOGPIXELSX = 88,
  LOGPIXELSY = 90,
};

}  // namespace plotvane::gdi

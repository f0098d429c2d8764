#pragma once
// Pens, brushes and fonts: process-wide objects named by handles.
//
// As in the interface the renderer was designed for, an object does not
// belong to a device context: one made while drawing the page (the level
// pens of the colour scale) may be selected into another (the map). Objects
// live in one table for the whole process and are used from one thread.
//
// Handles. A handle is a 32-bit value; 0 is "no object". A deleted handle's
// slot is reused by later objects, but with a new generation number, so a
// stale handle never names the new object: every function below rejects it.
//
// Ownership. The caller owns every object it creates and deletes it with
// DeleteObject. Deleting an object that is still selected into a device
// context is allowed and harmless: the context keeps drawing with it until
// another object of the same kind is selected, because each recorded picture
// keeps its own copy of the description (the renderer relies on this: it
// deletes the null pen of the background and keeps drawing without outlines).
// Stock objects (GetStockObject) are never deleted.

#include <cstdint>
#include <string_view>

#include "render/gdi/GdiTypes.h"

namespace plotvane::gdi {

enum class ObjectKind : std::uint8_t { None, Pen, Brush, Font };

struct HGDIOBJ {
  std::uint32_t value = 0;
  explicit operator bool() const { return value != 0; }
  friend bool operator==(const HGDIOBJ&, const HGDIOBJ&) = default;
};
struct HPEN : HGDIOBJ {};
struct HBRUSH : HGDIOBJ {};
struct HFONT : HGDIOBJ {};

// Each returns the new object's handle, or a null handle when the table is
// full (more than kMaxLiveObjects objects alive).
HPEN CreatePen(PenStyle style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HBRUSH CreatePatternBrush(const MonoPattern& pattern);
// The arguments of the classic font call, in its order; the face is UTF-8.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                  bool strikeOut, int charSet, int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                  std::string_view faceName);

// Deletes the object. True when the handle named a live object (or a stock
// object, which stays); false for a null or stale handle.
bool DeleteObject(HGDIOBJ object);

enum class StockObject : std::uint8_t { WHITE_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT };
// The defaults of a new device context: BLACK_PEN (solid, width 0, black),
// WHITE_BRUSH and SYSTEM_FONT.
HGDIOBJ GetStockObject(StockObject which);

// The kind of a live object; ObjectKind::None for null or stale handles.
ObjectKind GetObjectKind(HGDIOBJ object);
// The description of a live object of that kind; nullptr otherwise. The
// pointer is valid until the next create or delete.
const LOGPEN* GetPenDescription(HGDIOBJ object);
const LOGBRUSH* GetBrushDescription(HGDIOBJ object);
const LOGFONT* GetFontDescription(HGDIOBJ object);

// Objects alive now, stock objects not counted: a leak check for tests.
std::int32_t LiveObjectCount();

inline constexpr std::int32_t kMaxLiveObjects = 1 << 20;

// The face name of the page's fonts, kept in recorded pictures and files.
inline constexpr std::string_view kPageFontFace = "ＭＳ Ｐゴシック";

}  // namespace plotvane::gdi

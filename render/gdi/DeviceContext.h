#pragma once
// The recording device context: what the renderer draws into.
//
// CreateEnhMetaFileA makes a context that records every drawing operation
// into a new picture; CloseEnhMetaFile ends the recording and hands back the
// picture (EnhMetaFile.h); the context then refuses further drawing. The
// operations keep the names, arguments and results of the interface the
// renderer was designed against, as member functions.
//
// State of a new context: mapping mode MM_TEXT, BLACK_PEN, WHITE_BRUSH and
// SYSTEM_FONT selected, current position (0, 0). Text is drawn black on an
// opaque white background box, the only text mode the page uses.
//
// Coordinates are logical units of the current mapping mode (GdiTypes.h);
// the reference device is the 96-dpi screen of ReferenceDevice.h.
//
// A composition in outline (the map played into the page at its square):
//   DeviceContext map = CreateEnhMetaFileA(RECT{0, -10000, 10000, 0});
//   map.SetMapMode(MapMode::MM_HIMETRIC);       // 0.01 mm, y upward
//   const HPEN pen = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 255));
//   const HGDIOBJ old = map.SelectObject(pen);
//   map.Polygon(corners);                       // std::array<POINT, 4>
//   map.SelectObject(old);
//   DeleteObject(pen);
//   EnhMetaFile mapPicture = CloseEnhMetaFile(map);
//   page.PlayEnhMetaFile(mapPicture, RECT{2300, 11535, 12300, 1535});
//   DeleteEnhMetaFile(mapPicture);
//
// What is recorded, and what is not: every select that changes the object in
// effect, every mapping-mode change and every drawing call. Selecting the
// object already in effect, and creating or deleting objects, record nothing
// (a picture keeps its own copy of each description it uses). Played
// pictures are recorded by reference.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane::gdi {

class DeviceContext {
 public:
  DeviceContext(DeviceContext&&) noexcept;
  DeviceContext& operator=(DeviceContext&&) noexcept;
  ~DeviceContext();

  // False once the context has been closed.
  bool isRecording() const { return m_data != nullptr; }

  // Makes the pen, brush or font current and returns the handle that was
  // current for that kind before (a stock object at first); a null handle,
  // and nothing changes, when the handle is null, stale or the context is
  // closed.
  HGDIOBJ SelectObject(HGDIOBJ object);

  // Sets the mapping mode for what follows; returns the previous mode.
  MapMode SetMapMode(MapMode mode);
  MapMode GetMapMode() const { return m_mapMode; }

  // Fills the polygon (alternate fill) with the current brush and outlines
  // it, closed, with the current pen. At least 2 points; false otherwise.
  bool Polygon(std::span<const POINT> points);
  // The same polygon, recorded with its exact corners (as many as points)
  // beside the rounded ones: outputs that fill by pixel centres draw those,
  // so that pieces whose rounded split points would leave slivers between
  // them tile; every other output draws the points.
  bool Polygon(std::span<const POINT> points, std::span<const PointF> exact);
  // Limits what follows in this picture to the even-odd inside of the
  // polygon (at least 3 points), replacing any clip set before; false
  // otherwise. The clip ends with SelectClipNone or with the picture: a
  // picture played into this one does not inherit it, nor does the picture
  // this one is played into. The points count as a polygon's do.
  bool SelectClipPolygon(std::span<const POINT> points);
  // Ends the clip: what follows is drawn whole.
  bool SelectClipNone();
  // Moves the current position; the previous one goes to *previous if given.
  bool MoveToEx(std::int32_t x, std::int32_t y, POINT* previous = nullptr);
  // A line from the current position to (x, y), which becomes current. Each
  // call is one stroke with its own round ends.
  bool LineTo(std::int32_t x, std::int32_t y);
  // Connected lines through the points (round joins); the current position
  // neither used nor changed. At least 2 points.
  bool Polyline(std::span<const POINT> points);

  // Draws the text in the rectangle with the current font. Horizontal
  // alignment DT_LEFT / DT_CENTER / DT_RIGHT; with DT_SINGLELINE also
  // DT_TOP / DT_VCENTER / DT_BOTTOM, without it the text breaks at line feeds
  // (a carriage return before one is dropped), one line per font height from
  // the top. Clipped to the rectangle unless DT_NOCLIP. Returns the height of
  // the text in logical units (lines x |font height|), 0 on failure; an empty
  // text draws nothing and returns 0.
  int DrawTextA(std::string_view text, const RECT& rect, unsigned format);
  // Draws the text with the top-left corner of its first cell at (x, y),
  // turned by the font's escapement about that point; not clipped.
  bool TextOutA(std::int32_t x, std::int32_t y, std::string_view text);

  // The reference device's capability (ReferenceDevice.h).
  int GetDeviceCaps(DeviceCap index) const;
  // The advance width and cell height of the text in the current font, in
  // logical units, measured by the process-wide TextMeasurer.
  bool GetTextExtentPoint32A(std::string_view text, SIZE* size) const;

  // Plays the picture into this context so that its frame fills the
  // rectangle (logical units of this context; for a y-upward mode the top
  // is the larger y). Nothing is clipped: what the picture draws outside its
  // frame lands outside the rectangle. Selections, mapping mode and current
  // position of this context are unchanged afterwards. False for a null
  // picture or a closed context.
  bool PlayEnhMetaFile(const EnhMetaFile& picture, const RECT& rect);

 private:
  friend DeviceContext CreateEnhMetaFileA(const RECT& frame);
  friend EnhMetaFile CloseEnhMetaFile(DeviceContext& hdc);

  struct Selection {
    HGDIOBJ handle;
    std::uint32_t index = 0;  // into the picture's table of that kind
  };
  // Which table entry a handle was last resolved to, keyed by the handle's
  // slot; a new generation in the slot misses.
  struct HandleCache {
    std::uint32_t handle = 0;
    std::uint32_t index = 0;
  };

  explicit DeviceContext(const RECT& frame);
  bool selectResolved(ObjectKind kind, std::uint32_t index);
  std::int64_t resolve(HGDIOBJ object, ObjectKind kind);
  bool matches(HGDIOBJ object, ObjectKind kind, std::uint32_t index) const;
  std::uint32_t addText(std::string_view text);

  std::unique_ptr<PictureData> m_data;
  MapMode m_mapMode = MapMode::MM_TEXT;
  POINT m_position;
  Selection m_pen;
  Selection m_brush;
  Selection m_font;
  std::vector<HandleCache> m_cache;
  // Table entries by description, so each description is stored once.
  std::unordered_map<std::uint64_t, std::uint32_t> m_penIndex;
  std::unordered_map<std::uint64_t, std::uint32_t> m_solidBrushIndex;
  std::unordered_map<std::uint64_t, std::uint32_t> m_patternBrushIndex;
};

// Starts recording a picture whose frame is (left, top, right, bottom) in
// 0.01 mm of frame space (y downward). The page, for example, is
// (0, -12620, 15795, 0) with MM_HIMETRIC drawing at y 0..12620.
DeviceContext CreateEnhMetaFileA(const RECT& frame);
// Ends the recording and returns the picture; a null picture when the context
// was already closed.
EnhMetaFile CloseEnhMetaFile(DeviceContext& hdc);

}  // namespace plotvane::gdi

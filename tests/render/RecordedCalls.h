#pragma once
// The drawing calls of one recorded picture, in its own logical units, each
// with the pen, brush and font in effect: for exact checks of what the
// renderer drew, without any mapping in between. Pictures played into it are
// listed as Play calls, not entered.

#include <string>
#include <vector>

#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane::test {

struct DrawCall {
  enum class Kind { Polygon, Polyline, Line, DrawText, TextOut, Play, Clip };
  Kind kind = Kind::Polygon;
  std::vector<gdi::POINT> points;  // corners; a Line is its current position and end
  gdi::LOGPEN pen;
  gdi::LOGBRUSH brush;
  gdi::LOGFONT font;
  gdi::MapMode mode = gdi::MapMode::MM_TEXT;
  std::string text;         // DrawText, TextOut
  gdi::RECT rect;           // DrawText, Play
  unsigned format = 0;      // DrawText
  std::size_t picture = 0;  // Play: index into the picture's played pictures
};

std::vector<DrawCall> RecordedCalls(const gdi::EnhMetaFile& picture);

// The calls of one kind, in order.
std::vector<DrawCall> CallsOf(const std::vector<DrawCall>& calls, DrawCall::Kind kind);

}  // namespace plotvane::test

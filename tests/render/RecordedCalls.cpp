// Listing a picture's calls. See RecordedCalls.h.

#include "RecordedCalls.h"

namespace plotvane::test {

using gdi::RecordType;

std::vector<DrawCall> RecordedCalls(const gdi::EnhMetaFile& picture) {
  std::vector<DrawCall> calls;
  DrawCall state;
  state.pen = picture.pens().front();
  state.brush = picture.brushes().front();
  state.font = picture.fonts().front();
  gdi::POINT position;
  picture.records().forEach([&](const gdi::RecordView& r) {
    DrawCall call = state;
    switch (r.type) {
      case RecordType::SelectPen: state.pen = picture.pens()[r.arg]; return;
      case RecordType::SelectBrush: state.brush = picture.brushes()[r.arg]; return;
      case RecordType::SelectFont: state.font = picture.fonts()[r.arg]; return;
      case RecordType::SetMapMode: state.mode = static_cast<gdi::MapMode>(r.arg); return;
      case RecordType::MoveTo: position = gdi::PointAt(r, 0); return;
      case RecordType::LineTo:
        call.kind = DrawCall::Kind::Line;
        call.points = {position, gdi::PointAt(r, 0)};
        position = call.points[1];
        break;
      case RecordType::Polygon:
      case RecordType::ExactPolygon:
      case RecordType::Polyline:
        call.kind = r.type == RecordType::Polyline ? DrawCall::Kind::Polyline : DrawCall::Kind::Polygon;
        for (std::int32_t i = 0; i < gdi::PointCount(r); ++i) call.points.push_back(gdi::PointAt(r, i));
        break;
      case RecordType::DrawText:
        call.kind = DrawCall::Kind::DrawText;
        call.text = picture.texts()[r.payload[0]];
        call.rect = gdi::RectAt(r, 1);
        call.format = r.arg;
        break;
      case RecordType::TextOut:
        call.kind = DrawCall::Kind::TextOut;
        call.text = picture.texts()[r.payload[0]];
        call.points = {gdi::POINT{static_cast<std::int32_t>(r.payload[1]), static_cast<std::int32_t>(r.payload[2])}};
        break;
      case RecordType::ClipPolygon:
        call.kind = DrawCall::Kind::Clip;
        for (std::int32_t i = 0; i < gdi::PointCount(r); ++i) call.points.push_back(gdi::PointAt(r, i));
        break;
      case RecordType::Play:
        call.kind = DrawCall::Kind::Play;
        call.picture = r.arg;
        call.rect = gdi::RectAt(r, 0);
        break;
    }
    calls.push_back(std::move(call));
  });
  return calls;
}

std::vector<DrawCall> CallsOf(const std::vector<DrawCall>& calls, DrawCall::Kind kind) {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls) {
    if (call.kind == kind) found.push_back(call);
  }
  return found;
}

}  // namespace plotvane::test

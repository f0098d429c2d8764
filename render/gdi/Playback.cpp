// The record walker. See Playback.h.
//
// Every picture level keeps one axis-aligned affine map from its logical
// units to the output (scale and offset per axis): the mapping mode's scale
// into frame space followed by the frame-to-rectangle map. A played picture's
// rectangle is mapped through its parent's logical map, so nested pictures
// compose without ever rounding in between.

#include "render/gdi/Playback.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/gdi/ReferenceDevice.h"

namespace plotvane::gdi {
namespace {

PointF ToPointF(const POINT& p) { return PointF{static_cast<double>(p.x), static_cast<double>(p.y)}; }

struct Affine {
  double sx = 1.0, tx = 0.0, sy = 1.0, ty = 0.0;
  PointF apply(double x, double y) const { return PointF{x * sx + tx, y * sy + ty}; }
};

// Maps the frame onto the rectangle, corner to corner.
Affine FrameToRect(const RECT& frame, const RectF& rect) {
  Affine a;
  a.sx = (rect.right - rect.left) / (static_cast<double>(frame.right) - frame.left);
  a.sy = (rect.bottom - rect.top) / (static_cast<double>(frame.bottom) - frame.top);
  a.tx = rect.left - frame.left * a.sx;
  a.ty = rect.top - frame.top * a.sy;
  return a;
}

Affine LogicalMap(MapMode mode, const Affine& frameToTarget) {
  const ModeScale scale = FrameScaleOf(mode);
  Affine a = frameToTarget;
  a.sx *= scale.scaleX;
  a.sy *= scale.scaleY;
  return a;
}

class Walker {
 public:
  explicit Walker(PlaybackSink& sink) : m_sink(sink), m_exact(sink.takesExactCorners()) {}

  void play(const EnhMetaFile& picture, const Affine& frameToTarget) {
    Level level{picture, frameToTarget, LogicalMap(MapMode::MM_TEXT, frameToTarget), 0, 0, 0, POINT{}, {}};
    announceAll(level);
    picture.records().forEach([&](const RecordView& record) { handle(level, record); });
    if (!level.clip.empty()) m_sink.clip({});
  }

 private:
  struct Level {
    const EnhMetaFile& picture;
    Affine frameToTarget;
    Affine logical;
    std::uint32_t pen = 0, brush = 0, font = 0;
    POINT position;
    std::vector<PointF> clip;  // in output coordinates; empty: none
  };

  void announcePen(const Level& level) {
    const LOGPEN& pen = level.picture.pens()[level.pen];
    m_sink.setPen(pen, pen.width * std::sqrt(std::abs(level.logical.sx * level.logical.sy)));
  }

  void announceFont(const Level& level) {
    const LOGFONT& font = level.picture.fonts()[level.font];
    const double height = font.height != 0 ? font.height * std::abs(level.logical.sy)
                                           : kDefaultFontPixels * kHimetricPerPixel * std::abs(level.frameToTarget.sy);
    m_sink.setFont(font, height);
  }

  void announceAll(const Level& level) {
    announcePen(level);
    m_sink.setBrush(level.picture.brushes()[level.brush]);
    announceFont(level);
  }

  // The record's points in output coordinates; with exact set, an
  // ExactPolygon's exact corners.
  const std::vector<PointF>& mapPoints(const Level& level, const RecordView& record, bool exact = false) {
    const std::int32_t count = PointCount(record);
    m_points.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
      const PointF p = exact ? ExactPointAt(record, i) : ToPointF(PointAt(record, i));
      m_points[static_cast<std::size_t>(i)] = level.logical.apply(p.x, p.y);
    }
    return m_points;
  }

  void handle(Level& level, const RecordView& record) {
    switch (record.type) {
      case RecordType::SelectPen:
        level.pen = record.arg;
        announcePen(level);
        break;
      case RecordType::SelectBrush:
        level.brush = record.arg;
        m_sink.setBrush(level.picture.brushes()[record.arg]);
        break;
      case RecordType::SelectFont:
        level.font = record.arg;
        announceFont(level);
        break;
      case RecordType::SetMapMode:
        level.logical = LogicalMap(static_cast<MapMode>(record.arg), level.frameToTarget);
        announcePen(level);
        announceFont(level);
        break;
      case RecordType::MoveTo: level.position = PointAt(record, 0); break;
      case RecordType::LineTo: {
        const POINT to = PointAt(record, 0);
        m_sink.line(level.logical.apply(level.position.x, level.position.y), level.logical.apply(to.x, to.y));
        level.position = to;
        break;
      }
      case RecordType::Polygon: m_sink.polygon(mapPoints(level, record)); break;
      case RecordType::ExactPolygon: m_sink.polygon(mapPoints(level, record, m_exact)); break;
      case RecordType::Polyline: m_sink.polyline(mapPoints(level, record)); break;
      case RecordType::DrawText: drawText(level, record); break;
      case RecordType::TextOut: textOut(level, record); break;
      case RecordType::Play: playNested(level, record); break;
      case RecordType::ClipPolygon:
        level.clip = mapPoints(level, record);
        m_sink.clip(level.clip);
        break;
    }
  }

  double cellHeight(const Level& level) const {
    const LOGFONT& font = level.picture.fonts()[level.font];
    if (font.height == 0) return kDefaultFontPixels * kHimetricPerPixel * std::abs(level.frameToTarget.sy);
    return std::abs(font.height * level.logical.sy);
  }

  void drawText(const Level& level, const RecordView& record) {
    const std::string_view text = level.picture.texts()[record.payload[0]];
    const RECT r = RectAt(record, 1);
    const PointF a = level.logical.apply(r.left, r.top);
    const PointF b = level.logical.apply(r.right, r.bottom);
    const RectF box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const unsigned format = record.arg;
    const double cell = cellHeight(level);

    TextRun run;
    run.clipped = (format & DT_NOCLIP) == 0;
    run.clip = box;
    run.align = (format & DT_CENTER) != 0  ? TextAlign::Centre
                : (format & DT_RIGHT) != 0 ? TextAlign::Right
                                           : TextAlign::Left;
    run.anchor.x = run.align == TextAlign::Centre  ? (box.left + box.right) / 2
                   : run.align == TextAlign::Right ? box.right
                                                   : box.left;
    run.anchor.y = box.top;
    if ((format & DT_SINGLELINE) != 0) {
      if ((format & DT_VCENTER) != 0)
        run.anchor.y = (box.top + box.bottom - cell) / 2;
      else if ((format & DT_BOTTOM) != 0)
        run.anchor.y = box.bottom - cell;
      m_line.clear();
      for (const char c : text) {
        if (c != '\r' && c != '\n') m_line.push_back(c);
      }
      emitLine(run, m_line);
      return;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      emitLine(run, line);
      run.anchor.y += cell;
      start = end + 1;
    }
  }

  void emitLine(TextRun run, std::string_view line) {
    if (line.empty()) return;
    run.text = line;
    m_sink.text(run);
  }

  void textOut(const Level& level, const RecordView& record) {
    TextRun run;
    run.text = level.picture.texts()[record.payload[0]];
    run.anchor =
        level.logical.apply(static_cast<std::int32_t>(record.payload[1]), static_cast<std::int32_t>(record.payload[2]));
    m_sink.text(run);
  }

  void playNested(const Level& level, const RecordView& record) {
    const EnhMetaFile& nested = level.picture.pictures()[record.arg];
    const RECT r = RectAt(record, 0);
    const PointF a = level.logical.apply(r.left, r.top);
    const PointF b = level.logical.apply(r.right, r.bottom);
    if (!level.clip.empty()) m_sink.clip({});
    Walker(m_sink).play(nested, FrameToRect(nested.frame(), RectF{a.x, a.y, b.x, b.y}));
    announceAll(level);
    if (!level.clip.empty()) m_sink.clip(level.clip);
  }

  PlaybackSink& m_sink;
  bool m_exact;
  std::vector<PointF> m_points;
  std::string m_line;
};

}  // namespace

void PlayPicture(const EnhMetaFile& picture, const RectF& target, PlaybackSink& sink) {
  if (picture.isNull()) return;
  const RECT& frame = picture.frame();
  if (frame.right == frame.left || frame.bottom == frame.top) return;
  Walker(sink).play(picture, FrameToRect(frame, target));
}

}  // namespace plotvane::gdi

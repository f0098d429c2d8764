// The metafile writer: a playback output that writes records.
// See EmfWriter.h for the layout of the file.

#include "render/emf/EmfWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "common/SafeFile.h"
#include "render/emf/EmfObjects.h"
#include "render/emf/EmfRecords.h"
#include "render/gdi/Playback.h"
#include "render/gdi/ReferenceDevice.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::emf {
namespace {

using gdi::PointF;

// Logical units (0.01 mm) per file, as window extents against the device's
// pixels as viewport extents.
constexpr std::int32_t kWindowExtX = gdi::kReferenceWidthMm * 100;
constexpr std::int32_t kWindowExtY = gdi::kReferenceHeightMm * 100;

std::int32_t Round(double v) {
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(std::nearbyint(v), lo, hi));
}

gdi::POINT Round(PointF p) { return gdi::POINT{Round(p.x), Round(p.y)}; }

// The extent of what is drawn, in logical units.
struct Bounds {
  double left = std::numeric_limits<double>::infinity();
  double top = left;
  double right = -left;
  double bottom = -left;

  void add(double x, double y, double margin) {
    left = std::min(left, x - margin);
    right = std::max(right, x + margin);
    top = std::min(top, y - margin);
    bottom = std::max(bottom, y + margin);
  }
  bool empty() const { return left > right; }
};

class EmfSink final : public gdi::PlaybackSink {
 public:
  explicit EmfSink(RecordBuffer& out) : m_out(out), m_objects(out) {}

  void setPen(const gdi::LOGPEN& pen, double width) override {
    m_pen = pen;
    m_penWidth = pen.width == 0 ? 0 : std::max(1, Round(width));
    m_penDirty = true;
  }
  void setBrush(const gdi::LOGBRUSH& brush) override {
    m_brush = brush;
    m_brushDirty = true;
  }
  void setFont(const gdi::LOGFONT& font, double height) override {
    m_font = font;
    m_font.height = Round(height);
    if (m_font.height == 0 && height != 0) m_font.height = height > 0 ? 1 : -1;
    m_font.width = font.height != 0 ? Round(font.width * height / font.height) : 0;
    m_fontDirty = true;
  }

  void polygon(std::span<const PointF> points) override {
    usePen();
    useBrush();
    writePoints(points, Emr::EMR_POLYGON16, Emr::EMR_POLYGON);
  }
  void polyline(std::span<const PointF> points) override {
    usePen();
    writePoints(points, Emr::EMR_POLYLINE16, Emr::EMR_POLYLINE);
  }
  void line(PointF from, PointF to) override;
  void text(const gdi::TextRun& run) override;
  void clip(std::span<const PointF> polygon) override;

  // Object clean-up; returns the size of the object table.
  std::uint32_t finish() {
    m_objects.deleteAll();
    return m_objects.handleCount();
  }
  const Bounds& bounds() const { return m_bounds; }

 private:
  void usePen();
  void useBrush();
  void useFont();
  void select(std::uint32_t index, std::uint32_t& selected);
  void writePoints(std::span<const PointF> points, Emr narrow, Emr wide);
  void writePoint(Emr type, gdi::POINT p);
  double strokeMargin() const { return m_pen.style == gdi::PenStyle::PS_NULL ? 0.0 : m_penWidth / 2.0; }

  RecordBuffer& m_out;
  EmfObjects m_objects;
  Bounds m_bounds;
  gdi::LOGPEN m_pen;
  std::int32_t m_penWidth = 0;
  gdi::LOGBRUSH m_brush;
  gdi::LOGFONT m_font;
  bool m_penDirty = true, m_brushDirty = true, m_fontDirty = true;
  std::uint32_t m_selectedPen = 0, m_selectedBrush = 0, m_selectedFont = 0;
  std::uint32_t m_textAlign = TA_LEFT;
  bool m_hasPosition = false;
  gdi::POINT m_position;
  std::vector<gdi::POINT> m_points;
};

void EmfSink::select(std::uint32_t index, std::uint32_t& selected) {
  if (index == selected) return;
  m_out.begin(Emr::EMR_SELECTOBJECT);
  m_out.u32(index);
  m_out.end();
  selected = index;
}

void EmfSink::usePen() {
  if (!m_penDirty) return;
  select(m_objects.pen(m_pen, m_penWidth), m_selectedPen);
  m_penDirty = false;
}

void EmfSink::useBrush() {
  if (!m_brushDirty) return;
  select(m_objects.brush(m_brush), m_selectedBrush);
  m_brushDirty = false;
}

void EmfSink::useFont() {
  if (!m_fontDirty) return;
  select(m_objects.font(m_font), m_selectedFont);
  m_fontDirty = false;
}

// Every clip starts from none (an empty region selected as a copy); a new
// one is the polygon as a path, ANDed with that: filled by the alternate
// rule the file sets at its start.
void EmfSink::clip(std::span<const PointF> polygon) {
  m_out.begin(Emr::EMR_EXTSELECTCLIPRGN);
  m_out.u32(0);
  m_out.u32(RGN_COPY);
  m_out.end();
  if (polygon.empty()) return;
  m_out.begin(Emr::EMR_BEGINPATH);
  m_out.end();
  writePoints(polygon, Emr::EMR_POLYGON16, Emr::EMR_POLYGON);
  m_out.begin(Emr::EMR_ENDPATH);
  m_out.end();
  m_out.begin(Emr::EMR_SELECTCLIPPATH);
  m_out.u32(RGN_AND);
  m_out.end();
}

void EmfSink::writePoints(std::span<const PointF> points, Emr narrow, Emr wide) {
  m_points.clear();
  std::int32_t lo = std::numeric_limits<std::int32_t>::max(), hi = std::numeric_limits<std::int32_t>::min();
  gdi::RECT box{lo, lo, hi, hi};
  for (const PointF& p : points) {
    const gdi::POINT q = Round(p);
    m_points.push_back(q);
    box =
        gdi::RECT{std::min(box.left, q.x), std::min(box.top, q.y), std::max(box.right, q.x), std::max(box.bottom, q.y)};
    m_bounds.add(q.x, q.y, strokeMargin());
  }
  const bool fits =
      box.left >= std::numeric_limits<std::int16_t>::min() && box.top >= std::numeric_limits<std::int16_t>::min() &&
      box.right <= std::numeric_limits<std::int16_t>::max() && box.bottom <= std::numeric_limits<std::int16_t>::max();
  m_out.begin(fits ? narrow : wide);
  m_out.rect(box.left, box.top, box.right, box.bottom);
  m_out.u32(static_cast<std::uint32_t>(m_points.size()));
  for (const gdi::POINT& q : m_points) {
    if (fits) {
      m_out.u16(static_cast<std::uint16_t>(q.x));
      m_out.u16(static_cast<std::uint16_t>(q.y));
    } else {
      m_out.i32(q.x);
      m_out.i32(q.y);
    }
  }
  m_out.end();
}

void EmfSink::writePoint(Emr type, gdi::POINT p) {
  m_out.begin(type);
  m_out.i32(p.x);
  m_out.i32(p.y);
  m_out.end();
}

void EmfSink::line(PointF from, PointF to) {
  usePen();
  const gdi::POINT a = Round(from), b = Round(to);
  if (!m_hasPosition || !(m_position == a)) writePoint(Emr::EMR_MOVETOEX, a);
  writePoint(Emr::EMR_LINETO, b);
  m_hasPosition = true;
  m_position = b;
  m_bounds.add(a.x, a.y, strokeMargin());
  m_bounds.add(b.x, b.y, strokeMargin());
}

void EmfSink::text(const gdi::TextRun& run) {
  useFont();
  const std::uint32_t align = run.align == gdi::TextAlign::Centre  ? TA_CENTER
                              : run.align == gdi::TextAlign::Right ? TA_RIGHT
                                                                   : TA_LEFT;
  if (align != m_textAlign) {
    m_out.begin(Emr::EMR_SETTEXTALIGN);
    m_out.u32(align);
    m_out.end();
    m_textAlign = align;
  }
  // Advances of each character, rounded cumulatively so that the whole run
  // keeps its measured width.
  const std::u16string units = gdi::ToUtf16(run.text);
  const gdi::TextMeasurer& measurer = gdi::CurrentTextMeasurer();
  std::vector<std::int32_t> dx(units.size(), 0);
  double total = 0.0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const bool pair = i + 1 < units.size() && units[i] >= 0xD800 && units[i] <= 0xDBFF;
    const double before = total;
    total += measurer.textWidth(m_font, std::u16string_view(units).substr(i, pair ? 2 : 1));
    dx[i] = Round(total) - Round(before);
    if (pair) ++i;
  }
  const gdi::POINT anchor = Round(run.anchor);
  const double left = align == TA_CENTER ? anchor.x - total / 2 : align == TA_RIGHT ? anchor.x - total : anchor.x;
  m_bounds.add(left, anchor.y, 0.0);
  m_bounds.add(left + total, anchor.y + std::abs(m_font.height), 0.0);

  const std::uint32_t fixed = 76;
  const std::uint32_t stringBytes = static_cast<std::uint32_t>((units.size() * 2 + 3) / 4 * 4);
  m_out.begin(Emr::EMR_EXTTEXTOUTW);
  m_out.rect(0, 0, -1, -1);  // bounds: not used by readers
  m_out.u32(GM_COMPATIBLE);
  m_out.f32(1.0f);  // one logical unit is 0.01 mm
  m_out.f32(1.0f);
  m_out.i32(anchor.x);
  m_out.i32(anchor.y);
  m_out.u32(static_cast<std::uint32_t>(units.size()));
  m_out.u32(fixed);
  m_out.u32(run.clipped ? ETO_CLIPPED : 0);
  if (run.clipped) {
    m_out.rect(Round(run.clip.left), Round(run.clip.top), Round(run.clip.right), Round(run.clip.bottom));
  } else {
    m_out.rect(0, 0, -1, -1);
  }
  m_out.u32(fixed + stringBytes);
  m_out.utf16(units, units.size());
  m_out.pad4();
  for (const std::int32_t d : dx) m_out.i32(d);
  m_out.end();
}

void WriteSetup(RecordBuffer& out) {
  const auto simple = [&out](Emr type, std::uint32_t value) {
    out.begin(type);
    out.u32(value);
    out.end();
  };
  const auto pair = [&out](Emr type, std::int32_t a, std::int32_t b) {
    out.begin(type);
    out.i32(a);
    out.i32(b);
    out.end();
  };
  simple(Emr::EMR_SETMAPMODE, MM_ANISOTROPIC);
  pair(Emr::EMR_SETWINDOWEXTEX, kWindowExtX, kWindowExtY);
  pair(Emr::EMR_SETVIEWPORTEXTEX, gdi::kReferenceWidthPixels, gdi::kReferenceHeightPixels);
  simple(Emr::EMR_SETPOLYFILLMODE, ALTERNATE);
  simple(Emr::EMR_SETBKMODE, OPAQUE);
  simple(Emr::EMR_SETBKCOLOR, gdi::RGB(255, 255, 255));
  simple(Emr::EMR_SETTEXTCOLOR, gdi::RGB(0, 0, 0));
  simple(Emr::EMR_SETTEXTALIGN, TA_LEFT);
}

// What the header needs to know of the whole file: the first pass finds it.
struct Summary {
  std::uint64_t bytes = 0;
  std::uint32_t records = 0;
  std::uint32_t handles = 1;
  Bounds bounds;
};

void WriteHeader(RecordBuffer& out, const gdi::RECT& frame, const Summary& summary) {
  gdi::RECT bounds{0, 0, -1, -1};  // nothing drawn
  if (!summary.bounds.empty()) {
    const double px = static_cast<double>(gdi::kReferenceWidthPixels) / kWindowExtX;
    const double py = static_cast<double>(gdi::kReferenceHeightPixels) / kWindowExtY;
    bounds = gdi::RECT{Round(std::floor(summary.bounds.left * px)), Round(std::floor(summary.bounds.top * py)),
                       Round(std::ceil(summary.bounds.right * px)), Round(std::ceil(summary.bounds.bottom * py))};
  }
  out.begin(Emr::EMR_HEADER);
  out.rect(bounds.left, bounds.top, bounds.right, bounds.bottom);
  out.rect(frame.left, frame.top, frame.right, frame.bottom);
  out.u32(kEmfSignature);
  out.u32(0x10000);
  out.u32(static_cast<std::uint32_t>(summary.bytes));
  out.u32(summary.records);
  out.u16(static_cast<std::uint16_t>(std::min<std::uint32_t>(summary.handles, 0xFFFF)));
  out.u16(0);
  out.u32(0);  // no description
  out.u32(0);
  out.u32(0);  // no palette
  out.i32(gdi::kReferenceWidthPixels);
  out.i32(gdi::kReferenceHeightPixels);
  out.i32(gdi::kReferenceWidthMm);
  out.i32(gdi::kReferenceHeightMm);
  out.u32(0);  // no pixel format
  out.u32(0);
  out.u32(0);  // not OpenGL
  out.i32(gdi::kReferenceWidthMm * 1000);
  out.i32(gdi::kReferenceHeightMm * 1000);
  out.end();
}

// Writes the whole file to the buffer's output and returns what it wrote.
Summary WriteFile(const gdi::EnhMetaFile& picture, RecordBuffer& out, const Summary& header) {
  const gdi::RECT& frame = picture.frame();
  WriteHeader(out, frame, header);
  WriteSetup(out);
  EmfSink sink(out);
  gdi::PlayPicture(picture,
                   gdi::RectF{double(frame.left), double(frame.top), double(frame.right), double(frame.bottom)}, sink);
  Summary written;
  written.handles = sink.finish();
  out.begin(Emr::EMR_EOF);
  out.u32(0);   // no palette entries
  out.u32(16);  // where they would start
  out.u32(20);  // this record's size, repeated at its end
  out.end();
  written.bytes = out.size();
  written.records = out.records();
  written.bounds = sink.bounds();
  return written;
}

// The file in two passes: the first only counts, so that the header can be
// written first and the records streamed after it, never held whole in
// memory (a full map makes a file of tens of megabytes).
void Encode(const gdi::EnhMetaFile& picture, const RecordBuffer::Output& output) {
  RecordBuffer counter;
  const Summary summary = WriteFile(picture, counter, Summary{});
  RecordBuffer out(output);
  WriteFile(picture, out, summary);
}

}  // namespace

std::string EncodeEnhMetaFile(const gdi::EnhMetaFile& picture) {
  if (picture.isNull()) return {};
  std::string bytes;
  Encode(picture, [&bytes](std::string_view record) { bytes.append(record); });
  return bytes;
}

void WriteEnhMetaFile(const gdi::EnhMetaFile& picture, SafeFileWriter& file) {
  if (picture.isNull()) {
    file.fail(SaveErrorKind::Other);
    return;
  }
  Encode(picture, [&file](std::string_view record) { file.write(record); });
}

}  // namespace plotvane::emf

namespace plotvane::gdi {

WriteOutcome CopyEnhMetaFileA(const EnhMetaFile& picture, const std::string& path, Durability durability) {
  return WriteFileSafely(
      path, [&picture](SafeFileWriter& file) { emf::WriteEnhMetaFile(picture, file); }, durability);
}

}  // namespace plotvane::gdi

// Recording into a picture. See DeviceContext.h.

#include "render/gdi/DeviceContext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "render/gdi/ReferenceDevice.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::gdi {
namespace {

constexpr std::uint32_t kSlotMask = (1u << 20) - 1;
constexpr std::uint32_t kMaxPoints = RecordStore::kMaxArg >> 1;

std::uint64_t PenKey(const LOGPEN& pen) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(pen.width)) << 32) |
         (static_cast<std::uint64_t>(pen.style) << 24) | (pen.colour & 0xFFFFFF);
}

std::uint64_t PatternKey(const MonoPattern& pattern) {
  std::uint64_t key = 0;
  for (const std::uint8_t row : pattern) key = (key << 8) | row;
  return key;
}

template <typename T>
std::uint32_t Intern(std::vector<T>& table, std::unordered_map<std::uint64_t, std::uint32_t>& index, std::uint64_t key,
                     const T& description) {
  const auto [it, inserted] = index.try_emplace(key, static_cast<std::uint32_t>(table.size()));
  if (inserted) table.push_back(description);
  return it->second;
}

std::uint32_t Word(std::int32_t value) { return static_cast<std::uint32_t>(value); }

std::int32_t LineCount(std::string_view text, unsigned format) {
  if ((format & DT_SINGLELINE) != 0) return 1;
  return 1 + static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

DeviceContext::DeviceContext(const RECT& frame) : m_data(std::make_unique<PictureData>()) {
  m_data->frame = frame;
  const LOGPEN* pen = GetPenDescription(GetStockObject(StockObject::BLACK_PEN));
  const LOGBRUSH* brush = GetBrushDescription(GetStockObject(StockObject::WHITE_BRUSH));
  const LOGFONT* font = GetFontDescription(GetStockObject(StockObject::SYSTEM_FONT));
  Intern(m_data->pens, m_penIndex, PenKey(*pen), *pen);
  Intern(m_data->brushes, m_solidBrushIndex, brush->colour, *brush);
  m_data->fonts.push_back(*font);
  m_pen.handle = GetStockObject(StockObject::BLACK_PEN);
  m_brush.handle = GetStockObject(StockObject::WHITE_BRUSH);
  m_font.handle = GetStockObject(StockObject::SYSTEM_FONT);
}

DeviceContext::DeviceContext(DeviceContext&&) noexcept = default;
DeviceContext& DeviceContext::operator=(DeviceContext&&) noexcept = default;
DeviceContext::~DeviceContext() = default;

std::int64_t DeviceContext::resolve(HGDIOBJ object, ObjectKind kind) {
  const std::uint32_t slot = object.value & kSlotMask;
  if (slot >= m_cache.size()) m_cache.resize(slot + 1);
  HandleCache& cached = m_cache[slot];
  // A hit is checked against the description too: after 4096 reuses of a
  // slot its handle values repeat, and the repeat may describe something else.
  if (cached.handle == object.value && matches(object, kind, cached.index)) return cached.index;
  std::uint32_t index = 0;
  if (kind == ObjectKind::Pen) {
    const LOGPEN& pen = *GetPenDescription(object);
    index = Intern(m_data->pens, m_penIndex, PenKey(pen), pen);
  } else if (kind == ObjectKind::Brush) {
    const LOGBRUSH& brush = *GetBrushDescription(object);
    index = brush.style == BrushStyle::BS_PATTERN
                ? Intern(m_data->brushes, m_patternBrushIndex, PatternKey(brush.pattern), brush)
                : Intern(m_data->brushes, m_solidBrushIndex, brush.colour & 0xFFFFFF, brush);
  } else {
    const LOGFONT& font = *GetFontDescription(object);
    auto& fonts = m_data->fonts;
    const auto found = std::find(fonts.begin(), fonts.end(), font);
    index = static_cast<std::uint32_t>(found - fonts.begin());
    if (found == fonts.end()) fonts.push_back(font);
  }
  if (index > RecordStore::kMaxArg) return -1;
  cached = HandleCache{object.value, index};
  return index;
}

bool DeviceContext::matches(HGDIOBJ object, ObjectKind kind, std::uint32_t index) const {
  switch (kind) {
    case ObjectKind::Pen: return m_data->pens[index] == *GetPenDescription(object);
    case ObjectKind::Brush: return m_data->brushes[index] == *GetBrushDescription(object);
    case ObjectKind::Font: return m_data->fonts[index] == *GetFontDescription(object);
    case ObjectKind::None: break;
  }
  return false;
}

HGDIOBJ DeviceContext::SelectObject(HGDIOBJ object) {
  if (!isRecording()) return {};
  const ObjectKind kind = GetObjectKind(object);
  if (kind == ObjectKind::None) return {};
  const std::int64_t index = resolve(object, kind);
  if (index < 0) return {};
  Selection& selection = kind == ObjectKind::Pen ? m_pen : kind == ObjectKind::Brush ? m_brush : m_font;
  const HGDIOBJ previous = selection.handle;
  selection.handle = object;
  if (selection.index != static_cast<std::uint32_t>(index)) {
    selection.index = static_cast<std::uint32_t>(index);
    const RecordType type = kind == ObjectKind::Pen     ? RecordType::SelectPen
                            : kind == ObjectKind::Brush ? RecordType::SelectBrush
                                                        : RecordType::SelectFont;
    m_data->records.addSimple(type, selection.index);
  }
  return previous;
}

MapMode DeviceContext::SetMapMode(MapMode mode) {
  const MapMode previous = m_mapMode;
  if (isRecording() && mode != m_mapMode) {
    m_mapMode = mode;
    m_data->records.addSimple(RecordType::SetMapMode, static_cast<std::uint32_t>(mode));
  }
  return previous;
}

bool DeviceContext::Polygon(std::span<const POINT> points) {
  if (!isRecording() || points.size() < 2 || points.size() > kMaxPoints) return false;
  m_data->records.addPoints(RecordType::Polygon, points);
  return true;
}

bool DeviceContext::Polygon(std::span<const POINT> points, std::span<const PointF> exact) {
  if (!isRecording() || points.size() < 2 || points.size() > kMaxPoints || exact.size() != points.size()) return false;
  m_data->records.addExactPolygon(points, exact);
  return true;
}

bool DeviceContext::SelectClipPolygon(std::span<const POINT> points) {
  if (!isRecording() || points.size() < 3 || points.size() > kMaxPoints) return false;
  m_data->records.addPoints(RecordType::ClipPolygon, points);
  return true;
}

bool DeviceContext::SelectClipNone() {
  if (!isRecording()) return false;
  m_data->records.addPoints(RecordType::ClipPolygon, {});
  return true;
}

bool DeviceContext::MoveToEx(std::int32_t x, std::int32_t y, POINT* previous) {
  if (!isRecording()) return false;
  if (previous != nullptr) *previous = m_position;
  m_position = POINT{x, y};
  m_data->records.addPoints(RecordType::MoveTo, std::span<const POINT>(&m_position, 1));
  return true;
}

bool DeviceContext::LineTo(std::int32_t x, std::int32_t y) {
  if (!isRecording()) return false;
  m_position = POINT{x, y};
  m_data->records.addPoints(RecordType::LineTo, std::span<const POINT>(&m_position, 1));
  return true;
}

bool DeviceContext::Polyline(std::span<const POINT> points) {
  if (!isRecording() || points.size() < 2 || points.size() > kMaxPoints) return false;
  m_data->records.addPoints(RecordType::Polyline, points);
  return true;
}

std::uint32_t DeviceContext::addText(std::string_view text) {
  m_data->texts.emplace_back(text);
  return static_cast<std::uint32_t>(m_data->texts.size() - 1);
}

int DeviceContext::DrawTextA(std::string_view text, const RECT& rect, unsigned format) {
  if (!isRecording() || text.empty()) return 0;
  const std::array<std::uint32_t, 5> words{addText(text), Word(rect.left), Word(rect.top), Word(rect.right),
                                           Word(rect.bottom)};
  m_data->records.addWords(RecordType::DrawText, format & RecordStore::kMaxArg, words);
  return LineCount(text, format) * std::abs(m_data->fonts[m_font.index].height);
}

bool DeviceContext::TextOutA(std::int32_t x, std::int32_t y, std::string_view text) {
  if (!isRecording()) return false;
  if (text.empty()) return true;
  const std::array<std::uint32_t, 3> words{addText(text), Word(x), Word(y)};
  m_data->records.addWords(RecordType::TextOut, 0, words);
  return true;
}

int DeviceContext::GetDeviceCaps(DeviceCap index) const { return ReferenceDeviceCaps(index); }

bool DeviceContext::GetTextExtentPoint32A(std::string_view text, SIZE* size) const {
  if (!isRecording() || size == nullptr) return false;
  const LOGFONT& font = m_data->fonts[m_font.index];
  const double width = CurrentTextMeasurer().textWidth(font, ToUtf16(text));
  *size = SIZE{static_cast<std::int32_t>(std::lround(width)), std::abs(font.height)};
  return true;
}

bool DeviceContext::PlayEnhMetaFile(const EnhMetaFile& picture, const RECT& rect) {
  if (!isRecording() || picture.isNull()) return false;
  const RECT& frame = picture.frame();
  if (frame.right == frame.left || frame.bottom == frame.top) return false;
  auto& pictures = m_data->pictures;
  if (pictures.empty() || !(pictures.back() == picture)) pictures.push_back(picture);
  if (pictures.size() - 1 > RecordStore::kMaxArg) return false;
  const std::array<std::uint32_t, 4> words{Word(rect.left), Word(rect.top), Word(rect.right), Word(rect.bottom)};
  m_data->records.addWords(RecordType::Play, static_cast<std::uint32_t>(pictures.size() - 1), words);
  return true;
}

DeviceContext CreateEnhMetaFileA(const RECT& frame) { return DeviceContext(frame); }

EnhMetaFile CloseEnhMetaFile(DeviceContext& hdc) {
  if (!hdc.isRecording()) return {};
  std::shared_ptr<const PictureData> data(std::move(hdc.m_data));
  hdc.m_cache.clear();
  hdc.m_penIndex.clear();
  hdc.m_solidBrushIndex.clear();
  hdc.m_patternBrushIndex.clear();
  return EnhMetaFile(std::move(data));
}

}  // namespace plotvane::gdi

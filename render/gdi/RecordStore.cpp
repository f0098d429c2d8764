// Packing and reading the record stream. See RecordStore.h.

#include "render/gdi/RecordStore.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <limits>

namespace plotvane::gdi {
namespace {

constexpr std::uint32_t kChunkWords = 16384;  // 64 KiB

bool FitsNarrow(std::span<const POINT> points) {
  constexpr std::int32_t lo = std::numeric_limits<std::int16_t>::min();
  constexpr std::int32_t hi = std::numeric_limits<std::int16_t>::max();
  return std::all_of(points.begin(), points.end(),
                     [](const POINT& p) { return p.x >= lo && p.x <= hi && p.y >= lo && p.y <= hi; });
}

std::uint32_t Header(RecordType type, std::uint32_t arg) {
  assert(arg <= RecordStore::kMaxArg && "record argument exceeds 24 bits");
  return static_cast<std::uint32_t>(type) | (arg << 8);
}

std::uint32_t Word(std::int32_t value) { return static_cast<std::uint32_t>(value); }
std::int32_t Signed(std::uint32_t word) { return static_cast<std::int32_t>(word); }

bool IsWide(const RecordView& record) { return (record.arg & 1u) != 0; }

// Exact corners are kept on a grid of 2^-20 units: fine enough that a corner
// meant to lie on an edge stays within a millionth of a unit of it, and
// coarse enough that its offset from the rounded point (under a few units)
// is a float without loss. Both pieces beside an edge put the same exact
// corner on the same grid point, whatever their rounded points are, so they
// share the edge to the last bit.
constexpr double kExactGrid = 1 << 20;

std::uint32_t ExactOffset(double exact, std::int32_t rounded) {
  const double onGrid = std::nearbyint(exact * kExactGrid) / kExactGrid;
  const float offset = std::isfinite(onGrid) ? static_cast<float>(onGrid - rounded) : 0.0f;
  return std::bit_cast<std::uint32_t>(offset);
}

}  // namespace

std::int32_t PointCount(const RecordView& record) {
  switch (record.type) {
    case RecordType::MoveTo:
    case RecordType::LineTo: return 1;
    case RecordType::Polygon:
    case RecordType::ExactPolygon:
    case RecordType::Polyline:
    case RecordType::ClipPolygon: return static_cast<std::int32_t>(record.arg >> 1);
    default: return 0;
  }
}

POINT PointAt(const RecordView& record, std::int32_t i) {
  if (IsWide(record)) {
    return POINT{Signed(record.payload[2 * i]), Signed(record.payload[2 * i + 1])};
  }
  const std::uint32_t packed = record.payload[i];
  return POINT{static_cast<std::int16_t>(packed & 0xFFFF), static_cast<std::int16_t>(packed >> 16)};
}

PointF ExactPointAt(const RecordView& record, std::int32_t i) {
  const POINT p = PointAt(record, i);
  const std::size_t offsets = static_cast<std::size_t>(PointCount(record)) * (IsWide(record) ? 2 : 1);
  const auto offset = [&](std::size_t word) { return static_cast<double>(std::bit_cast<float>(record.payload[word])); };
  const std::size_t at = offsets + 2 * static_cast<std::size_t>(i);
  return PointF{p.x + offset(at), p.y + offset(at + 1)};
}

RECT RectAt(const RecordView& record, std::size_t firstWord) {
  return RECT{Signed(record.payload[firstWord]), Signed(record.payload[firstWord + 1]),
              Signed(record.payload[firstWord + 2]), Signed(record.payload[firstWord + 3])};
}

std::uint32_t* RecordStore::reserve(std::uint32_t words) {
  if (m_chunks.empty() || m_chunks.back().capacity - m_chunks.back().used < words) {
    Chunk chunk;
    chunk.capacity = std::max(kChunkWords, words);
    chunk.words = std::make_unique_for_overwrite<std::uint32_t[]>(chunk.capacity);
    m_chunks.push_back(std::move(chunk));
  }
  Chunk& chunk = m_chunks.back();
  std::uint32_t* at = chunk.words.get() + chunk.used;
  chunk.used += words;
  ++m_records;
  return at;
}

void RecordStore::addSimple(RecordType type, std::uint32_t arg) { *reserve(1) = Header(type, arg); }

void RecordStore::addPoints(RecordType type, std::span<const POINT> points) { putPoints(type, points, 0); }

void RecordStore::addExactPolygon(std::span<const POINT> points, std::span<const PointF> exact) {
  assert(exact.size() == points.size() && "an exact corner for every point");
  std::uint32_t* at = putPoints(RecordType::ExactPolygon, points, 2 * static_cast<std::uint32_t>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    *at++ = ExactOffset(exact[i].x, points[i].x);
    *at++ = ExactOffset(exact[i].y, points[i].y);
  }
}

std::uint32_t* RecordStore::putPoints(RecordType type, std::span<const POINT> points, std::uint32_t extraWords) {
  const bool wide = !FitsNarrow(points);
  const auto count = static_cast<std::uint32_t>(points.size());
  const bool single = type == RecordType::MoveTo || type == RecordType::LineTo;
  const std::uint32_t arg = (single ? 0u : count << 1) | (wide ? 1u : 0u);
  std::uint32_t* at = reserve(1 + count * (wide ? 2 : 1) + extraWords);
  *at++ = Header(type, arg);
  for (const POINT& p : points) {
    if (wide) {
      *at++ = Word(p.x);
      *at++ = Word(p.y);
    } else {
      *at++ = (static_cast<std::uint32_t>(p.x) & 0xFFFF) | (static_cast<std::uint32_t>(p.y) << 16);
    }
  }
  return at;
}

void RecordStore::addWords(RecordType type, std::uint32_t arg, std::span<const std::uint32_t> words) {
  std::uint32_t* at = reserve(1 + static_cast<std::uint32_t>(words.size()));
  *at++ = Header(type, arg);
  std::copy(words.begin(), words.end(), at);
}

std::int64_t RecordStore::byteSize() const {
  std::int64_t bytes = 0;
  for (const Chunk& chunk : m_chunks) bytes += std::int64_t{chunk.capacity} * 4;
  return bytes;
}

RecordView RecordStore::viewAt(const std::uint32_t* at, [[maybe_unused]] std::uint32_t available) {
  const auto type = static_cast<RecordType>(at[0] & 0xFF);
  const std::uint32_t arg = at[0] >> 8;
  const std::uint32_t perPoint = (arg & 1u) != 0 ? 2 : 1;
  std::uint32_t length = 0;
  switch (type) {
    case RecordType::MoveTo:
    case RecordType::LineTo: length = perPoint; break;
    case RecordType::Polygon:
    case RecordType::Polyline:
    case RecordType::ClipPolygon: length = (arg >> 1) * perPoint; break;
    case RecordType::ExactPolygon: length = (arg >> 1) * (perPoint + 2); break;
    case RecordType::DrawText: length = 5; break;
    case RecordType::TextOut: length = 3; break;
    case RecordType::Play: length = 4; break;
    default: length = 0; break;
  }
  assert(length < available && "record runs past its chunk");
  return RecordView{type, arg, std::span<const std::uint32_t>(at + 1, length)};
}

}  // namespace plotvane::gdi

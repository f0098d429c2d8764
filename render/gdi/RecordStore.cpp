// Packing and reading the record stream. See RecordStore.h.

#include "render/gdi/RecordStore.h"

#include <algorithm>
#include <cassert>
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

}  // namespace

std::int32_t PointCount(const RecordView& record) {
  switch (record.type) {
    case RecordType::MoveTo:
    case RecordType::LineTo: return 1;
    case RecordType::Polygon:
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

void RecordStore::addPoints(RecordType type, std::span<const POINT> points) {
  const bool wide = !FitsNarrow(points);
  const auto count = static_cast<std::uint32_t>(points.size());
  const bool single = type == RecordType::MoveTo || type == RecordType::LineTo;
  const std::uint32_t arg = (single ? 0u : count << 1) | (wide ? 1u : 0u);
  std::uint32_t* at = reserve(1 + count * (wide ? 2 : 1));
  *at++ = Header(type, arg);
  for (const POINT& p : points) {
    if (wide) {
      *at++ = Word(p.x);
      *at++ = Word(p.y);
    } else {
      *at++ = (static_cast<std::uint32_t>(p.x) & 0xFFFF) | (static_cast<std::uint32_t>(p.y) << 16);
    }
  }
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
    case RecordType::DrawText: length = 5; break;
    case RecordType::TextOut: length = 3; break;
    case RecordType::Play: length = 4; break;
    default: length = 0; break;
  }
  assert(length < available && "record runs past its chunk");
  return RecordView{type, arg, std::span<const std::uint32_t>(at + 1, length)};
}

}  // namespace plotvane::gdi

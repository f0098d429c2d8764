#pragma once
// The compact record stream of a recorded picture.
//
// A map of 100 000 points issues a few million records, so records are
// packed 32-bit words in fixed 64 KiB chunks: no record spans two chunks, and
// growing never copies what is already stored (a growing vector would briefly
// hold the old and the new buffer). Each record starts with a header word:
// the type in the low 8 bits, an argument in the high 24. Point lists are
// "narrow" (x and y as 16-bit halves of one word) when every coordinate fits,
// "wide" (two words per point) otherwise.
//
// Layouts (after the header word):
//   SelectPen/SelectBrush/SelectFont  arg = index into the picture's table
//   SetMapMode                        arg = MapMode value
//   MoveTo, LineTo                    arg = wide flag; one point
//   Polygon, Polyline                 arg = count << 1 | wide flag; count points
//   ExactPolygon                      as Polygon, then per point the offsets
//                                     of its exact corner, x and y as floats
//   DrawText                          arg = DT_ format; text index, RECT (4 words)
//   TextOut                           text index, x, y
//   Play                              arg = index into the picture's sub-pictures; RECT

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "render/gdi/GdiTypes.h"

namespace plotvane::gdi {

enum class RecordType : std::uint8_t {
  SelectPen = 1,
  SelectBrush,
  SelectFont,
  SetMapMode,
  MoveTo,
  LineTo,
  Polygon,
  Polyline,
  DrawText,
  TextOut,
  Play,
  ClipPolygon,   // the clip from here on: the polygon's even-odd inside; no points: none
  ExactPolygon,  // a polygon with its exact corners beside the rounded ones
};

// One record as read back: its type, header argument and the words after the
// header. The points of point records are read with PointCount / PointAt.
struct RecordView {
  RecordType type;
  std::uint32_t arg;
  std::span<const std::uint32_t> payload;
};

std::int32_t PointCount(const RecordView& record);
POINT PointAt(const RecordView& record, std::int32_t i);
// The exact corner i of an ExactPolygon record.
PointF ExactPointAt(const RecordView& record, std::int32_t i);
RECT RectAt(const RecordView& record, std::size_t firstWord);

class RecordStore {
 public:
  // Largest value of the 24-bit header argument.
  static constexpr std::uint32_t kMaxArg = (1u << 24) - 1;

  void addSimple(RecordType type, std::uint32_t arg);
  // MoveTo, LineTo, Polygon and Polyline, narrow when every coordinate fits.
  void addPoints(RecordType type, std::span<const POINT> points);
  // An ExactPolygon: the rounded points and, as many, the exact corners.
  void addExactPolygon(std::span<const POINT> points, std::span<const PointF> exact);
  // DrawText, TextOut and Play: the header and the given words.
  void addWords(RecordType type, std::uint32_t arg, std::span<const std::uint32_t> words);

  std::int64_t recordCount() const { return m_records; }
  // Bytes held by the chunks, used or not.
  std::int64_t byteSize() const;

  // Calls visit(const RecordView&) for every record in order.
  template <typename Visit>
  void forEach(Visit&& visit) const {
    for (const Chunk& chunk : m_chunks) {
      std::uint32_t at = 0;
      while (at < chunk.used) {
        const RecordView record = viewAt(chunk.words.get() + at, chunk.used - at);
        visit(record);
        at += 1 + static_cast<std::uint32_t>(record.payload.size());
      }
    }
  }

 private:
  struct Chunk {
    std::unique_ptr<std::uint32_t[]> words;
    std::uint32_t capacity = 0;
    std::uint32_t used = 0;
  };

  std::uint32_t* reserve(std::uint32_t words);
  // The header and the points, with extraWords reserved after them; returns
  // where those start.
  std::uint32_t* putPoints(RecordType type, std::span<const POINT> points, std::uint32_t extraWords);
  static RecordView viewAt(const std::uint32_t* at, std::uint32_t available);

  std::vector<Chunk> m_chunks;
  std::int64_t m_records = 0;
};

}  // namespace plotvane::gdi

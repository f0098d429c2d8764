#pragma once
// The enhanced-metafile records this program writes, and a buffer that lays
// them out.
//
// An enhanced metafile is a sequence of little-endian records, each starting
// with its type and its size in bytes (a multiple of 4). The writer needs
// about a dozen record types; their layouts are simple enough to write here
// directly, and the tests read the files back with an independent parser
// (libUEMF) and check them there.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace plotvane::emf {

enum class Emr : std::uint32_t {
  EMR_HEADER = 1,
  EMR_POLYGON = 3,
  EMR_POLYLINE = 4,
  EMR_SETWINDOWEXTEX = 9,
  EMR_SETVIEWPORTEXTEX = 11,
  EMR_EOF = 14,
  EMR_SETMAPMODE = 17,
  EMR_SETBKMODE = 18,
  EMR_SETPOLYFILLMODE = 19,
  EMR_SETTEXTALIGN = 22,
  EMR_SETTEXTCOLOR = 24,
  EMR_SETBKCOLOR = 25,
  EMR_MOVETOEX = 27,
  EMR_SELECTOBJECT = 37,
  EMR_CREATEPEN = 38,
  EMR_CREATEBRUSHINDIRECT = 39,
  EMR_DELETEOBJECT = 40,
  EMR_LINETO = 54,
  EMR_BEGINPATH = 59,
  EMR_ENDPATH = 60,
  EMR_SELECTCLIPPATH = 67,
  EMR_EXTSELECTCLIPRGN = 75,
  EMR_EXTCREATEFONTINDIRECTW = 82,
  EMR_EXTTEXTOUTW = 84,
  EMR_POLYGON16 = 86,
  EMR_POLYLINE16 = 87,
  EMR_CREATEDIBPATTERNBRUSHPT = 94,
};

inline constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
inline constexpr std::uint32_t kHeaderSize = 108;           // with both header extensions
inline constexpr std::uint32_t MM_ANISOTROPIC = 8;
inline constexpr std::uint32_t ALTERNATE = 1;
inline constexpr std::uint32_t RGN_AND = 1, RGN_COPY = 5;
inline constexpr std::uint32_t OPAQUE = 2;
inline constexpr std::uint32_t TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6;  // with TA_TOP (0)
inline constexpr std::uint32_t ETO_CLIPPED = 4;
inline constexpr std::uint32_t GM_COMPATIBLE = 1;
inline constexpr std::uint32_t kStockWhiteBrush = 0x80000000;
inline constexpr std::uint32_t kStockBlackPen = 0x80000007;
inline constexpr std::uint32_t kStockSystemFont = 0x8000000D;

// Little-endian record bytes. begin() opens a record, the put functions add
// its fields, end() pads it to a multiple of 4, fills in its size and hands
// the finished record to the output (or only counts it when there is none,
// which is how the writer's first pass learns the file's size).
class RecordBuffer {
 public:
  using Output = std::function<void(std::string_view record)>;
  explicit RecordBuffer(Output output = nullptr) : m_output(std::move(output)) {}

  void begin(Emr type);
  void end();

  void u8(std::uint8_t v) {
    const char byte = static_cast<char>(v);
    put(&byte, 1);
  }
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void f32(float v);
  void rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  // UTF-16 code units, then zeros up to `units` in all (truncated to fit).
  void utf16(std::u16string_view text, std::size_t units);
  void pad4();

  // Bytes and records handed out so far.
  std::uint64_t size() const { return m_size; }
  std::uint32_t records() const { return m_records; }

 private:
  // Counting alone keeps no bytes: the first pass costs only the lengths.
  void put(const char* bytes, std::size_t count);

  Output m_output;
  std::string m_record;
  std::size_t m_length = 0;  // of the open record
  std::uint64_t m_size = 0;
  std::uint32_t m_records = 0;
};

}  // namespace plotvane::emf

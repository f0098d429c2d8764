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
inline constexpr std::uint32_t OPAQUE = 2;
inline constexpr std::uint32_t TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6;  // with TA_TOP (0)
inline constexpr std::uint32_t ETO_CLIPPED = 4;
inline constexpr std::uint32_t GM_COMPATIBLE = 1;
inline constexpr std::uint32_t kStockWhiteBrush = 0x80000000;
inline constexpr std::uint32_t kStockBlackPen = 0x80000007;
inline constexpr std::uint32_t kStockSystemFont = 0x8000000D;

// Little-endian record bytes. begin() opens a record, the put functions add
// its fields, end() pads it to a multiple of 4 and fills in its size.
class RecordBuffer {
 public:
  std::size_t begin(Emr type);
  void end(std::size_t start);

  void u8(std::uint8_t v) { m_bytes.push_back(static_cast<char>(v)); }
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void f32(float v);
  void rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  // UTF-16 code units, then zeros up to `units` in all (truncated to fit).
  void utf16(std::u16string_view text, std::size_t units);
  void pad4();

  // Overwrites a 32-bit field written earlier.
  void patch32(std::size_t offset, std::uint32_t v);
  void patch16(std::size_t offset, std::uint16_t v);

  std::size_t size() const { return m_bytes.size(); }
  std::uint32_t records() const { return m_records; }
  const std::string& bytes() const { return m_bytes; }
  std::string take() { return std::move(m_bytes); }

 private:
  std::string m_bytes;
  std::uint32_t m_records = 0;
};

}  // namespace plotvane::emf

// The LAS header block and its checks. See LasHeader.h.
//
// Offsets of the fields used, from the start of the file:
//   0 "LASF"; 24 version major, 25 minor; 94 header size (u16); 96 offset to
//   the point data (u32); 104 point format (u8; bits 6 and 7 mark a
//   compressed file); 105 record length (u16); 107 legacy point count (u32);
//   131..178 X, Y, Z scale and X, Y, Z offset (f64); 1.4 only: 247 point
//   count (u64).

#include "data/LasHeader.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace plotvane {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the LAS fields are read as the little-endian host holds them");

template <typename T>
T At(std::string_view bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// The header sizes of the three versions: 1.3 adds the waveform start, 1.4
// the extended records and the 64-bit counts.
std::uint32_t MinimumHeaderSize(int minor) {
  constexpr std::array<std::uint32_t, 3> kSizes{227, 235, 375};
  return kSizes[static_cast<std::size_t>(minor - 2)];
}

LasHeaderRead Refused(std::string text) { return LasHeaderRead{std::nullopt, std::move(text), false}; }

}  // namespace

std::string LazRefusalText() { return "圧縮された LAS (LAZ) は読めません。LAS に変換してから読み込んでください。"; }

int LasMinimumRecordLength(int pointFormat) {
  constexpr std::array<int, 11> kLengths{20, 28, 26, 34, 57, 63, 30, 36, 38, 59, 67};
  return kLengths[static_cast<std::size_t>(pointFormat)];
}

LasHeaderRead ReadLasHeader(std::string_view head, std::uint64_t fileSize) {
  if (head.size() < MinimumHeaderSize(2) || head.substr(0, 4) != "LASF") {
    return Refused("LAS ファイルではありません (先頭に LASF がありません)。");
  }
  LasHeader h;
  const int major = At<std::uint8_t>(head, 24);
  h.versionMinor = At<std::uint8_t>(head, 25);
  if (major != 1 || h.versionMinor < 2 || h.versionMinor > 4) {
    return Refused("LAS " + std::to_string(major) + "." + std::to_string(h.versionMinor) +
                   " は読めません。読めるのは 1.2 から 1.4 です。");
  }
  const auto formatByte = At<std::uint8_t>(head, 104);
  if (formatByte & 0xC0) {
    return LasHeaderRead{std::nullopt, LazRefusalText(), true};
  }
  h.pointFormat = formatByte;
  if (h.pointFormat > 10)
    return Refused("点の形式 " + std::to_string(h.pointFormat) + " は読めません。読めるのは 0 から 10 です。");
  h.headerSize = At<std::uint16_t>(head, 94);
  h.pointOffset = At<std::uint32_t>(head, 96);
  h.recordLength = At<std::uint16_t>(head, 105);
  if (h.headerSize < MinimumHeaderSize(h.versionMinor) || head.size() < MinimumHeaderSize(h.versionMinor)) {
    return Refused("ヘッダーの大きさ (" + std::to_string(h.headerSize) + ") が LAS 1." +
                   std::to_string(h.versionMinor) + " のヘッダーより小さいです。");
  }
  if (h.pointOffset < h.headerSize || h.pointOffset > fileSize) {
    return Refused("点のデータの位置 (" + std::to_string(h.pointOffset) +
                   ") がヘッダーの中かファイルの外を指しています。");
  }
  if (h.recordLength < LasMinimumRecordLength(h.pointFormat)) {
    return Refused("点の記録の長さ (" + std::to_string(h.recordLength) + ") が点の形式 " +
                   std::to_string(h.pointFormat) + " の記録より短いです。");
  }
  const std::uint64_t legacy = At<std::uint32_t>(head, 107);
  h.pointCount = legacy;
  if (h.versionMinor == 4) {
    h.pointCount = At<std::uint64_t>(head, 247);
    // The 32-bit count is 0 when the true count does not fit in it, or in the
    // point formats 6..10; any other value must agree.
    if (legacy != 0 && legacy != h.pointCount) {
      return Refused("ヘッダーの二つの点の数 (" + std::to_string(legacy) + " と " + std::to_string(h.pointCount) +
                     ") が食い違っています。");
    }
  }
  // Checked by division: count * length could overflow.
  if (h.pointCount > (fileSize - h.pointOffset) / h.recordLength) {
    return Refused("ヘッダーの点の数 (" + std::to_string(h.pointCount) + ") がファイルの大きさに合いません。");
  }
  for (int axis = 0; axis < 3; ++axis) {
    h.scale[axis] = At<double>(head, 131 + 8 * static_cast<std::size_t>(axis));
    h.offset[axis] = At<double>(head, 155 + 8 * static_cast<std::size_t>(axis));
    if (!std::isfinite(h.scale[axis]) || h.scale[axis] == 0 || !std::isfinite(h.offset[axis])) {
      return Refused("ヘッダーの座標の倍率か原点が数ではないか 0 です。");
    }
  }
  return LasHeaderRead{h, {}, false};
}

}  // namespace plotvane

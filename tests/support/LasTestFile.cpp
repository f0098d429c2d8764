#include "support/LasTestFile.h"

namespace plotvane::test {

std::string LasBytes(const LasTestFile& f) {
  static constexpr int kLengths[] = {20, 28, 26, 34, 57, 63, 30, 36, 38, 59, 67};
  const std::uint16_t headerSize = f.versionMinor == 2 ? 227 : f.versionMinor == 3 ? 235 : 375;
  const auto length = static_cast<std::uint16_t>(f.recordLength > 0 ? f.recordLength : kLengths[f.pointFormat]);
  std::string bytes(headerSize + f.variableRecordBytes, '\0');
  bytes.replace(0, 4, "LASF");
  bytes[24] = 1;
  bytes[25] = static_cast<char>(f.versionMinor);
  Poke(bytes, kLasHeaderSizeAt, headerSize);
  Poke(bytes, kLasPointOffsetAt, static_cast<std::uint32_t>(headerSize + f.variableRecordBytes));
  Poke(bytes, kLasFormatAt, static_cast<std::uint8_t>(f.pointFormat));
  Poke(bytes, kLasRecordLengthAt, length);
  const auto count = static_cast<std::uint32_t>(f.raw.size());
  // The formats of 1.4 leave the 32-bit count at 0.
  Poke(bytes, kLasLegacyCountAt, f.pointFormat >= 6 ? std::uint32_t{0} : count);
  for (std::size_t axis = 0; axis < 3; ++axis) {
    Poke(bytes, kLasScaleAt + 8 * axis, f.scale[axis]);
    Poke(bytes, kLasScaleAt + 24 + 8 * axis, f.offset[axis]);
  }
  if (f.versionMinor == 4) Poke(bytes, kLasCountAt, std::uint64_t{count});
  const std::size_t classAt = f.pointFormat <= 5 ? 15 : 16;
  for (std::size_t i = 0; i < f.raw.size(); ++i) {
    std::string record(length, '\0');
    for (std::size_t axis = 0; axis < 3; ++axis) Poke(record, 4 * axis, f.raw[i][axis]);
    Poke(record, 12, std::uint16_t{500});  // intensity
    record[14] = 0x11;                     // first of one return
    record[classAt] = static_cast<char>(f.classes.empty() ? 1 : f.classes[i]);
    bytes += record;
  }
  return bytes;
}

}  // namespace plotvane::test

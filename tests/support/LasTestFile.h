#pragma once
// LAS files made in the tests, laid out from the format's public description
// (header block of 1.2, 1.3 or 1.4, then the point records), so that the
// reader is checked against a writer of our own and no sample file.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace plotvane::test {

struct LasTestFile {
  int versionMinor = 2;
  int pointFormat = 1;
  int recordLength = 0;  // 0: the format's own length
  std::array<double, 3> scale{0.01, 0.01, 0.01};
  std::array<double, 3> offset{0, 0, 0};
  std::uint32_t variableRecordBytes = 0;         // bytes between the header and the points
  std::vector<std::array<std::int32_t, 3>> raw;  // X, Y, Z as stored
  std::vector<std::uint8_t> classes;             // one per point, or empty (all 1)
};

// The file's bytes.
std::string LasBytes(const LasTestFile& file);

// Offsets of header fields a test may overwrite to make the header lie.
inline constexpr std::size_t kLasVersionMinorAt = 25;
inline constexpr std::size_t kLasHeaderSizeAt = 94;
inline constexpr std::size_t kLasPointOffsetAt = 96;
inline constexpr std::size_t kLasFormatAt = 104;
inline constexpr std::size_t kLasRecordLengthAt = 105;
inline constexpr std::size_t kLasLegacyCountAt = 107;
inline constexpr std::size_t kLasScaleAt = 131;
inline constexpr std::size_t kLasCountAt = 247;  // 1.4 only

// Overwrites the value at offset with the bytes of v (little-endian host).
template <typename T>
void Poke(std::string& bytes, std::size_t offset, T v) {
  for (std::size_t i = 0; i < sizeof v; ++i) bytes[offset + i] = reinterpret_cast<const char*>(&v)[i];
}

}  // namespace plotvane::test

#pragma once
// The public header block of a LAS file (versions 1.2 to 1.4), read and
// checked before a single point is: a header that lies about its counts or
// offsets is refused here, so that nothing is allocated or read on its word.
//
// The layout is the fixed little-endian block of the format's public
// description; only the fields the points need are kept. The reader is our
// own: a LAS file is a fixed binary layout of a few dozen fields, and the
// libraries that read it pull in a large stack for compression and
// projections that a contour map does not need.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plotvane {

struct LasHeader {
  int versionMinor = 2;  // 2, 3 or 4 (major is 1)
  int pointFormat = 0;   // 0..10
  std::uint32_t headerSize = 0;
  std::uint32_t pointOffset = 0;   // where the first point record starts
  std::uint16_t recordLength = 0;  // bytes per point record, at least the format's own
  std::uint64_t pointCount = 0;    // point records in the file
  double scale[3] = {1, 1, 1};     // X, Y, Z: value = integer * scale + offset
  double offset[3] = {0, 0, 0};
};

// The bytes of the header block that must be at hand to read it: the 1.4
// block is the longest.
inline constexpr std::size_t kLasHeaderBytes = 375;

// Reads the header from the file's first bytes (at most kLasHeaderBytes;
// fewer when the file is shorter) and checks it against fileSize, the file's
// length. The header, or the reason it is refused, in Japanese.
struct LasHeaderRead {
  std::optional<LasHeader> header;
  std::string error;        // set when header is empty
  bool compressed = false;  // a compressed (LAZ) file: the error asks for a conversion
};
LasHeaderRead ReadLasHeader(std::string_view head, std::uint64_t fileSize);

// The refusal of a compressed (LAZ) file, by its name or its header.
std::string LazRefusalText();

// The smallest record of each point format, 0..10.
int LasMinimumRecordLength(int pointFormat);

}  // namespace plotvane

#pragma once
// Reading a data file from bytes written to a temporary folder, as the load
// road does: the settings are reset first.

#include <array>
#include <string>
#include <string_view>

#include "data/DataFileReader.h"
#include "data/Document.h"
#include "support/TempDir.h"

namespace plotvane::test {

struct ReadOutcome {
  ReadStatus status;
  Document doc;
};

// Writes bytes to a file called name and reads it with the given skip settings.
ReadOutcome ReadBytesAsFile(std::string_view name, std::string_view bytes, int skipLines = 0,
                            std::string_view skipPrefixes = {});

// The point i (1-based) of the document as {x, y, z}.
std::array<double, 3> PointAt(const Document& doc, int i);

}  // namespace plotvane::test

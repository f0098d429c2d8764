#pragma once
// The first lines of a text data file as the skip settings will read them:
// each line with the part it plays, so that the skip dialog can show what a
// count and prefixes do before the load runs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plotvane {

enum class PreviewRole {
  Skipped,  // left out: within the count, empty, or begun by a prefix
  Header,   // the first line read: the column names
  Data,     // a data line
};

struct PreviewLine {
  std::int64_t number = 0;  // the physical line, from 1
  std::string text;
  PreviewRole role = PreviewRole::Skipped;
};

// The first `count` lines of text (decoded) with their roles under skipLines
// and skipPrefixes, by the rules the load itself applies (DataFileLines.h).
std::vector<PreviewLine> PreviewDataLines(std::string_view text, int skipLines, std::string_view skipPrefixes,
                                          int count);

}  // namespace plotvane

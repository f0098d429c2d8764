#pragma once
// The first phase of reading a data file: which lines count, and how each is
// cut into fields. Nothing here touches the point set.
//
// Rules, in the order they apply:
// - Physical lines are numbered from 1, blank ones included (line ends as in
//   TextLines.h). A line is accepted when it is not empty, its number is above
//   skipLines, and no skip token begins it once its leading and trailing
//   spaces are removed (case-sensitive). A line of spaces only is not empty:
//   it is accepted, and as a data line it is invalid data.
// - The separator is chosen once, from the first accepted line without its
//   outer spaces: tab if it holds one, else comma, else space, else tab.
// - A line is cut by taking it without its outer spaces; while the rest holds
//   the separator, the text before the first one is the next field and the
//   text after it, outer spaces removed, is the new rest; the final rest is the
//   last field. So runs of spaces act as one separator on a space-separated
//   line, while two adjacent tabs give an empty field. Only the space
//   character is trimmed, never a tab.
// - A field a line does not have is empty text, the same as an empty field.
// - Limits (common/Capacity.h): 100 skip tokens, 100000 accepted lines, 100
//   fields per line; one more is a failure of the whole read.
//
// Only three fields of a line are ever interpreted, so only they are kept
// (the first three unless a column choice names others); the others are
// counted for the field limit and dropped.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plotvane {

// The three kept fields of one accepted line (index 0..2), views into the text.
using LineFields = std::array<std::string_view, 3>;
// The field numbers (1-based) kept as fields 1, 2 and 3.
using FieldChoice = std::array<std::int32_t, 3>;
inline constexpr FieldChoice kFirstThreeFields{1, 2, 3};

struct AcceptedLines {
  char separator = '\t';
  std::vector<LineFields> lines;      // accepted line i is lines[i - 1]
  std::vector<std::int64_t> numbers;  // its physical line number, for messages
  std::string refusal;                // why the lines were refused, when they were

  int count() const { return static_cast<int>(lines.size()); }
  // Field f (1..3) of accepted line i (1-based); empty when the file has no
  // such line.
  std::string_view field(int i, int f) const {
    return i >= 1 && i <= count() ? lines[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(f - 1)]
                                  : std::string_view{};
  }
};

// The skip tokens of skipPrefixes: separated by runs of spaces, outer spaces
// ignored. Views into skipPrefixes; nullopt when there are more than 100.
std::optional<std::vector<std::string_view>> ParseSkipTokens(std::string_view skipPrefixes);

// The separator for a file whose first accepted line is line.
char ChooseSeparator(std::string_view line);

// Cuts line by separator, puts the fields `choice` names into first (missing
// ones empty) and returns its number of fields, counting no further than one
// past the limit.
int CutFields(std::string_view line, char separator, LineFields& first, const FieldChoice& choice = kFirstThreeFields);

// Filters the lines of text and cuts the accepted ones into out. False when a
// limit is exceeded (too many accepted lines or fields); out is then
// incomplete. The views in out point into text.
bool CollectAcceptedLines(std::string_view text, int skipLines, const std::vector<std::string_view>& skipTokens,
                          AcceptedLines& out, const FieldChoice& choice = kFirstThreeFields);

}  // namespace plotvane

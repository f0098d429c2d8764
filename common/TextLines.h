#pragma once
// Lines of a text: a line ends at CR LF, at a CR alone or at an LF alone, so
// files from Windows, from Unix editors and from old Macintosh programs all
// read the same. A text that ends with a line end has no empty line after it.

#include <cstddef>
#include <string_view>

namespace plotvane {

// The position just past the line end that starts at pos (CR LF counts as
// one), or pos itself when no line end starts there.
std::size_t SkipLineEnd(std::string_view text, std::size_t pos);

// Walks a text line by line; the lines are views into the text, without their
// line ends.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : m_text(text) {}
  // Sets line to the next line and returns true, or returns false at the end.
  bool next(std::string_view& line);

 private:
  std::string_view m_text;
  std::size_t m_pos = 0;
};

}  // namespace plotvane

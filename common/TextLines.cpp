// Line ends CR LF, CR and LF. See TextLines.h.

#include "common/TextLines.h"

namespace plotvane {

std::size_t SkipLineEnd(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return pos;
  if (text[pos] == '\r') return pos + 1 < text.size() && text[pos + 1] == '\n' ? pos + 2 : pos + 1;
  if (text[pos] == '\n') return pos + 1;
  return pos;
}

bool LineCursor::next(std::string_view& line) {
  if (m_pos >= m_text.size()) return false;
  std::size_t end = m_pos;
  while (end < m_text.size() && m_text[end] != '\r' && m_text[end] != '\n') ++end;
  line = m_text.substr(m_pos, end - m_pos);
  m_pos = SkipLineEnd(m_text, end);
  return true;
}

}  // namespace plotvane

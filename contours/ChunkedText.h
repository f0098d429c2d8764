#pragma once
// Text built in chunks and handed to the safe writer as each fills up, so
// that a file of tens of megabytes is never held whole in memory.

#include <string>

#include "common/SafeFile.h"

namespace plotvane {

class ChunkedText {
 public:
  explicit ChunkedText(SafeFileWriter& writer) : m_writer(writer) { m_text.reserve(kChunk + 256); }
  ~ChunkedText() { flush(); }
  ChunkedText(const ChunkedText&) = delete;
  ChunkedText& operator=(const ChunkedText&) = delete;

  // The text to append to; call spill() after each small record.
  std::string& text() { return m_text; }
  void spill() {
    if (m_text.size() >= kChunk) flush();
  }
  void flush() {
    m_writer.write(m_text);
    m_text.clear();
  }

 private:
  static constexpr std::size_t kChunk = 1 << 16;
  SafeFileWriter& m_writer;
  std::string m_text;
};

}  // namespace plotvane

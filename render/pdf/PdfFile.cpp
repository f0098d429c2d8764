// PDF objects, cross references and deflated streams. See PdfFile.h.

#include "render/pdf/PdfFile.h"

// Input is never written to; declares next_in const.
#define ZLIB_CONST
#include <zlib.h>

#include <cassert>
#include <cstdio>

namespace plotvane::pdf {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// The fastest level: a page's content is a few repeated operators and
// numbers, which the fastest level already compresses well, and the
// content of a map of many pieces is large enough that a slower level would
// double the time of writing the file.
constexpr int kLevel = Z_BEST_SPEED;

}  // namespace

PdfFile::PdfFile(const ByteOutput& output) : m_output(output) {
  // The comment's bytes above 127 tell transfer programs the file is binary.
  write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int PdfFile::reserve() {
  m_offsets.push_back(0);
  return static_cast<int>(m_offsets.size());
}

void PdfFile::begin(int object) {
  assert(object >= 1 && static_cast<std::size_t>(object) <= m_offsets.size() && "a reserved object");
  m_offsets[static_cast<std::size_t>(object) - 1] = m_flushed + m_buffer.size();
  write(std::to_string(object) + " 0 obj\n");
}

void PdfFile::end() { write("\nendobj\n"); }

void PdfFile::write(std::string_view bytes) {
  m_buffer += bytes;
  if (m_buffer.size() >= kChunk) flush();
}

void PdfFile::flush() {
  if (m_buffer.empty()) return;
  m_output(m_buffer);
  m_flushed += m_buffer.size();
  m_buffer.clear();
}

std::string Deflate(std::string_view data) {
  std::string packed(compressBound(static_cast<uLong>(data.size())), '\0');
  uLongf size = static_cast<uLongf>(packed.size());
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
            static_cast<uLong>(data.size()), kLevel);
  packed.resize(size);
  return packed;
}

void PdfFile::writeStream(int object, std::string_view dictionary, std::string_view data) {
  writeDeflated(object, dictionary, Deflate(data));
}

void PdfFile::writeDeflated(int object, std::string_view dictionary, std::string_view packed) {
  begin(object);
  write("<<");
  write(dictionary);
  write(" /Filter /FlateDecode /Length " + std::to_string(packed.size()) + ">>\nstream\n");
  write(packed);
  write("\nendstream");
  end();
}

void PdfFile::finish(int root) {
  const std::uint64_t xref = m_flushed + m_buffer.size();
  write("xref\n0 " + std::to_string(m_offsets.size() + 1) + "\n0000000000 65535 f \n");
  char entry[24];
  for (const std::uint64_t offset : m_offsets) {
    std::snprintf(entry, sizeof entry, "%010llu 00000 n \n", static_cast<unsigned long long>(offset));
    write(entry);
  }
  write("trailer\n<</Size " + std::to_string(m_offsets.size() + 1) + " /Root " + std::to_string(root) +
        " 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");
  flush();
}

}  // namespace plotvane::pdf

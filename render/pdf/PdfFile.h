#pragma once
// The body of a PDF file: numbered objects written one after another, each
// offset kept for the cross-reference table, and deflated streams. Bytes
// reach the output in pieces of about 64 KiB.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plotvane::pdf {

using ByteOutput = std::function<void(std::string_view)>;

class PdfFile {
 public:
  // Writes the header.
  explicit PdfFile(const ByteOutput& output);

  // A new object number (from 1), to refer to before the object is written.
  int reserve();
  // Starts object n ("n 0 obj"); end() closes it.
  void begin(int object);
  void end();
  void write(std::string_view bytes);
  // A whole stream object: the dictionary entries (without /Length) and the
  // data, deflated.
  void writeStream(int object, std::string_view dictionary, std::string_view data);
  // The same with data already deflated.
  void writeDeflated(int object, std::string_view dictionary, std::string_view packed);
  // The cross-reference table and the trailer of the catalog root; hands
  // over everything left.
  void finish(int root);

 private:
  void flush();

  ByteOutput m_output;
  std::string m_buffer;
  std::uint64_t m_flushed = 0;           // bytes handed over before m_buffer
  std::vector<std::uint64_t> m_offsets;  // of object n at n - 1
};

// The data deflated whole (zlib format, as FlateDecode reads it).
std::string Deflate(std::string_view data);

}  // namespace plotvane::pdf

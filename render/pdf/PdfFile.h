#pragma once
// The body of a PDF file: numbered objects written one after another, each
// offset kept for the cross-reference table, and streams deflated piece by
// piece as they are written, so that a page of any size costs a fixed
// amount of memory. Bytes reach the output in pieces of about 64 KiB.

#include <cstdint>
#include <functional>
#include <memory>
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
  // The cross-reference table and the trailer of the catalog root; hands
  // over everything left.
  void finish(int root);

 private:
  void flush();

  const ByteOutput& m_output;
  std::string m_buffer;
  std::uint64_t m_flushed = 0;           // bytes handed over before m_buffer
  std::vector<std::uint64_t> m_offsets;  // of object n at n - 1
};

// A stream's data deflated into the file as it comes. Start it after the
// stream's dictionary and "stream" line; finish() returns the bytes written,
// for the /Length the dictionary refers to. Nothing else may be written to
// the file in between.
//
// Deflating takes longer than making a map's content, so a worker thread
// deflates while the caller goes on making it: pieces wait in a queue of a
// few, which keeps the memory fixed and makes the caller wait when the
// worker falls behind. The file's bytes are the same as deflating in line.
class DeflateStream {
 public:
  explicit DeflateStream(PdfFile& file);
  ~DeflateStream();
  DeflateStream(const DeflateStream&) = delete;
  DeflateStream& operator=(const DeflateStream&) = delete;

  // Takes the bytes (leaving the string empty).
  void write(std::string& bytes);
  std::uint64_t finish();

 private:
  struct State;
  void work();
  void joinWorker();
  void pump(std::string_view input, int flush);

  PdfFile& m_file;
  std::unique_ptr<State> m_state;
  std::uint64_t m_written = 0;
};

}  // namespace plotvane::pdf

#pragma once
// Writing a file so that a failure never destroys what was there before.
//
// The text goes to a new temporary file beside the target, created with the
// user's permissions only; commit() flushes it to disk and renames it over the
// target in one step. Until then the target is untouched, and a writer that is
// destroyed without a successful commit removes its temporary file. Nothing is
// ever written outside the target's own folder.

#include <string>
#include <string_view>

namespace plotvane {

class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string path);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Creates the temporary file; false (with error()) when it cannot.
  bool open();
  // Appends text; failures are remembered and reported by commit().
  void write(std::string_view text);
  // Flushes, syncs and renames over the target; false (with error()) on any
  // failure, in which case the target is as it was.
  bool commit();

  const std::string& error() const { return m_error; }

 private:
  bool flushBuffer();
  void discard();
  void fail(std::string_view what);

  std::string m_path;
  std::string m_tempPath;
  std::string m_buffer;
  std::string m_error;
  int m_fd = -1;
};

// Writes the whole text at once through a SafeFileWriter; returns the error
// message, empty on success.
std::string WriteFileSafely(const std::string& path, std::string_view text);

}  // namespace plotvane

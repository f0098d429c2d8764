#pragma once
// Reading a file front to back in pieces, for the formats whose files can be
// far larger than the point set they give (a laser scan of ten million points
// thinned to a hundred thousand): such a file is never held whole.
//
// A file source opens only regular files, as ReadFileBytes does (a FIFO or a
// device behind the name is refused at once, a folder too); a memory source
// serves the same reader from bytes in memory (tests, fuzzing).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/FileBytes.h"

namespace plotvane {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to count bytes into `into`, fewer only at the end (0 there);
  // nullopt on a read error, with the reason in error().
  virtual std::optional<std::size_t> read(char* into, std::size_t count) = 0;
  // The size when the source was opened: what the file says it holds.
  virtual std::uint64_t size() const = 0;
  const FileReadError& error() const { return m_error; }

 protected:
  FileReadError m_error;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
  std::optional<std::size_t> read(char* into, std::size_t count) override;
  std::uint64_t size() const override { return m_bytes.size(); }

 private:
  std::string_view m_bytes;
  std::size_t m_pos = 0;
};

class FileSource final : public ByteSource {
 public:
  // The regular file at path, or null with the reason in error.
  static std::unique_ptr<FileSource> open(const std::string& path, FileReadError& error);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  std::optional<std::size_t> read(char* into, std::size_t count) override;
  std::uint64_t size() const override { return m_size; }

 private:
  FileSource(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}
  int m_fd;
  std::uint64_t m_size;
};

// Reads exactly count bytes unless the source ends first; the number read,
// or nullopt on a read error.
std::optional<std::size_t> ReadFully(ByteSource& source, char* into, std::size_t count);

}  // namespace plotvane

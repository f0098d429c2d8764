// ReadFileBytes: one open, one fstat, reads until end of file. See FileBytes.h.

#include "common/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>

namespace plotvane {
namespace {

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }

 private:
  int m_fd;
};

constexpr std::size_t kChunk = 1 << 16;

// Records why the read failed and gives the failed result.
std::optional<std::string> Failed(FileReadError* error, FileReadError::Kind kind, int systemError = 0) {
  if (error) *error = FileReadError{kind, systemError};
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes, Oversize oversize,
                                         FileReadError* error) {
  using Kind = FileReadError::Kind;
  if (error) *error = {};
  // O_NONBLOCK: opening a FIFO must not wait for a writer that never comes.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) return Failed(error, Kind::System, errno);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return Failed(error, Kind::System, errno);
  if (S_ISDIR(st.st_mode)) return Failed(error, Kind::Folder);
  if (!S_ISREG(st.st_mode)) return Failed(error, Kind::NotRegularFile);
  const bool keepHead = oversize == Oversize::KeepHead;
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes && !keepHead) return Failed(error, Kind::TooLarge);
  if (::fcntl(file.get(), F_SETFL, O_RDONLY) != 0) return Failed(error, Kind::System, errno);
  try {
    std::string bytes;
    // The size is a hint only: the file may grow or shrink while we read.
    const auto size = static_cast<std::uintmax_t>(st.st_size);
    bytes.resize(size > 0 ? static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)) + 1 : kChunk);
    std::size_t used = 0;
    for (;;) {
      if (used > maxBytes) {  // longer than the bound (or grew past it while read)
        if (!keepHead) return Failed(error, Kind::TooLarge);
        used = maxBytes;
        break;
      }
      if (used == bytes.size()) bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
      const ssize_t n = ::read(file.get(), bytes.data() + used, bytes.size() - used);
      if (n < 0) {
        if (errno == EINTR) continue;
        return Failed(error, Kind::System, errno);
      }
      if (n == 0) break;
      used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    return bytes;
  } catch (const std::bad_alloc&) {
    return Failed(error, Kind::OutOfMemory);
  }
}

}  // namespace plotvane

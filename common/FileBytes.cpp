// ReadFileBytes: one open, one fstat, reads until end of file. See FileBytes.h.

#include "common/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
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

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  try {
    std::string bytes;
    // The size is a hint only: the file may grow or shrink while we read, and
    // pipes or special files report 0.
    bytes.resize(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : kChunk);
    std::size_t used = 0;
    for (;;) {
      if (used == bytes.size()) bytes.resize(bytes.size() * 2);
      const ssize_t n = ::read(file.get(), bytes.data() + used, bytes.size() - used);
      if (n < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (n == 0) break;
      used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    return bytes;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace plotvane

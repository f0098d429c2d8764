// Memory and file sources. See ByteSource.h.

#include "common/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace plotvane {

std::optional<std::size_t> MemorySource::read(char* into, std::size_t count) {
  const std::size_t n = std::min(count, m_bytes.size() - m_pos);
  if (n > 0) std::memcpy(into, m_bytes.data() + m_pos, n);
  m_pos += n;
  return n;
}

std::unique_ptr<FileSource> FileSource::open(const std::string& path, FileReadError& error) {
  using Kind = FileReadError::Kind;
  error = {};
  // O_NONBLOCK: opening a FIFO must not wait for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = {Kind::System, errno};
    return nullptr;
  }
  struct stat st {};
  Kind refused = Kind::None;
  int systemError = 0;
  if (::fstat(fd, &st) != 0) {
    refused = Kind::System;
    systemError = errno;
  } else if (S_ISDIR(st.st_mode)) {
    refused = Kind::Folder;
  } else if (!S_ISREG(st.st_mode)) {
    refused = Kind::NotRegularFile;
  } else if (::fcntl(fd, F_SETFL, O_RDONLY) != 0) {
    refused = Kind::System;
    systemError = errno;
  }
  if (refused != Kind::None) {
    ::close(fd);
    error = {refused, systemError};
    return nullptr;
  }
  return std::unique_ptr<FileSource>(new FileSource(fd, static_cast<std::uint64_t>(st.st_size)));
}

FileSource::~FileSource() { ::close(m_fd); }

std::optional<std::size_t> FileSource::read(char* into, std::size_t count) {
  for (;;) {
    const ssize_t n = ::read(m_fd, into, count);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno == EINTR) continue;
    m_error = {FileReadError::Kind::System, errno};
    return std::nullopt;
  }
}

std::optional<std::size_t> ReadFully(ByteSource& source, char* into, std::size_t count) {
  std::size_t used = 0;
  while (used < count) {
    const std::optional<std::size_t> n = source.read(into + used, count - used);
    if (!n) return std::nullopt;
    if (*n == 0) break;
    used += *n;
  }
  return used;
}

}  // namespace plotvane

// SafeFileWriter: temporary file, fsync, rename. See SafeFile.h.

#include "common/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <vector>

#include "common/ErrorDetails.h"

namespace plotvane {
namespace {

constexpr std::size_t kFlushThreshold = 1 << 16;

std::string Directory(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mkstemp pattern of the temporary file: "." + the target's name +
// ".XXXXXX" in the target's folder. A target name near the file system's
// limit leaves no room for those eight characters, so the name is shortened
// (never inside a UTF-8 character) instead of making every save fail.
std::string TemporaryPattern(const std::string& path) {
  std::string base = BaseName(path);
  constexpr std::size_t kRoom = NAME_MAX - 8;
  if (base.size() > kRoom) {
    std::size_t cut = kRoom;
    while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
    base.resize(cut);
  }
  return Directory(path) + "/." + base + ".XXXXXX";
}

// The mode a new file gets from the umask, or the existing target's own.
mode_t TargetMode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string path) : m_path(std::move(path)) {}

SafeFileWriter::~SafeFileWriter() { discard(); }

void SafeFileWriter::fail(std::string_view what) {
  if (m_error.empty()) m_error = details::CannotWriteText(what, errno);
}

bool SafeFileWriter::open() {
  if (m_path.empty()) {
    m_error = "ファイル名がありません。";
    return false;
  }
  struct stat st {};
  if (::stat(m_path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    m_error = details::CannotWriteText(m_path, details::SystemErrorText(EISDIR));
    return false;
  }
  const std::string pattern = TemporaryPattern(m_path);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  m_fd = ::mkstemp(name.data());  // mode 0600 until commit
  if (m_fd < 0) {
    fail(m_path);
    return false;
  }
  m_tempPath.assign(name.data());
  return true;
}

void SafeFileWriter::write(std::string_view text) {
  if (m_fd < 0 || !m_error.empty()) return;
  m_buffer.append(text);
  if (m_buffer.size() >= kFlushThreshold) flushBuffer();
}

bool SafeFileWriter::flushBuffer() {
  std::size_t done = 0;
  while (done < m_buffer.size()) {
    const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(m_path);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  m_buffer.clear();
  return true;
}

bool SafeFileWriter::commit() {
  if (m_fd < 0) {
    if (m_error.empty()) m_error = details::CannotWriteText(m_path, "ファイルが開かれていません。");
    return false;
  }
  if (m_error.empty() && flushBuffer()) {
    if (::fchmod(m_fd, TargetMode(m_path)) != 0 || ::fdatasync(m_fd) != 0) fail(m_path);
  }
  if (::close(m_fd) != 0) fail(m_path);
  m_fd = -1;
  if (m_error.empty() && ::rename(m_tempPath.c_str(), m_path.c_str()) != 0) fail(m_path);
  if (!m_error.empty()) {
    discard();
    return false;
  }
  m_tempPath.clear();
  return true;
}

void SafeFileWriter::discard() {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (!m_tempPath.empty()) {
    ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
  }
}

std::string WriteFileSafely(const std::string& path, std::string_view text) {
  SafeFileWriter writer(path);
  if (!writer.open()) return writer.error();
  writer.write(text);
  if (!writer.commit()) return writer.error();
  return {};
}

}  // namespace plotvane

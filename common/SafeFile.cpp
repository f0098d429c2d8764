// SafeFileWriter: target policy, temporary file, fsync, rename. See SafeFile.h.

#include "common/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "common/FreeSpace.h"
#include "common/SaveTarget.h"
#include "common/TemporaryFileCleanup.h"

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

}  // namespace

SafeFileWriter::SafeFileWriter(std::string path, Durability durability)
    : m_path(std::move(path)), m_durability(durability) {}

SafeFileWriter::SafeFileWriter(int fd, std::string name) : m_path(std::move(name)), m_fd(fd), m_streaming(true) {}

SafeFileWriter::~SafeFileWriter() { discard(); }

void SafeFileWriter::fail(SaveErrorKind kind) {
  if (m_kind == SaveErrorKind::None) m_kind = kind;
}

void SafeFileWriter::failWithErrno() { fail(SaveErrorKindOf(errno)); }

bool SafeFileWriter::open() {
  if (m_streaming) return !failed();
  m_target = ResolveSaveTarget(m_path);
  if (m_target.refusal != SaveErrorKind::None) {
    fail(m_target.refusal);
    return false;
  }
  TemporaryFile temporary = CreateTemporaryFile(TemporaryPattern(m_target.path));  // mode 0600 until commit
  if (temporary.fd < 0) {
    // ENOSPC on creating a file, with bytes to spare, is a full inode table.
    const int error = errno;
    const auto space = error == ENOSPC ? FreeSpaceBeside(m_target.path) : std::nullopt;
    fail(space && space->countsFiles && space->files == 0 && space->bytes > 0 ? SaveErrorKind::NoInodes
                                                                              : SaveErrorKindOf(error));
    return false;
  }
  m_fd = temporary.fd;
  m_tempPath = std::move(temporary.path);
  m_tempSlot = temporary.slot;
  return true;
}

void SafeFileWriter::write(std::string_view bytes) {
  if (m_fd < 0 || failed()) return;
  m_buffer.append(bytes);
  if (m_buffer.size() >= kFlushThreshold) flushBuffer();
}

bool SafeFileWriter::flushBuffer() {
  std::size_t done = 0;
  while (done < m_buffer.size()) {
    const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      failWithErrno();
      m_buffer.clear();
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  m_buffer.clear();
  return true;
}

bool SafeFileWriter::commit() {
  if (m_fd < 0) {
    fail(SaveErrorKind::Other);
    return false;
  }
  if (m_streaming) {
    if (!failed()) flushBuffer();
    m_fd = -1;
    return !failed();
  }
  if (!failed() && flushBuffer()) {
    keepOwner();
    // After the owner: a change of owner clears the set-user and set-group
    // bits, which the target's mode may have.
    if (!failed() && ::fchmod(m_fd, m_target.mode) != 0) failWithErrno();
    if (m_durability == Durability::Synced && !failed() && ::fdatasync(m_fd) != 0) failWithErrno();
  }
  if (::close(m_fd) != 0) failWithErrno();
  m_fd = -1;
  if (!failed() && ::rename(m_tempPath.c_str(), m_target.path.c_str()) != 0) failWithErrno();
  if (failed()) {
    discard();
    return false;
  }
  ForgetTemporaryFile(m_tempSlot);
  m_tempSlot = -1;
  m_tempPath.clear();
  return true;
}

// Only root may give a file away; another user may still give it the
// target's group when a member of it. What the process may not do leaves the
// replacement the user's own, as any new file of theirs would be.
void SafeFileWriter::keepOwner() {
  if (m_target.owner == static_cast<uid_t>(-1)) return;
  if (::fchown(m_fd, m_target.owner, m_target.group) == 0) return;
  if (errno == EPERM && ::fchown(m_fd, static_cast<uid_t>(-1), m_target.group) == 0) return;
  // EINVAL: an owner that has no number in this user namespace.
  if (errno != EPERM && errno != EINVAL) failWithErrno();
}

void SafeFileWriter::discard() {
  if (m_streaming) return;
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (!m_tempPath.empty()) {
    ::unlink(m_tempPath.c_str());
    ForgetTemporaryFile(m_tempSlot);
    m_tempSlot = -1;
    m_tempPath.clear();
  }
}

WriteOutcome WriteFileSafely(const std::string& path, const std::function<void(SafeFileWriter&)>& write,
                             Durability durability) {
  SafeFileWriter writer(path, durability);
  if (!writer.open()) return writer.failure();
  write(writer);
  if (!writer.commit()) return writer.failure();
  return std::nullopt;
}

WriteOutcome WriteFileSafely(const std::string& path, std::string_view text) {
  return WriteFileSafely(path, [text](SafeFileWriter& writer) { writer.write(text); });
}

}  // namespace plotvane

#include "app/TempPageFile.h"

#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <utility>

namespace plotvane::app {
namespace {

constexpr int kNameCount = 10000;
constexpr mode_t kPrivateMode = 0600;
constexpr char kLockSuffix[] = ".lock";

std::string PageFileName(const std::string& folder, int i) {
  char name[16];
  std::snprintf(name, sizeof name, "temp%04d.emf", i);
  return (folder.back() == '/' ? folder : folder + '/') + name;
}

// Whether name is "temp" + four digits + ".emf.lock".
bool IsLockName(const char* name) {
  if (std::strlen(name) != 17 || std::strncmp(name, "temp", 4) != 0) return false;
  for (int i = 4; i < 8; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return std::strcmp(name + 8, ".emf.lock") == 0;
}

// Empties an existing page file of ours; false for anything else.
bool ReuseOwnFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool ours = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
  const bool emptied = ours && ::ftruncate(fd, 0) == 0 && ::fchmod(fd, kPrivateMode) == 0;
  ::close(fd);
  return emptied;
}

int RandomIndexFromClock() {
  std::mt19937 generator(
      static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
  const double r = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
  return static_cast<int>(r * kNameCount) % kNameCount;
}

// The locked descriptor of path's lock file, or -1.
int TakeLock(const std::string& pagePath) {
  const std::string lockPath = pagePath + kLockSuffix;
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kPrivateMode);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Removes the page file of a lock that nobody holds, and the lock.
void RemoveIfAbandoned(const std::string& folder, const char* lockName) {
  const std::string lockPath = (folder.back() == '/' ? folder : folder + '/') + lockName;
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  struct stat held {
  }, named{};
  // The lock must still be the file under that name: another program may
  // have removed and remade it since the folder was read.
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && ::lstat(lockPath.c_str(), &named) == 0 &&
      held.st_ino == named.st_ino && held.st_dev == named.st_dev && held.st_uid == ::geteuid()) {
    const std::string pagePath = lockPath.substr(0, lockPath.size() - std::strlen(kLockSuffix));
    ::unlink(pagePath.c_str());
    ::unlink(lockPath.c_str());
  }
  ::close(fd);
}

void RemoveLeftovers(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (IsLockName(entry->d_name)) RemoveIfAbandoned(folder, entry->d_name);
  }
  ::closedir(dir);
}

std::string CreatePageFileName(const std::string& folder) {
  for (int i = 0; i < kNameCount; ++i) {
    const std::string path = PageFileName(folder, i);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateMode);
    if (fd >= 0) {
      // The umask may only have taken bits away; make the mode exact.
      ::fchmod(fd, kPrivateMode);
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) return {};
  }
  const std::string path = PageFileName(folder, RandomIndexFromClock());
  return ReuseOwnFile(path) ? path : std::string();
}

// The folder of the running program, byte for byte.
std::string ProgramFolder() {
  std::string exe(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= exe.size()) return {};
  exe.resize(static_cast<std::size_t>(n));
  const std::size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

TempPageFile::~TempPageFile() {
  if (m_lockFd >= 0) ::close(m_lockFd);
}

TempPageFile::TempPageFile(TempPageFile&& other) noexcept
    : m_path(std::exchange(other.m_path, {})), m_lockFd(std::exchange(other.m_lockFd, -1)) {}

TempPageFile& TempPageFile::operator=(TempPageFile&& other) noexcept {
  if (this != &other) {
    if (m_lockFd >= 0) ::close(m_lockFd);
    m_path = std::exchange(other.m_path, {});
    m_lockFd = std::exchange(other.m_lockFd, -1);
  }
  return *this;
}

void TempPageFile::remove() {
  if (m_path.empty()) return;
  ::unlink(m_path.c_str());
  ::unlink((m_path + kLockSuffix).c_str());
  if (m_lockFd >= 0) ::close(m_lockFd);
  m_lockFd = -1;
  m_path.clear();
}

TempPageFile CreateTempPageFile(const std::string& folder) {
  TempPageFile file;
  if (folder.empty()) return file;
  RemoveLeftovers(folder);
  std::string path = CreatePageFileName(folder);
  if (path.empty()) return file;
  file.m_lockFd = TakeLock(path);
  file.m_path = std::move(path);
  return file;
}

TempPageFile CreateTempPageFileIn(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    TempPageFile file = CreateTempPageFile(folder);
    if (!file.path().empty()) return file;
  }
  return {};
}

std::vector<std::string> PageFileFoldersFor(const std::string& programFolder, const char* tmpdir) {
  const std::string temporary = tmpdir != nullptr && *tmpdir != '\0' ? std::string(tmpdir) : std::string("/tmp");
  // An installed program's folder is the system's: root could write there,
  // and nobody should.
  for (const char* system : {"/usr", "/bin", "/sbin", "/opt", "/lib"}) {
    const std::string_view prefix(system);
    if (programFolder == prefix || programFolder.starts_with(std::string(prefix) + '/')) return {temporary};
  }
  return {programFolder, temporary};
}

std::vector<std::string> PageFileFolders() { return PageFileFoldersFor(ProgramFolder(), std::getenv("TMPDIR")); }

}  // namespace plotvane::app

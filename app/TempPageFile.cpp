#include "app/TempPageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>

namespace plotvane::app {
namespace {

constexpr int kNameCount = 10000;
constexpr mode_t kPrivateMode = 0600;

std::string PageFileName(const std::string& folder, int i) {
  char name[16];
  std::snprintf(name, sizeof name, "temp%04d.emf", i);
  std::string path = folder;
  if (path.empty() || path.back() != '/') path += '/';
  return path + name;
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

}  // namespace

std::string CreateTempPageFile(const std::string& folder) {
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

std::string CreateTempPageFileIn(const QStringList& folders) {
  for (const QString& folder : folders) {
    std::string path = CreateTempPageFile(QFile::encodeName(folder).toStdString());
    if (!path.empty()) return path;
  }
  return {};
}

QStringList PageFileFolders() { return {QCoreApplication::applicationDirPath(), QDir::tempPath()}; }

void DeleteTempPageFile(const std::string& path) {
  if (!path.empty()) ::unlink(path.c_str());
}

}  // namespace plotvane::app

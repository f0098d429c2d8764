// The free space beside a file. See FreeSpace.h.

#include "common/FreeSpace.h"

#include <sys/statvfs.h>

namespace plotvane {

std::optional<FreeSpace> FreeSpaceBeside(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  struct statvfs fs {};
  if (::statvfs(folder.c_str(), &fs) != 0) return std::nullopt;
  FreeSpace free;
  free.bytes = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
  free.files = fs.f_favail;
  // Btrfs and some network file systems have no inode table: they report 0 of 0.
  free.countsFiles = fs.f_files != 0;
  return free;
}

}  // namespace plotvane

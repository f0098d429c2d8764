#pragma once
// How many bytes an ordinary user may still write beside a file: the free
// space of the file system that holds its folder, and the free inodes a new
// file needs.

#include <cstdint>
#include <optional>
#include <string>

namespace plotvane {

struct FreeSpace {
  std::uint64_t bytes = 0;  // available to unprivileged users
  std::uint64_t files = 0;  // free inodes; some file systems report none at all as 0
  bool countsFiles = true;  // false where the file system keeps no inode count
};

// The free space of the folder that holds path (the path need not exist);
// nullopt when the folder cannot be asked (it does not exist, for one).
std::optional<FreeSpace> FreeSpaceBeside(const std::string& path);

}  // namespace plotvane

#pragma once
// Reading a whole file into memory at once: the readers cut lines and fields
// out of one buffer instead of allocating a string per line.

#include <optional>
#include <string>

namespace plotvane {

// The whole content of the file at path; nullopt when it cannot be opened or
// read (missing, no permission, a folder, an I/O error) or does not fit in
// memory.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace plotvane

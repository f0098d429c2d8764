#pragma once
// Reading a whole file into memory at once: the readers cut lines and fields
// out of one buffer instead of allocating a string per line.

#include <cstddef>
#include <optional>
#include <string>

#include "common/Capacity.h"

namespace plotvane {

// Why a file could not be read.
struct FileReadError {
  enum class Kind { None, System, NotRegularFile, Folder, TooLarge, OutOfMemory };
  Kind kind = Kind::None;
  int systemError = 0;  // the errno value of a System failure
};

// What a file longer than the bound gives: nothing, or its first bytes (for
// a format whose reader needs only the start, such as the view file).
enum class Oversize { Refuse, KeepHead };

// The whole content of the regular file at path; nullopt when it cannot be
// opened or read (missing, no permission, an I/O error), is not a regular
// file (a folder, a FIFO, a device such as /dev/zero: these could block or
// never end), holds more than maxBytes (unless KeepHead: then its first
// maxBytes), or does not fit in memory. A FIFO is opened without waiting for
// a writer, so the refusal is immediate. On failure, error (when given) says
// why.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = capacity::kMaxDataFileBytes,
                                         Oversize oversize = Oversize::Refuse, FileReadError* error = nullptr);

}  // namespace plotvane

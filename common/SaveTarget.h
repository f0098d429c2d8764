#pragma once
// Where a save really goes, and whether it may go there: the one policy for
// every kind of file the program writes.
//
// - A symbolic link is kept: the file it leads to (through any chain of
//   links, relative ones read from the link's own folder) gets the new
//   content, as editors do. A link to nothing creates the file it names.
// - A target that exists and is not a regular file (a folder, a device, a
//   FIFO, a socket) is refused: it is never replaced by a regular file.
// - A regular file without any write permission bit, or one this user may
//   not write, is refused: read-only means keep.
// - An existing file's permission bits are kept by the replacement; a new
//   file gets the mode the umask leaves of 0666.
// Paths are byte strings, used exactly as given.

#include <sys/types.h>

#include <string>

#include "common/SaveError.h"

namespace plotvane {

struct SaveTarget {
  std::string path;                             // the file to replace or create
  SaveErrorKind refusal = SaveErrorKind::None;  // why it may not be written
  mode_t mode = 0;                              // the mode the new file gets
};

SaveTarget ResolveSaveTarget(const std::string& path);

}  // namespace plotvane

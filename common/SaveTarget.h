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
// - A regular file with more than one name (hard links) is refused. The
//   replacement is a new file under one name, so the other names would keep
//   the old content without a word; writing into the old file instead would
//   let a stopped or failing save leave it half old, half new, and would
//   change every copy in a folder of hard-linked backups. The user saves
//   under another name, or removes the other names first.
// - An existing file's permission bits are kept by the replacement, and so
//   are its owner and group where the process may give them (a program run
//   by root saving a user's file leaves it the user's); a new file gets the
//   mode the umask leaves of 0666 and the process's owner.
// Paths are byte strings, used exactly as given.

#include <sys/types.h>

#include <string>

#include "common/SaveError.h"

namespace plotvane {

struct SaveTarget {
  std::string path;                             // the file to replace or create
  SaveErrorKind refusal = SaveErrorKind::None;  // why it may not be written
  mode_t mode = 0;                              // the mode the new file gets
  uid_t owner = static_cast<uid_t>(-1);         // an existing file's owner, else -1 (keep the process's)
  gid_t group = static_cast<gid_t>(-1);         // an existing file's group, else -1
};

SaveTarget ResolveSaveTarget(const std::string& path);

}  // namespace plotvane

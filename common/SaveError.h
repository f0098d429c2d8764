#pragma once
// Why a file could not be saved, and the message the user reads about it.
//
// Every writer reports a failed save as one of a few kinds, so that the
// window can say in Japanese what went wrong and which file it was: the
// message is the reason followed by the file's name on its own line. The
// kinds follow the system's error codes (SaveErrorKindOf) or the target
// policy of SafeFileWriter (a target that is not a regular file, is
// read-only, or has other names).

#include <string>
#include <string_view>

namespace plotvane {

enum class SaveErrorKind {
  None,        // saved
  NoSpace,     // the disk (or the user's quota, or the file size limit) is full
  Permission,  // the folder or the file may not be written by this user
  NotRegular,  // the target is a folder, a device, a FIFO or a socket
  ReadOnly,    // the target file or its file system is read-only
  NoFolder,    // the folder of the target does not exist
  HardLinked,  // the target file has other names (hard links) that would keep the old content
  NoInodes,    // the file system has bytes to spare but no room for a new file
  Other,       // anything else (the program's own failure, an I/O error)
};

// The kind of a failed system call's errno.
SaveErrorKind SaveErrorKindOf(int error);

// The Japanese reason of a kind, one sentence; empty for None.
std::string_view SaveErrorReason(SaveErrorKind kind);

// The user's message: the reason, a line break, the file's name (its bytes as
// given). Empty for None.
std::string SaveErrorMessage(SaveErrorKind kind, std::string_view path);

}  // namespace plotvane

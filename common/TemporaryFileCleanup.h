#pragma once
// Temporary files that do not outlive a process ended by a signal.
//
// The safe writer's temporary file can be hundreds of megabytes, and a name
// starting with a dot that nothing ever looks at again. When the process is
// ended by SIGTERM, SIGINT, SIGHUP or SIGPIPE while such a file exists, a
// handler removes it, puts back the default action and raises the signal
// again, so that the process still ends the way the signal says (the shell
// sees the same status as without the handler).
//
// A handler may only use a few system calls and no memory allocation, so
// the names live in a fixed table prepared before the file is written: a
// slot is claimed, the mkstemp() pattern is completed inside it, and an
// atomic state tells the handler which slots hold a file to remove. The
// ending signals are held back in the creating thread while a name is being
// made, and the handler waits a moment for a slot another thread is filling,
// so that no file exists whose name the handler cannot know. A child made by
// fork() shares the table's contents but not the files: a slot is removed
// only by the process that created it.
//
// The handlers are put only where a signal still has its default action: a
// program's own handler (the desktop program closes its window on SIGTERM)
// and an ignored signal (nohup's SIGHUP) are left as they are.

#include <string>

namespace plotvane {

struct TemporaryFile {
  int fd = -1;       // open for reading and writing, mode 0600; -1 (errno set) when none was made
  std::string path;  // the completed name
  int slot = -1;     // its entry in the table; -1 when the table was full (then a signal leaves it)
};

// Creates a new file from a mkstemp() pattern ("…XXXXXX") and records its
// name for the handler, which this installs on first use.
TemporaryFile CreateTemporaryFile(const std::string& pattern);

// Drops the entry of a file that has been renamed or removed. Call it after
// the rename or unlink: a signal in between then removes nothing or a name
// that no longer exists, never a file that should stay.
void ForgetTemporaryFile(int slot);

// Installs the handlers (see above). Called by CreateTemporaryFile; a
// program may call it earlier, and calling it again does nothing.
void InstallTemporaryFileCleanup();

}  // namespace plotvane

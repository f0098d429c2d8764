#pragma once
// Writing a file so that a failure never destroys what was there before.
//
// The target is first resolved by the save policy of SaveTarget.h: symbolic
// links are written through; non-regular, read-only and hard-linked targets
// are refused. The text goes to a new temporary file beside the resolved
// target, created with the user's permissions only; every write is checked,
// and commit() flushes the file to disk, gives it the target's owner, group
// and mode and renames it over the target in one step. Until then the target
// is untouched, and a writer that fails or is destroyed without a successful
// commit removes its temporary file, as does the process when a signal ends
// it (TemporaryFileCleanup.h). Nothing is ever written outside the resolved
// target's own folder.
//
// A writer can also stream to a descriptor it does not own (standard output):
// no temporary, no rename, but the same checked writes and error reports.
//
// A failure is kept as a kind (SaveError.h) and reported by error() as the
// user's Japanese message naming the file as it was given.

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

#include "common/Failure.h"
#include "common/SaveError.h"
#include "common/SaveTarget.h"

namespace plotvane {

// Whether commit() waits for the bytes to reach the disk. Every file the
// user names does; a scratch file that nobody needs after a power failure
// (the page file the program keeps beside itself) need not.
enum class Durability { Synced, Scratch };

class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string path, Durability durability = Durability::Synced);
  // Streams to fd, which stays open; name is the file's name in messages.
  SafeFileWriter(int fd, std::string name);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Checks the target and creates the temporary file; false (with error())
  // when the target is refused or the file cannot be created.
  bool open();
  // Appends bytes; failures are remembered and reported by commit().
  void write(std::string_view bytes);
  // Records a failure of the caller's own (an encoder that gave up): commit()
  // then fails with this kind and leaves the target as it was.
  void fail(SaveErrorKind kind);
  // Flushes, syncs (unless a scratch file) and renames over the target; false
  // (with error()) on any failure, in which case the target is as it was.
  bool commit();

  bool failed() const { return m_kind != SaveErrorKind::None; }
  SaveErrorKind errorKind() const { return m_kind; }
  // The user's message (SaveErrorMessage); empty while nothing failed.
  std::string error() const { return SaveErrorMessage(m_kind, m_path); }
  // The failure with that message, none while nothing failed.
  WriteOutcome failure() const { return WriteFailureOf(error()); }

 private:
  bool flushBuffer();
  void keepOwner();
  void discard();
  void failWithErrno();

  std::string m_path;   // as given, for messages
  SaveTarget m_target;  // the resolved file that the rename replaces
  std::string m_tempPath;
  int m_tempSlot = -1;  // the temporary's entry for the signal handler
  std::string m_buffer;
  SaveErrorKind m_kind = SaveErrorKind::None;
  int m_fd = -1;
  bool m_streaming = false;
  Durability m_durability = Durability::Synced;
};

// Writes the whole text at once through a SafeFileWriter; returns the
// failure, none on success.
WriteOutcome WriteFileSafely(const std::string& path, std::string_view text);
// Opens a writer on path, lets write fill it (an encoder records its own
// failure with fail()), and commits; returns the failure, none on success.
WriteOutcome WriteFileSafely(const std::string& path, const std::function<void(SafeFileWriter&)>& write,
                             Durability durability = Durability::Synced);

}  // namespace plotvane

#pragma once
// The temporary page file.
//
// From start-up to shutdown one file "temp" + four digits + ".emf" holds the
// page last shown, so that saving, printing and copying read the same page as
// the screen. Start-up creates it empty; every page composition replaces it;
// shutdown deletes it.
//
// The name is the first of temp0000.emf .. temp9999.emf that does not exist
// in the folder. It is created with O_EXCL and mode 0600: two programs
// starting at once never end up with the same file, and a page file in a
// shared temporary folder is readable by its user only. When all 10000 names
// exist, one of them is picked at random (seeded from the clock) and reused,
// but only when it is a regular file of this user (never through a symbolic
// link): it is emptied and kept at mode 0600.
//
// Ownership: beside its page file a running program holds an exclusive lock
// on "tempNNNN.emf.lock" (the page file itself is replaced at every page, so
// it cannot carry the lock). SIGTERM, SIGINT, SIGHUP and SIGQUIT close the
// program the normal way, which removes both (SignalQuit.h); a program that
// was killed outright (SIGKILL, a crash, a power cut) leaves both files
// behind with nobody holding the lock, and the next start removes such
// leftovers in the folder before choosing a name.
//
// Folders and paths are bytes, as the file system has them: a folder whose
// name is not valid UTF-8 is used as it is, and no folder ever stands for
// the root.

#include <string>
#include <vector>

namespace plotvane::app {

class TempPageFile {
 public:
  TempPageFile() = default;
  ~TempPageFile();
  TempPageFile(const TempPageFile&) = delete;
  TempPageFile& operator=(const TempPageFile&) = delete;
  TempPageFile(TempPageFile&& other) noexcept;
  TempPageFile& operator=(TempPageFile&& other) noexcept;

  // The page file, empty when none could be made.
  const std::string& path() const { return m_path; }
  // Removes the page file and its lock; later calls do nothing.
  void remove();

 private:
  friend TempPageFile CreateTempPageFile(const std::string& folder);
  std::string m_path;
  int m_lockFd = -1;
};

// Removes leftovers of killed programs in folder, then creates the page file
// and takes its lock. An empty path() when none can be created in folder (an
// empty name, a read-only or missing folder, or a reused name that is not
// ours).
TempPageFile CreateTempPageFile(const std::string& folder);

// The first folder of the list in which CreateTempPageFile succeeds.
TempPageFile CreateTempPageFileIn(const std::vector<std::string>& folders);

// Where the program puts its page file: the program's own folder, and when
// that is not writable the user's temporary folder ($TMPDIR, else /tmp). An
// installed program (in /usr, /bin, /sbin, /opt or /lib) uses the temporary
// folder only, even when run as root.
std::vector<std::string> PageFileFolders();
// The same for a program in programFolder with the TMPDIR given (may be null).
std::vector<std::string> PageFileFoldersFor(const std::string& programFolder, const char* tmpdir);

}  // namespace plotvane::app

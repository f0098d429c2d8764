#pragma once
// Shared pieces of the suites that attack the program's outputs: running
// plotvane-cli as its own process (so exit statuses and standard output are
// the real ones), and a small disk that can be filled to the last page.

#include <string>
#include <vector>

namespace plotvane::test {

struct CliRun {
  int status = -1;  // the exit status; -1 when it did not exit normally
  std::string err;  // what it wrote to standard error
};

// Runs plotvane-cli with args; its standard output goes to the file at
// stdoutPath (created or truncated; "/dev/full" and "/dev/null" work too).
CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutPath = "/dev/null");

// The example data set of the repository, a page of 325 points.
std::string SurveyPath();

// A 64 KiB tmpfs mounted on a fresh folder for the life of the object, when
// the process may mount one (root, as CI runs); unmounted and removed after.
class SmallDisk {
 public:
  // options: the tmpfs's mount options beyond its size of 64 KiB.
  explicit SmallDisk(const std::string& options = "");
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  // Empty when mounted, else why not.
  const std::string& unavailable() const { return m_unavailable; }
  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }
  // Fills the disk with a file "filler" until nothing is free, then gives
  // back freeBytes (rounded up to whole pages); false when it could not.
  bool fill(long freeBytes) const;
  // The names in the disk's folder, "filler" left out, sorted.
  std::vector<std::string> entries() const;

 private:
  std::string m_path;
  std::string m_unavailable;
};

}  // namespace plotvane::test

// Running plotvane-cli and the small disk. See OutputSupport.h.

#include "hostile/OutputSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "support/TempDir.h"

extern char** environ;

namespace plotvane::test {
namespace {

constexpr long kPage = 4096;

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutPath) {
  const TempDir scratch;
  const std::string errPath = scratch.file("stderr");
  std::vector<std::string> words{PLOTVANE_CLI};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  CliRun run;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.err = ReadBytes(errPath);
  return run;
}

std::string SurveyPath() { return SourceDir() + "/examples/survey.txt"; }

SmallDisk::SmallDisk(const std::string& options) {
  char pattern[] = "/tmp/plotvane-disk-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    m_unavailable = std::strerror(errno);
    return;
  }
  m_path = pattern;
  if (::geteuid() != 0) {
    m_unavailable = "mounting a tmpfs needs root (CI runs as root)";
  } else if (::mount("tmpfs", m_path.c_str(), "tmpfs", 0, ("size=64k" + options).c_str()) != 0) {
    m_unavailable = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
  }
}

SmallDisk::~SmallDisk() {
  if (m_path.empty()) return;
  if (m_unavailable.empty()) ::umount2(m_path.c_str(), MNT_DETACH);
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

bool SmallDisk::fill(long freeBytes) const {
  const std::string filler = file("filler");
  const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  const std::string page(static_cast<std::size_t>(kPage), 'f');
  off_t size = 0;
  for (;;) {
    const ssize_t n = ::write(fd, page.data(), page.size());
    if (n <= 0) break;
    size += n;
  }
  const off_t giveBack = static_cast<off_t>((freeBytes + kPage - 1) / kPage * kPage);
  const bool given = ::ftruncate(fd, std::max<off_t>(0, size / kPage * kPage - giveBack)) == 0;
  return ::close(fd) == 0 && given;
}

std::vector<std::string> SmallDisk::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
    if (entry.path().filename() != "filler") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace plotvane::test

// The safe writer's temporary file and the signals that end a process: a
// writer ended at a random moment of its write by SIGTERM, SIGINT, SIGHUP or
// SIGPIPE leaves no temporary file and ends with that signal's status; an
// ignored signal stays ignored; a forked child that is ended removes its own
// temporary file but not its parent's; more writers at once than the
// handler's table holds still save.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/SafeFile.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

constexpr long kBlockBytes = 1L << 16;  // the slow writer's block

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// Starts the slow writer on path and returns once its temporary file exists.
pid_t StartSlowWriter(const std::string& path, long blocks, bool ignoreHangup = false) {
  int ready[2];
  if (::pipe2(ready, O_CLOEXEC) != 0) return -1;
  const std::string count = std::to_string(blocks);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(ready[1], STDOUT_FILENO);
    ::execl(PLOTVANE_SLOW_WRITER, "slow_safe_writer", path.c_str(), count.c_str(),
            ignoreHangup ? "--ignore-hangup" : nullptr, nullptr);
    ::_exit(127);
  }
  ::close(ready[1]);
  char byte = 0;
  while (::read(ready[0], &byte, 1) < 0 && errno == EINTR) {
  }
  ::close(ready[0]);
  return pid;
}

TEST(TemporaryFileCleanupTest, WriterEndedBySignalLeavesNothingAndEndsWithThatSignal) {
  constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP, SIGPIPE};
  constexpr int kTrials = 20;
  // 300 blocks a millisecond apart take well over 300 ms; every moment picked
  // falls inside the write.
  constexpr long kBlocks = 300;
  std::mt19937 random(20240611);
  std::uniform_int_distribution<useconds_t> moment(0, 150000);
  int leftovers = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const int signal = kSignals[static_cast<std::size_t>(trial) % kSignals.size()];
    const TempDir dir;
    const pid_t pid = StartSlowWriter(dir.file("g.txt"), kBlocks);
    ASSERT_GT(pid, 0);
    ::usleep(moment(random));
    ::kill(pid, signal);
    const int status = WaitFor(pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "trial " << trial << " status " << status;
    const std::vector<std::string> left = Entries(dir.path());
    if (!left.empty()) ++leftovers;
    EXPECT_TRUE(left.empty()) << "trial " << trial << " left " << left.front();
  }
  EXPECT_EQ(leftovers, 0) << "of " << kTrials << " trials";
}

TEST(TemporaryFileCleanupTest, IgnoredHangupStaysIgnored) {
  const TempDir dir;
  constexpr long kBlocks = 40;
  const pid_t pid = StartSlowWriter(dir.file("g.txt"), kBlocks, true);
  ASSERT_GT(pid, 0);
  ::kill(pid, SIGHUP);
  const int status = WaitFor(pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"g.txt"});
  EXPECT_EQ(static_cast<long>(ReadBytes(dir.file("g.txt")).size()), kBlocks * kBlockBytes);
}

TEST(TemporaryFileCleanupTest, EndedChildRemovesItsOwnTemporaryNotItsParents) {
  const TempDir dir;
  SafeFileWriter parent(dir.file("parent.txt"));
  ASSERT_TRUE(parent.open());
  parent.write("parent");
  const pid_t pid = ::fork();
  if (pid == 0) {
    SafeFileWriter child(dir.file("child.txt"));
    if (child.open()) ::raise(SIGTERM);
    ::_exit(1);
  }
  const int status = WaitFor(pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  const std::vector<std::string> left = Entries(dir.path());
  ASSERT_EQ(left.size(), 1U);
  EXPECT_EQ(left.front().rfind(".parent.txt.", 0), 0U) << left.front();
  ASSERT_TRUE(parent.commit()) << parent.error();
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"parent.txt"});
  EXPECT_EQ(ReadBytes(dir.file("parent.txt")), "parent");
}

TEST(TemporaryFileCleanupTest, MoreWritersAtOnceThanTheTableHoldsStillSave) {
  const TempDir dir;
  constexpr int kWriters = 80;
  std::vector<std::unique_ptr<SafeFileWriter>> writers;
  for (int i = 0; i < kWriters; ++i) {
    writers.push_back(std::make_unique<SafeFileWriter>(dir.file(std::to_string(i))));
    ASSERT_TRUE(writers.back()->open()) << i;
    writers.back()->write(std::to_string(i * i));
  }
  for (auto& writer : writers) EXPECT_TRUE(writer->commit()) << writer->error();
  EXPECT_EQ(Entries(dir.path()).size(), static_cast<std::size_t>(kWriters));
  for (int i = 0; i < kWriters; ++i) EXPECT_EQ(ReadBytes(dir.file(std::to_string(i))), std::to_string(i * i));
}

}  // namespace
}  // namespace plotvane

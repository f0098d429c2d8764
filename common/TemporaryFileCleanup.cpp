// The table of live temporary files and the handler that removes them. See
// TemporaryFileCleanup.h.

#include "common/TemporaryFileCleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace plotvane {
namespace {

// More files than a program ever writes at once; a writer beyond them still
// works, only without the cleanup.
constexpr int kSlotCount = 32;
constexpr std::array kEndingSignals{SIGTERM, SIGINT, SIGHUP, SIGPIPE};
// How long the handler waits for another thread between mkstemp() and the
// publication of its name: a few million loads, milliseconds, far longer
// than that step takes, and bounded should that thread never get there.
constexpr long kSpinLimit = 1L << 24;

enum SlotState : int {
  kFree,      // unused
  kCreating,  // its path is being written; not yet a file to remove
  kLive,      // path names a file of owner's to remove on a signal
  kRemoving,  // taken by the handler, never to be reused
};

struct Slot {
  std::atomic<int> state{kFree};
  std::atomic<pid_t> owner{0};
  char path[PATH_MAX] = {};
};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free,
              "the handler may only use lock-free atomics");

std::array<Slot, kSlotCount> g_slots;

void RemoveLiveFiles() {
  const pid_t self = ::getpid();
  for (Slot& slot : g_slots) {
    for (long spin = 0; spin < kSpinLimit && slot.state.load(std::memory_order_acquire) == kCreating; ++spin) {
    }
    int live = kLive;
    // Taking the slot first keeps its owner from reusing the path while the
    // handler reads it; the process ends, so the slot is never given back.
    if (!slot.state.compare_exchange_strong(live, kRemoving, std::memory_order_acq_rel)) continue;
    if (slot.owner.load(std::memory_order_relaxed) == self) ::unlink(slot.path);
  }
}

void OnEndingSignal(int signal) {
  RemoveLiveFiles();
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  sigemptyset(&defaults.sa_mask);
  ::sigaction(signal, &defaults, nullptr);
  // The signal is blocked while its handler runs: raised again, it is
  // delivered on return, now with the default action that ends the process.
  ::raise(signal);
}

void InstallWhereDefault(int signal) {
  struct sigaction current {};
  if (::sigaction(signal, nullptr, &current) != 0) return;
  if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) return;
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  sigemptyset(&action.sa_mask);
  for (const int other : kEndingSignals) sigaddset(&action.sa_mask, other);
  ::sigaction(signal, &action, nullptr);
}

// Holds back the ending signals in this thread for the life of the object.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : kEndingSignals) sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &m_saved);
  }
  ~EndingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &m_saved, nullptr); }
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

 private:
  sigset_t m_saved;
};

int ClaimSlot() {
  for (int i = 0; i < kSlotCount; ++i) {
    int free = kFree;
    if (g_slots[i].state.compare_exchange_strong(free, kCreating, std::memory_order_acquire)) return i;
  }
  return -1;
}

TemporaryFile CreateUnrecorded(const std::string& pattern) {
  TemporaryFile file;
  file.path = pattern;
  file.fd = ::mkstemp(file.path.data());
  return file;
}

}  // namespace

TemporaryFile CreateTemporaryFile(const std::string& pattern) {
  InstallTemporaryFileCleanup();
  const EndingSignalsHeld held;
  const int index = pattern.size() < PATH_MAX ? ClaimSlot() : -1;
  if (index < 0) return CreateUnrecorded(pattern);
  Slot& slot = g_slots[static_cast<std::size_t>(index)];
  std::memcpy(slot.path, pattern.c_str(), pattern.size() + 1);
  slot.owner.store(::getpid(), std::memory_order_relaxed);
  TemporaryFile file;
  file.fd = ::mkstemp(slot.path);
  if (file.fd < 0) {
    const int error = errno;
    slot.state.store(kFree, std::memory_order_release);
    errno = error;
    return file;
  }
  file.path = slot.path;
  file.slot = index;
  slot.state.store(kLive, std::memory_order_release);
  return file;
}

void ForgetTemporaryFile(int slot) {
  if (slot < 0 || slot >= kSlotCount) return;
  int live = kLive;
  g_slots[static_cast<std::size_t>(slot)].state.compare_exchange_strong(live, kFree, std::memory_order_release);
}

void InstallTemporaryFileCleanup() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const int signal : kEndingSignals) InstallWhereDefault(signal);
  });
}

}  // namespace plotvane

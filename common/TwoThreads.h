#pragma once
// Sharing work between the calling thread and one more. The program's heavy
// loops (the grid conversion) split their work in two at most: the machines
// it runs on are desktops, and the writing that follows the work is done on
// one thread anyway.

#include <exception>
#include <thread>

namespace plotvane {

// 2 when the machine has at least two cores, else 1.
inline int AvailableThreads() {
  static const int threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;
  return threads;
}

// Runs job(0) here and, when count is 2, job(1) on a second thread at the same
// time (one after the other when threads is 1). A failure of either is
// rethrown here once both have ended.
template <typename Job>
void InParallel(int count, Job&& job, int threads = AvailableThreads()) {
  if (count < 2 || threads < 2) {
    for (int k = 0; k < count; ++k) job(k);
    return;
  }
  std::exception_ptr failure;
  {
    const std::jthread helper([&] {
      try {
        job(1);
      } catch (...) {
        failure = std::current_exception();
      }
    });
    job(0);
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace plotvane

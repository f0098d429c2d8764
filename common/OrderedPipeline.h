#pragma once
// Blocks computed on two threads and consumed in order on the calling one.
//
// RunOrderedPipeline(count, produce, consume) calls produce(n, block) for
// n = 0..count-1 and consume(n, block) for each in the order of n, on the
// calling thread, until consume returns false. With two threads the calling
// thread produces the even blocks and consumes all of them, while a second
// thread produces the odd ones into two buffers in turn: it fills the second
// while the first waits to be consumed and then waits for a buffer to come
// free, so memory stays bounded (three blocks) however many there are.
// Buffers are reused from block to block, so a block type that keeps its
// vectors' capacity allocates only at the start.
//
// - Only the calling thread consumes: it may write files, report progress
//   and ask for cancellation (the desktop's callback runs window events).
// - A failure of produce on the second thread travels with its block: the
//   blocks before it are consumed first, then it is rethrown here. A failure
//   on the calling thread leaves at once. Either way the second thread is
//   stopped and joined before the call returns.
// - consume returning false cancels: no further block is consumed, the
//   second thread stops after the block it is on, and the result is false.

#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <semaphore>
#include <thread>

#include "common/TwoThreads.h"

namespace plotvane {

// Block: default-constructible. Returns whether every block was consumed.
template <typename Block, typename Produce, typename Consume>
bool RunOrderedPipeline(std::int64_t count, Produce&& produce, Consume&& consume, int threads = AvailableThreads()) {
  std::array<Block, 3> blocks;  // [0] the calling thread's, [1] and [2] the second's
  if (count < 2 || threads < 2) {
    for (std::int64_t n = 0; n < count; ++n) {
      produce(n, blocks[0]);
      if (!consume(n, blocks[0])) return false;
    }
    return true;
  }
  auto slot = [](std::int64_t n) { return static_cast<std::size_t>(1 + (n / 2) % 2); };
  std::array<std::exception_ptr, 3> failures;
  // ready counts the blocks produced by the second thread, whose buffers this
  // thread reads after taking their count; free counts the buffers it may fill.
  std::counting_semaphore<4> free(2), ready(0);
  std::atomic<bool> stop{false};
  const std::jthread helper([&] {
    for (std::int64_t n = 1; n < count; n += 2) {
      free.acquire();
      if (stop.load()) return;
      try {
        produce(n, blocks[slot(n)]);
      } catch (...) {
        failures[slot(n)] = std::current_exception();
        ready.release();
        return;
      }
      ready.release();
    }
  });
  // However this thread leaves, the helper is let go before it is joined.
  struct Halt {
    std::atomic<bool>& stop;
    std::counting_semaphore<4>& free;
    ~Halt() {
      stop.store(true);
      free.release();
    }
  } const halt{stop, free};
  for (std::int64_t n = 0; n < count; ++n) {
    if (n % 2 == 0) {
      produce(n, blocks[0]);
      if (!consume(n, blocks[0])) return false;
      continue;
    }
    ready.acquire();
    if (failures[slot(n)]) std::rethrow_exception(failures[slot(n)]);
    if (!consume(n, blocks[slot(n)])) return false;
    free.release();
  }
  return true;
}

}  // namespace plotvane

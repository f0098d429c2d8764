// The ordered pipeline against the plain loop it stands for: every block
// consumed in order with its own contents, failures and cancellation at the
// block where the loop would meet them, and the second thread never far
// ahead.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/OrderedPipeline.h"

namespace plotvane {
namespace {

struct TestBlock {
  std::int64_t n = -1;
  std::vector<std::int64_t> items;  // n % 5 + 1 copies of n: a reused buffer must be refilled
};

struct Outcome {
  std::vector<std::int64_t> consumed;
  bool finished = false;
  std::string failure;  // the message of what the run threw
};

// What the loop "for n: produce, consume" gives.
Outcome Sequential(std::int64_t count, std::int64_t failAt, std::int64_t stopAt) {
  Outcome run;
  for (std::int64_t n = 0; n < count; ++n) {
    if (n == failAt) {
      run.failure = std::to_string(n);
      return run;
    }
    run.consumed.push_back(n);
    if (n == stopAt) return run;
  }
  run.finished = true;
  return run;
}

Outcome Pipelined(int threads, std::int64_t count, std::int64_t failAt, std::int64_t stopAt) {
  Outcome run;
  std::atomic<std::int64_t> consumedCount{0};
  std::atomic<std::int64_t> furthestAhead{0};
  const auto produce = [&](std::int64_t n, TestBlock& block) {
    // Slow even blocks for a stretch, then slow odd ones: the second thread
    // runs ahead as far as it may, then the calling thread waits for it.
    if (n % 2 == (n / 4) % 2) std::this_thread::sleep_for(std::chrono::microseconds(300));
    const std::int64_t ahead = n - consumedCount.load();
    std::int64_t seen = furthestAhead.load();
    while (ahead > seen && !furthestAhead.compare_exchange_weak(seen, ahead)) {
    }
    if (n == failAt) throw std::runtime_error(std::to_string(n));
    block.n = n;
    block.items.assign(static_cast<std::size_t>(n % 5 + 1), n);
  };
  const auto consume = [&](std::int64_t n, const TestBlock& block) {
    EXPECT_EQ(block.n, n);
    EXPECT_EQ(block.items, std::vector<std::int64_t>(static_cast<std::size_t>(n % 5 + 1), n));
    run.consumed.push_back(n);
    consumedCount.store(n + 1);
    return n != stopAt;
  };
  try {
    run.finished = RunOrderedPipeline<TestBlock>(count, produce, consume, threads);
  } catch (const std::runtime_error& e) {
    run.failure = e.what();
  }
  // Two buffers of the second thread: block n waits for block n - 4 to be consumed.
  EXPECT_LE(furthestAhead.load(), 3);
  return run;
}

struct PipelineCase {
  const char* name;
  int threads;
  std::int64_t count;
  std::int64_t failAt;  // -1: no failure
  std::int64_t stopAt;  // -1: never cancelled
};

TEST(OrderedPipeline, BehavesAsThePlainLoop) {
  const PipelineCase cases[] = {
      {"one thread", 1, 9, -1, -1},
      {"two threads", 2, 9, -1, -1},
      {"many blocks", 2, 300, -1, -1},
      {"no block", 2, 0, -1, -1},
      {"one block", 2, 1, -1, -1},
      {"failure on the second thread travels with its block", 2, 9, 5, -1},
      {"failure on the second thread while the calling one is behind", 2, 9, 3, -1},
      {"failure on the calling thread", 2, 9, 4, -1},
      {"failure of the first block", 2, 9, 0, -1},
      {"failure of the last block", 2, 8, 7, -1},
      {"failure on one thread", 1, 9, 5, -1},
      {"cancelled on a block of the second thread", 2, 9, -1, 3},
      {"cancelled on a block of the calling thread", 2, 9, -1, 6},
      {"cancelled at the last block", 2, 9, -1, 8},
      {"cancelled on one thread", 1, 9, -1, 3},
      {"failure after the cancel is never met", 2, 9, 7, 4},
  };
  for (const PipelineCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome expected = Sequential(c.count, c.failAt, c.stopAt);
    const Outcome actual = Pipelined(c.threads, c.count, c.failAt, c.stopAt);
    EXPECT_EQ(actual.consumed, expected.consumed);
    EXPECT_EQ(actual.finished, expected.finished);
    EXPECT_EQ(actual.failure, expected.failure);
  }
}

}  // namespace
}  // namespace plotvane

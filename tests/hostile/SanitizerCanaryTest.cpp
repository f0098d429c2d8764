// Checks that the sanitizer build really stops at a finding: undefined
// behaviour and memory errors must end the process, so that the test that
// caused them fails instead of printing a warning and passing. Built only
// with PLOTVANE_SANITIZERS.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Inputs and results the compiler may not see through, so that the faults
// cannot be folded or dropped.
volatile int g_largestInt = INT_MAX;
volatile double g_huge = 1e300;
volatile int g_int = 0;

class SanitizerCanary : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(SanitizerCanary, SignedOverflowEndsTheProcess) { EXPECT_DEATH(g_int = g_largestInt + 1, "runtime error"); }

TEST_F(SanitizerCanary, OutOfRangeConversionToIntegerEndsTheProcess) {
  // (A double beyond the float range is not caught by either compiler: both
  // take it to give infinity. The code checks that case itself, ToSingle.)
  EXPECT_DEATH(g_int = static_cast<int>(g_huge), "runtime error");
}

TEST_F(SanitizerCanary, HeapOverflowEndsTheProcess) {
  EXPECT_DEATH(
      {
        std::vector<int> four(4);
        volatile int* p = four.data();
        p[4] = 1;
      },
      "heap-buffer-overflow");
}

}  // namespace

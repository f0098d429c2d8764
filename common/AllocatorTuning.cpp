#include "common/AllocatorTuning.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace plotvane {
namespace {

// The heap is extended by this much at a time; the first extension is
// advised for huge pages as a whole, and a run of 100 000 points fits in it.
constexpr int kHeapReserve = 256 << 20;
// The largest request the heap serves itself (the C library's ceiling);
// larger ones get their own mapping.
constexpr int kLargestHeapRequest = 32 << 20;
constexpr std::uintptr_t kHugePage = 2 << 20;

}  // namespace

void TuneAllocator() {
  // One heap for every thread: a second heap would be mapped page by page
  // again, and the programs run at most a couple of threads.
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, kLargestHeapRequest);
  mallopt(M_TRIM_THRESHOLD, 2 * kHeapReserve);
  mallopt(M_TOP_PAD, kHeapReserve);
  // A request larger than the start-up heap's free space extends the heap by
  // the reserve; the whole extension, from its first huge-page boundary on,
  // may then be backed by huge pages.
  void* probe = std::malloc(kHugePage);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const auto begin = (reinterpret_cast<std::uintptr_t>(probe) + kHugePage - 1) & ~(kHugePage - 1);
  std::free(probe);
  if (end > begin + kHugePage) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace plotvane

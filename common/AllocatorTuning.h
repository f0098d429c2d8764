#pragma once
// Allocator settings for the programs' whole run, applied first thing in main.
//
// A load of 100 000 points grows and frees tens of megabytes of tables in a
// fraction of a second. With the C library's defaults every large table is a
// fresh mapping whose pages fault in one by one (4 KiB each, at several
// microseconds a fault on a virtual machine) and go back to the system when
// freed. Keeping freed memory for reuse and backing the heap with huge pages
// where the system allows them cuts those faults by an order of magnitude.
// Nothing here changes what the program computes; under a replacement
// allocator (sanitizers, valgrind) the calls do nothing or fail harmlessly.

namespace plotvane {

void TuneAllocator();

}  // namespace plotvane

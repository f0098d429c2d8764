#pragma once
// The one way a fuzz target reports a broken property: print what failed and
// abort, so that libFuzzer keeps the input as a crash and stops.

#include <cstdio>
#include <cstdlib>

namespace plotvane::fuzz {

inline void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

}  // namespace plotvane::fuzz

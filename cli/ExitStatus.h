#pragma once
// The exit statuses of plotvane-cli, one per kind of failure, stable across
// versions (scripts test them):
//   0 success;
//   1 the data did not load into a mesh (or too few triangles for a grid, or
//     too little memory for its contours);
//   2 the command line cannot be used: an option the command does not take,
//     a missing value, a bad number, an option that needs another; also an
//     input file that cannot be opened or whose name is not a data file's;
//   3 an output could not be written (the old file, if any, is as it was).
//
// Messages: the program's own words about its command line are English,
// prefixed "plotvane-cli: "; what the core says about the data and the files
// is the message the desktop program shows, in Japanese, with its detail on
// the next line.

#include <ostream>

#include "common/Failure.h"

namespace plotvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitLoadFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWriteFailed = 3;

inline constexpr int ExitStatusOf(FailureKind kind) {
  switch (kind) {
    case FailureKind::Usage:
    case FailureKind::CannotOpen:
    case FailureKind::NotDataFile: return kExitUsage;
    case FailureKind::LoadFailed:
    case FailureKind::Cancelled: return kExitLoadFailed;
    case FailureKind::WriteFailed: return kExitWriteFailed;
  }
  return kExitUsage;
}

// Prints the failure's message and detail, each as a line of its own
// prefixed "plotvane-cli: ", and returns its exit status.
int ReportFailure(const Failure& failure, std::ostream& err);

}  // namespace plotvane::cli

#pragma once
// Where a command's file goes: the file named by -o, written through the
// safe writer (replaced only when complete, by the save policy of
// common/SaveTarget.h, the name's bytes used exactly as given), or standard
// output for "-". A failed or refused write ends the command with
// kExitWriteFailed and the writer's message on standard error.

#include <memory>
#include <ostream>
#include <string>

#include "common/SafeFile.h"

namespace plotvane::cli {

// The name that means standard output.
inline constexpr const char* kStandardOutput = "-";

// A writer for output, opened; when it could not be opened, failed() is true.
std::unique_ptr<SafeFileWriter> OpenOutput(const std::string& output);

// Commits the writer. Returns kExitOk, or prints "plotvane-cli: " and the
// message and returns kExitWriteFailed.
int FinishOutput(SafeFileWriter& file, std::ostream& err);

}  // namespace plotvane::cli

#pragma once
// The commands of plotvane-cli. Each returns the process exit status:
// 0 success, 1 the data did not load into a mesh (the error says why),
// 2 a usage error or a file that cannot be opened, 3 the output could not be
// written (the old file, if any, is as it was).

#include <ostream>

#include "cli/CliArguments.h"

namespace plotvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitLoadFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWriteFailed = 3;

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err);
int RunMesh(const Arguments& args, std::ostream& out, std::ostream& err);
int RunValue(const Arguments& args, std::ostream& out, std::ostream& err);
int RunGrid(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli

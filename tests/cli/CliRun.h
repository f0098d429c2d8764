#pragma once
// Runs plotvane-cli in process, as its main does, and keeps what it said.

#include <sstream>
#include <string>
#include <vector>

#include "cli/ExitStatus.h"
#include "cli/RunCli.h"

namespace plotvane::cli {

struct CliRun {
  int status = -1;
  std::string out, err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace plotvane::cli

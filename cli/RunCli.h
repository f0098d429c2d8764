#pragma once
// plotvane-cli as a function: the program's main and the tests call it with
// the arguments after the program's name.
//
//   plotvane-cli COMMAND ARGUMENTS...   runs the command (its table reads the rest)
//   plotvane-cli COMMAND --help         that command's usage
//   plotvane-cli --help | --version

#include <ostream>
#include <string>
#include <vector>

namespace plotvane::cli {

// Returns the exit status (ExitStatus.h).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli

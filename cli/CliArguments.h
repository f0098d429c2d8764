#pragma once
// The command line of plotvane-cli: a command, positional arguments and
// options. An argument is an option only when it is one of the known option
// names; anything else is positional, so negative numbers ("-40") need no
// quoting. A switch (--bands) takes no value and is recorded with an empty
// one.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plotvane::cli {

struct Arguments {
  std::string command;
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // name (with its dashes) -> value

  std::optional<std::string> option(const std::string& name) const;
};

// Parses argv[1..]. Returns nullopt with error set when an option lacks its
// value or is given twice.
std::optional<Arguments> ParseArguments(int argc, char** argv, std::string& error);

}  // namespace plotvane::cli

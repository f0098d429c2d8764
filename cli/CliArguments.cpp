#include "cli/CliArguments.h"

#include <array>
#include <string_view>

namespace plotvane::cli {
namespace {

// Every option takes one value.
constexpr std::array<std::string_view, 8> kOptions = {"--skip-lines", "--skip-prefixes", "--view", "--sq",
                                                      "-o",           "--output",        "--dpi",  "--format"};

bool IsOption(std::string_view arg) {
  for (std::string_view name : kOptions) {
    if (arg == name) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> Arguments::option(const std::string& name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

std::optional<Arguments> ParseArguments(int argc, char** argv, std::string& error) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (IsOption(arg)) {
      if (i + 1 >= argc) {
        error = arg + " needs a value";
        return std::nullopt;
      }
      const std::string name = arg == "--output" ? "-o" : arg;
      if (!args.options.emplace(name, argv[++i]).second) {
        error = arg + " is given twice";
        return std::nullopt;
      }
    } else if (args.command.empty()) {
      args.command = arg;
    } else {
      args.positional.push_back(arg);
    }
  }
  return args;
}

}  // namespace plotvane::cli

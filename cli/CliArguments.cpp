#include "cli/CliArguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace plotvane::cli {
namespace {

// Every option takes one value.
constexpr std::array<std::string_view, 12> kOptions = {"--skip-lines", "--skip-prefixes", "--view",    "--sq",
                                                       "-o",           "--output",        "--dpi",     "--format",
                                                       "--interval",   "--base",          "--columns", "--label-every"};

// Switches take no value; they are recorded with an empty one.
constexpr std::array<std::string_view, 4> kSwitches = {"--bands", "--equal-aspect", "--x-north", "--labels"};

template <std::size_t N>
bool IsOneOf(std::string_view arg, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), arg) != names.end();
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
    if (IsOneOf(arg, kSwitches)) {
      if (!args.options.emplace(arg, std::string()).second) {
        error = arg + " is given twice";
        return std::nullopt;
      }
    } else if (IsOneOf(arg, kOptions)) {
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

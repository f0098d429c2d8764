#pragma once
// The option table of one command: a CLI11 application whose options write
// straight into the command's typed options struct, read in full before any
// file is opened.
//
// Numbers are read by the program's own rule (ParseNumber, the whole text one
// number), as the dialogs read them, not by CLI11's conversions: the same text
// means the same number in the window and on the command line.

#include <CLI/App.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace plotvane::cli {

// A command's table, named "plotvane-cli COMMAND" in its usage.
std::unique_ptr<CLI::App> NewOptionTable(const std::string& command, const std::string& summary);

// Adds a switch, which takes no value.
CLI::Option* AddSwitch(CLI::App& table, const std::string& name, bool& target, const std::string& description);
// Adds a positional or an option holding a number; nullopt stays when an
// option is not given.
CLI::Option* AddNumber(CLI::App& table, const std::string& name, std::optional<double>& target,
                       const std::string& description);
// The same for a number that must be whole, within first..last.
CLI::Option* AddWholeNumber(CLI::App& table, const std::string& name, std::optional<std::int32_t>& target,
                            std::int32_t first, std::int32_t last, const std::string& description);

// Reads words (the arguments after the command's name) by the table.
// Returns nullopt when the options are ready; otherwise the exit status,
// having printed the usage on out (--help: kExitOk) or the problem, naming
// the option, on err (kExitUsage).
std::optional<int> ParseOptionTable(CLI::App& table, const std::vector<std::string>& words, std::ostream& out,
                                    std::ostream& err);

// Prints a usage problem found after the table was read and returns kExitUsage.
int UsageError(std::ostream& err, const std::string& message);

}  // namespace plotvane::cli

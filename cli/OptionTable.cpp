// Reading a command's options. See OptionTable.h.

#include "cli/OptionTable.h"

#include <CLI/Config.hpp>
#include <CLI/Formatter.hpp>
#include <algorithm>
#include <cmath>

#include "cli/ExitStatus.h"
#include "settings/NumberText.h"

namespace plotvane::cli {
namespace {

std::string NotANumber(const std::string& text) { return "must be a number: " + text; }

// CLI11 takes "-.5" for a short option; the same number written "-0.5" it
// takes for a value. Only words that read as numbers are rewritten.
std::string AsTableWord(const std::string& word) {
  if (word.size() > 2 && word[0] == '-' && word[1] == '.' && ParseNumber(word)) return "-0" + word.substr(1);
  return word;
}

// The first word CLI11 left over: an option the command does not take, or a
// positional argument too many.
std::string LeftOverMessage(const CLI::App& table) {
  const std::vector<std::string> left = table.remaining();
  const auto option = std::find_if(left.begin(), left.end(),
                                   [](const std::string& w) { return w.size() > 1 && w[0] == '-' && !ParseNumber(w); });
  if (option != left.end()) return *option + " is not an option of this command";
  return left.empty() ? std::string("unexpected arguments") : "unexpected argument: " + left.front();
}

}  // namespace

std::unique_ptr<CLI::App> NewOptionTable(const std::string& command, const std::string& summary) {
  auto table = std::make_unique<CLI::App>(summary, "plotvane-cli " + command);
  table->get_formatter()->column_width(34);
  // An option or a switch given twice is a mistake to point out, not a choice
  // between its values.
  table->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  return table;
}

CLI::Option* AddSwitch(CLI::App& table, const std::string& name, bool& target, const std::string& description) {
  return table.add_flag(name, target, description)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

CLI::Option* AddNumber(CLI::App& table, const std::string& name, std::optional<double>& target,
                       const std::string& description) {
  return table
      .add_option_function<std::string>(
          name, [&target](const std::string& text) { target = ParseNumber(text); }, description)
      ->type_name("NUMBER")
      ->check(
          CLI::Validator([](std::string& text) { return ParseNumber(text) ? std::string() : NotANumber(text); }, ""));
}

CLI::Option* AddWholeNumber(CLI::App& table, const std::string& name, std::optional<std::int32_t>& target,
                            std::int32_t first, std::int32_t last, const std::string& description) {
  const auto whole = [first, last](const std::string& text) -> std::optional<std::int32_t> {
    const auto value = ParseNumber(text);
    if (!value || !(*value >= first && *value <= last) || *value != std::floor(*value)) return std::nullopt;
    return static_cast<std::int32_t>(*value);
  };
  const std::string range = "a whole number from " + std::to_string(first) + " to " + std::to_string(last);
  return table
      .add_option_function<std::string>(
          name, [&target, whole](const std::string& text) { target = whole(text); }, description)
      ->check(CLI::Validator(
          [whole, range](std::string& text) { return whole(text) ? std::string() : "must be " + range + ": " + text; },
          ""))
      ->type_name("N");
}

std::optional<int> ParseOptionTable(CLI::App& table, const std::vector<std::string>& words, std::ostream& out,
                                    std::ostream& err) {
  // CLI11 reads its arguments from the back.
  std::vector<std::string> reversed;
  reversed.reserve(words.size());
  std::transform(words.rbegin(), words.rend(), std::back_inserter(reversed), AsTableWord);
  try {
    table.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << table.help();
    return kExitOk;
  } catch (const CLI::ExtrasError&) {
    return UsageError(err, LeftOverMessage(table) + " (see " + table.get_name() + " --help)");
  } catch (const CLI::ParseError& e) {
    return UsageError(err, std::string(e.what()) + " (see " + table.get_name() + " --help)");
  }
  return std::nullopt;
}

int UsageError(std::ostream& err, const std::string& message) {
  err << "plotvane-cli: " << message << '\n';
  return kExitUsage;
}

}  // namespace plotvane::cli

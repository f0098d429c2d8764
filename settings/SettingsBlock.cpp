// Writing and reading the settings block. See SettingsBlock.h for the layout.

#include "settings/SettingsBlock.h"

#include <array>
#include <cassert>

#include "settings/NumberText.h"

namespace plotvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNoLimit = "inf";

std::string SwitchLine(int value) {
  std::string line(1, ' ');
  line += std::to_string(value);
  line += ' ';
  return line;
}
std::string TruthLine(bool value) { return value ? "True" : "False"; }

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    const char w = word[i] >= 'A' && word[i] <= 'Z' ? static_cast<char>(word[i] - 'A' + 'a') : word[i];
    if (c != w) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<std::string> SettingsBlockLines(const DrawSettings& s) {
  return {s.X1,
          s.X2,
          s.Y1,
          s.Y2,
          s.Z1,
          s.Z2,
          s.n,
          s.sq.empty() ? std::string(kNoLimit) : s.sq,
          SwitchLine(s.ContourLines),
          SwitchLine(s.TriangleEdges),
          SwitchLine(s.ContinuousColour),
          TruthLine(s.fillMode == FillMode::FillColour),
          TruthLine(s.fillMode == FillMode::FillGrey),
          TruthLine(s.fillMode == FillMode::FillPattern)};
}

std::string SettingsBlockText(const DrawSettings& settings) {
  std::string text;
  for (const std::string& line : SettingsBlockLines(settings)) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

std::optional<int> SwitchValue(std::string_view text) {
  const auto value = ParseNumber(text);
  if (!value) return std::nullopt;
  const auto whole = RoundHalfEven(*value);
  if (!whole || (*whole != 0 && *whole != 1)) return std::nullopt;
  return *whole;
}

std::optional<bool> TruthValue(std::string_view text) {
  const std::string_view word = TrimBlanks(text);
  if (EqualsIgnoringCase(word, "true")) return true;
  if (EqualsIgnoringCase(word, "false")) return false;
  const auto value = ParseNumber(word);
  if (!value) return std::nullopt;
  return *value != 0.0;
}

bool ApplySettingsLines(DrawSettings& s, std::span<const std::string_view> texts) {
  assert(texts.size() <= static_cast<std::size_t>(kSettingsBlockLines) && "a settings block has 14 lines");
  const std::array<std::string*, kSettingsTextLines> textFields{&s.X1, &s.X2, &s.Y1, &s.Y2, &s.Z1, &s.Z2, &s.n, &s.sq};
  const std::array<int*, 3> switches{&s.ContourLines, &s.TriangleEdges, &s.ContinuousColour};
  constexpr std::array<FillMode, 3> kOptions{FillMode::FillColour, FillMode::FillGrey, FillMode::FillPattern};
  bool ok = true;
  for (std::size_t i = 0; i < texts.size() && ok; ++i) {
    if (i < textFields.size()) {
      textFields[i]->assign(texts[i]);
    } else if (i < static_cast<std::size_t>(kSettingsSwitchLines)) {
      const auto value = SwitchValue(texts[i]);
      if (value) *switches[i - textFields.size()] = *value;
      ok = value.has_value();
    } else {
      const auto selected = TruthValue(texts[i]);
      if (selected && *selected) s.selectFillMode(kOptions[i - static_cast<std::size_t>(kSettingsSwitchLines)]);
      ok = selected.has_value();
    }
  }
  // A switch line may have turned continuous colouring on while the pattern
  // mode was (and stayed) selected; the two never go together.
  if (!s.continuousColourEnabled()) s.ContinuousColour = 0;
  return ok;
}

}  // namespace plotvane

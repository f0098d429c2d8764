// Accepting lines and cutting fields. See DataFileLines.h for the rules.

#include "data/DataFileLines.h"

#include <algorithm>

#include "common/Capacity.h"
#include "common/ErrorDetails.h"
#include "common/TextLines.h"
#include "settings/NumberText.h"

namespace plotvane {

std::optional<std::vector<std::string_view>> ParseSkipTokens(std::string_view skipPrefixes) {
  std::vector<std::string_view> tokens;
  std::string_view rest = TrimSpaces(skipPrefixes);
  while (!rest.empty()) {
    if (static_cast<int>(tokens.size()) == capacity::kMaxSkipTokens) return std::nullopt;
    const auto space = rest.find(' ');
    if (space == std::string_view::npos) {
      tokens.push_back(rest);
      break;
    }
    tokens.push_back(rest.substr(0, space));
    rest = TrimSpaces(rest.substr(space + 1));
  }
  return tokens;
}

char ChooseSeparator(std::string_view line) {
  const std::string_view trimmed = TrimSpaces(line);
  if (trimmed.find('\t') != std::string_view::npos) return '\t';
  if (trimmed.find(',') != std::string_view::npos) return ',';
  if (trimmed.find(' ') != std::string_view::npos) return ' ';
  return '\t';
}

int CutFields(std::string_view line, char separator, LineFields& first, const FieldChoice& choice) {
  first = {};
  std::string_view rest = TrimSpaces(line);
  int count = 0;
  for (;;) {
    const auto at = rest.find(separator);
    const std::string_view field = at == std::string_view::npos ? rest : rest.substr(0, at);
    ++count;
    for (std::size_t kept = 0; kept < first.size(); ++kept) {
      if (choice[kept] == count) first[kept] = field;
    }
    if (at == std::string_view::npos || count > capacity::kMaxFieldsPerLine) return count;
    rest = TrimSpaces(rest.substr(at + 1));
  }
}

namespace {

bool Skipped(std::string_view line, const std::vector<std::string_view>& skipTokens) {
  if (skipTokens.empty()) return false;
  const std::string_view trimmed = TrimSpaces(line);
  for (const std::string_view token : skipTokens) {
    if (trimmed.starts_with(token)) return true;
  }
  return false;
}

}  // namespace

bool CollectAcceptedLines(std::string_view text, int skipLines, const std::vector<std::string_view>& skipTokens,
                          AcceptedLines& out, const FieldChoice& choice) {
  out.lines.clear();
  out.numbers.clear();
  out.refusal.clear();
  out.separator = '\t';
  // An accepted line takes at least two bytes with its end; reserving for the
  // most the text can hold spares the tables their regrowth.
  const auto most = std::min<std::size_t>(text.size() / 2 + 1, capacity::kMaxAcceptedLines);
  out.lines.reserve(most);
  out.numbers.reserve(most);
  LineCursor cursor(text);
  std::string_view line;
  std::int64_t number = 0;
  while (cursor.next(line)) {
    ++number;
    if (line.empty() || number <= skipLines || Skipped(line, skipTokens)) continue;
    if (out.count() == capacity::kMaxAcceptedLines) {
      out.refusal = details::TooManyLinesText(number);
      return false;
    }
    if (out.lines.empty()) out.separator = ChooseSeparator(line);
    LineFields fields;
    if (CutFields(line, out.separator, fields, choice) > capacity::kMaxFieldsPerLine) {
      out.refusal = details::TooManyFieldsText(number);
      return false;
    }
    out.lines.push_back(fields);
    out.numbers.push_back(number);
  }
  return true;
}

}  // namespace plotvane

// The skip dialog's preview. See DataFilePreview.h.

#include "data/DataFilePreview.h"

#include "common/TextLines.h"
#include "data/DataFileLines.h"

namespace plotvane {

std::vector<PreviewLine> PreviewDataLines(std::string_view text, int skipLines, std::string_view skipPrefixes,
                                          int count) {
  std::vector<PreviewLine> preview;
  LineCursor cursor(text);
  std::string_view line;
  std::size_t end = 0;
  while (static_cast<int>(preview.size()) < count && cursor.next(line)) {
    preview.push_back({static_cast<std::int64_t>(preview.size()) + 1, std::string(line), PreviewRole::Skipped});
    end = static_cast<std::size_t>(line.data() + line.size() - text.data());
  }
  // The load's own filter over just these lines says which it reads.
  const auto tokens = ParseSkipTokens(skipPrefixes);
  AcceptedLines accepted;
  if (tokens) CollectAcceptedLines(text.substr(0, end), skipLines, *tokens, accepted);
  for (std::size_t k = 0; k < accepted.numbers.size(); ++k) {
    const auto at = static_cast<std::size_t>(accepted.numbers[k] - 1);
    if (at < preview.size()) preview[at].role = k == 0 ? PreviewRole::Header : PreviewRole::Data;
  }
  return preview;
}

}  // namespace plotvane

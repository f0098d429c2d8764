// Saving and reading view files. See ViewFile.h for the item rules.

#include "settings/ViewFile.h"

#include <vector>

#include "common/Capacity.h"
#include "common/FileBytes.h"
#include "common/SafeFile.h"
#include "common/TextDecoding.h"
#include "common/TextLines.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"

namespace plotvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Splits a view file's text into items, one at a time.
class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : m_text(text) {}

  // True when nothing but blanks and line ends is left.
  bool atEnd() const {
    for (std::size_t i = m_pos; i < m_text.size(); ++i) {
      if (!IsBlank(m_text[i]) && !IsLineEnd(m_text[i])) return false;
    }
    return true;
  }

  std::string next() {
    skipBlanks();
    std::string item;
    if (m_pos < m_text.size() && m_text[m_pos] == '"') {
      const std::size_t begin = ++m_pos;
      while (m_pos < m_text.size() && m_text[m_pos] != '"' && !IsLineEnd(m_text[m_pos])) ++m_pos;
      item.assign(m_text.substr(begin, m_pos - begin));
      // Whatever stands between the closing quote and the item's end is dropped.
      while (m_pos < m_text.size() && m_text[m_pos] != ',' && !IsLineEnd(m_text[m_pos])) ++m_pos;
    } else {
      const std::size_t begin = m_pos;
      while (m_pos < m_text.size() && m_text[m_pos] != ',' && !IsLineEnd(m_text[m_pos])) ++m_pos;
      std::string_view raw = m_text.substr(begin, m_pos - begin);
      while (!raw.empty() && IsBlank(raw.back())) raw.remove_suffix(1);
      const auto value = ParseNumber(raw);
      item = value ? NumberText(*value) : std::string(raw);
    }
    endItem();
    return item;
  }

 private:
  void skipBlanks() {
    while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) ++m_pos;
  }

  // Consumes the comma or line end that ends an item; a comma at the end of a
  // line takes the line end with it, so it does not make an empty item.
  void endItem() {
    if (m_pos < m_text.size() && m_text[m_pos] == ',') {
      ++m_pos;
      const std::size_t afterComma = m_pos;
      skipBlanks();
      if (m_pos < m_text.size() && !IsLineEnd(m_text[m_pos])) {
        m_pos = afterComma;
        return;
      }
    }
    m_pos = SkipLineEnd(m_text, m_pos);
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
};

void NormaliseLimit(std::string& sq) {
  const auto value = ParseNumber(sq);
  sq = value ? NumberText(*value) : std::string();
}

}  // namespace

WriteOutcome WriteViewFile(const std::string& path, const DrawSettings& settings) {
  return WriteFileSafely(path, SettingsBlockText(settings));
}

ViewReadStatus ReadViewText(std::string_view text, DrawSettings& settings) {
  ItemReader reader(text);
  std::vector<std::string> items;
  while (static_cast<int>(items.size()) < kSettingsBlockLines && !reader.atEnd()) items.push_back(reader.next());
  const std::vector<std::string_view> views(items.begin(), items.end());
  const bool applied = ApplySettingsLines(settings, views);
  NormaliseLimit(settings.sq);
  return applied && static_cast<int>(items.size()) >= kSettingsSwitchLines ? ViewReadStatus::Ok
                                                                           : ViewReadStatus::BadContent;
}

ViewReadStatus ReadViewFile(const std::string& path, DrawSettings& settings) {
  const auto bytes = ReadFileBytes(path, capacity::kMaxViewFileBytes, Oversize::KeepHead);
  if (!bytes) return ViewReadStatus::CannotOpen;
  return ReadViewText(DecodeToUtf8(*bytes), settings);
}

}  // namespace plotvane

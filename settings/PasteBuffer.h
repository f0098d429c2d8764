#pragma once
// The settings paste buffer: a copy of the fourteen values, taken by
// "設定のコピー" and put back by "設定のペースト". It holds values, not
// references, and pasting does not consume it.

#include <optional>

#include "settings/DrawSettings.h"

namespace plotvane {

class PasteBuffer {
 public:
  void copyFrom(const DrawSettings& settings) { m_values = settings; }
  // Puts the buffered values back, the fill mode through its option rule;
  // changes nothing when nothing was copied. Returns whether it pasted.
  bool pasteInto(DrawSettings& settings) const {
    if (!m_values) return false;
    settings = *m_values;
    settings.selectFillMode(m_values->fillMode);
    return true;
  }
  bool filled() const { return m_values.has_value(); }

 private:
  std::optional<DrawSettings> m_values;
};

}  // namespace plotvane

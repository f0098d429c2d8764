#pragma once
// The core's texts (UTF-8, std::string) as Qt's.

#include <QString>
#include <string_view>

namespace plotvane::app {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace plotvane::app

#include "app/CommandLine.h"

#include <QFile>

#include "data/FileTitle.h"

namespace plotvane::app {

std::optional<StartupFile> StartupFileOf(const std::string& commandLineBytes) {
  const std::string path = StripCommandLineQuotes(commandLineBytes);
  if (path.empty()) return std::nullopt;
  const std::string name = FileNameOf(path);
  return StartupFile{QFile::decodeName(QByteArray::fromStdString(path)), path,
                     QFile::decodeName(QByteArray::fromStdString(name)), FileTitleOf(name)};
}

std::string CommandLineBytes(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

QString StartupCaption(const QString& fileName) { return QStringLiteral("Plotvane - ") + fileName; }

QString MenuLoadCaption(const QString& fileName) { return QStringLiteral("Plotvane  ") + fileName; }

}  // namespace plotvane::app

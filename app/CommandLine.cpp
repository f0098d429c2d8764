#include "app/CommandLine.h"

#include "data/FileTitle.h"

namespace plotvane::app {

QString CommandLineText(const QStringList& arguments) { return arguments.mid(1).join(QLatin1Char(' ')); }

std::optional<StartupFile> StartupFileOf(const QString& commandLine) {
  const std::string path = StripCommandLineQuotes(commandLine.toStdString());
  if (path.empty()) return std::nullopt;
  const std::string name = FileNameOf(path);
  return StartupFile{QString::fromStdString(path), QString::fromStdString(name), FileTitleOf(name)};
}

QString StartupCaption(const QString& fileName) { return QStringLiteral("Plotvane - ") + fileName; }

QString MenuLoadCaption(const QString& fileName) { return QStringLiteral("Plotvane  ") + fileName; }

}  // namespace plotvane::app

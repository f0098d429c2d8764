#include "app/FileFilter.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace plotvane::app {

QString QtFileFilter(const QString& commonDialogFilter) {
  QStringList fields = commonDialogFilter.split(QLatin1Char('|'));
  // A closing "|" leaves one empty field after the last pattern.
  if (!fields.isEmpty() && fields.last().isEmpty()) fields.removeLast();

  QStringList entries;
  for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
    const QString& description = fields[i];
    const QStringList patterns = fields[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (patterns.isEmpty()) continue;
    QStringList trimmed;
    for (const QString& p : patterns) trimmed << p.trimmed();
    // A description that already ends in its patterns is a whole Qt filter:
    // another "(patterns)" would show them twice.
    const QString patternList = QLatin1Char('(') + trimmed.join(QLatin1Char(' ')) + QLatin1Char(')');
    const QString whole = description.trimmed();
    entries << (whole.endsWith(patternList) ? whole : description + QLatin1Char(' ') + patternList);
  }
  return entries.join(QStringLiteral(";;"));
}

QString ProposedSavePath(const QString& start, const QString& fileName) {
  if (start.isEmpty()) return fileName;
  const QFileInfo info(start);
  const QDir folder = info.isDir() ? QDir(start) : info.dir();
  return folder.filePath(fileName);
}

}  // namespace plotvane::app

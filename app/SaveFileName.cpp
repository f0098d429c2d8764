// Completing a chosen save name. See SaveFileName.h.

#include "app/SaveFileName.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace plotvane::app {

QString FilterExtension(const QString& filterEntry) {
  static const QRegularExpression kLastGroup(QStringLiteral("\\(([^()]*)\\)\\s*$"));
  const QRegularExpressionMatch group = kLastGroup.match(filterEntry);
  if (!group.hasMatch()) return {};
  const QString first = group.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
  const QString extension = first.mid(1);
  // "*.*" and the like name no extension to add.
  if (!first.startsWith(QStringLiteral("*.")) || extension.size() < 2 || extension.contains(QLatin1Char('*')) ||
      extension.contains(QLatin1Char('?'))) {
    return {};
  }
  return extension;
}

QString CompleteSaveName(const QString& path, const QString& filters, const QString& selectedFilter,
                         const QString& proposedName) {
  const QStringList entries = filters.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
  for (const QString& entry : entries) {
    const QString extension = FilterExtension(entry);
    if (!extension.isEmpty() && path.endsWith(extension, Qt::CaseInsensitive)) return path;
  }
  const QString name = QFileInfo(path).fileName();
  if (name != proposedName && name.contains(QLatin1Char('.'))) return path;
  const QString selected = selectedFilter.isEmpty() ? entries.value(0) : selectedFilter;
  return path + FilterExtension(selected);
}

QString ChooseSaveFile(Dialogs& dialogs, QWidget* parent, const QString& title, const QString& filters,
                       const QString& start) {
  QString selectedFilter;
  const QString chosen = dialogs.saveFile(parent, title, filters, start, &selectedFilter);
  if (chosen.isEmpty()) return {};
  const QString path = CompleteSaveName(chosen, filters, selectedFilter, QFileInfo(start).fileName());
  if (path != chosen && QFileInfo::exists(path)) {
    const QString question = QStringLiteral("%1 は既に存在します。\n置き換えますか?").arg(QFileInfo(path).fileName());
    if (!dialogs.ask(parent, title, question)) return {};
  }
  return path;
}

}  // namespace plotvane::app

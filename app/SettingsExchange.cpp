// The settings exchange of SettingsDialog: "設定のコピー", "設定のペースト",
// "設定の保存", "設定の読込".

#include <QFile>

#include "app/FileFilter.h"
#include "app/SaveFileName.h"
#include "app/SettingsDialog.h"
#include "settings/ViewFile.h"

namespace plotvane::app {
namespace {

const QString kViewFilter = QStringLiteral("ｺﾝﾀ ﾋﾞｭｰﾌｧｲﾙ (*.ctv)|*.ctv");
const QString kViewSaveTitle = QStringLiteral("設定の保存");
const QString kViewReadTitle = QStringLiteral("設定の読込");

}  // namespace

void SettingsDialog::ViewCopy() { m_pasteBuffer.copyFrom(m_doc.settings); }

// The dialog is modal, so these run while it is hidden; its next showing
// puts the settings into the controls.
void SettingsDialog::ViewPaste() { m_pasteBuffer.pasteInto(m_doc.settings); }

WriteOutcome SettingsDialog::ViewSave(Dialogs& dialogs, QString& startPath) {
  const QString path = ChooseSaveFile(dialogs, this, kViewSaveTitle, QtFileFilter(kViewFilter),
                                      ProposedSavePath(startPath, QString::fromStdString(m_doc.fileTitle)));
  if (path.isEmpty()) return std::nullopt;
  startPath = path;
  return WriteViewFile(QFile::encodeName(path).toStdString(), m_doc.settings);
}

void SettingsDialog::ViewRead(Dialogs& dialogs, QString& startPath) {
  const QString path = dialogs.openFile(this, kViewReadTitle, QtFileFilter(kViewFilter), startPath);
  if (path.isEmpty()) return;
  startPath = path;
  ReadViewFile(QFile::encodeName(path).toStdString(), m_doc.settings);
}

}  // namespace plotvane::app

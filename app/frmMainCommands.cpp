// The commands of the main window: the two loads, the drawing settings, the
// about box and the cursor read-out; and the road every load and redraw
// takes to the screen and the page file.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "app/CommandLine.h"
#include "app/CursorReadout.h"
#include "app/Dialog.h"
#include "app/FileFilter.h"
#include "app/Form1.h"
#include "app/PageSurface.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "common/Messages.h"
#include "data/FileTitle.h"
#include "data/OpenDataFile.h"
#include "render/emf/EmfWriter.h"

namespace plotvane::app {
namespace {

const QString kLoadTitle = QStringLiteral("データの読込");
const QString kLoadFilter =
    QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt) , ｺﾝﾀﾌｧｲﾙ(*.ctr) |*.txt;*.ctr|ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|ｺﾝﾀﾌｧｲﾙ(*.ctr) |*.ctr|");
const QString kSkipLoadFilter = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt");

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void frmMain::mnuFileNew_Click() {
  if (m_guard.busy()) return;
  m_doc.skipLines = 0;
  m_doc.skipPrefixes.clear();
  const QString path = m_dialogs.openFile(this, kLoadTitle, QtFileFilter(kLoadFilter), m_dlgCommonDialogPath);
  if (path.isEmpty()) return;
  loadChosenFile(path);
}

void frmMain::mnuFileNew2_Click() {
  if (m_guard.busy()) return;
  const QString path = m_dialogs.openFile(this, kLoadTitle, QtFileFilter(kSkipLoadFilter), m_dlgCommonDialogPath);
  if (path.isEmpty()) return;
  Dialog& dialog = skipDialog();
  m_dialogs.runModal(dialog);
  if (!dialog.ok() || m_closed) return;
  m_doc.skipLines = dialog.skipLines();
  m_doc.skipPrefixes = dialog.skipPrefixes();
  loadChosenFile(path);
}

// The steps both loads share once a file is chosen.
void frmMain::loadChosenFile(const QString& path) {
  m_dlgCommonDialogPath = path;
  const QString name = QFileInfo(path).fileName();
  m_doc.fileTitle = FileTitleOf(name.toStdString());
  setWindowTitle(MenuLoadCaption(name));
  openDataFile(path);
}

void frmMain::openDataFile(const QString& path) {
  LoadStatus status = LoadStatus::Meshed;
  {
    CommandGuard::Scope busy(m_guard);
    m_ui.Picture2->clear();
    QCoreApplication::processEvents();
    status = OpenDataFile(QFile::encodeName(path).toStdString(), m_doc, m_progress);
    if (status == LoadStatus::Meshed) redraw();
  }
  // Outside the operation, so that a close requested meanwhile can end the
  // program while the box is open.
  if (ShowsErrorMessage(status)) m_dialogs.message(this, FromUtf8(messages::kErrorTitle), FromUtf8(m_doc.errMsg));
  closeIfPending();
}

void frmMain::redraw() {
  {
    CommandGuard::Scope busy(m_guard);
    if (m_doc.errMsg.empty()) {
      const gdi::EnhMetaFile page = m_composer(m_doc, m_progress);
      if (!page.isNull()) showPage(page);
    }
  }
  closeIfPending();
}

void frmMain::showPage(const gdi::EnhMetaFile& page) {
  m_page = page;
  m_ui.Picture2->showPage(page);
  // The page file is what saving, printing and copying read. A failure to
  // write it leaves the previous page there; the page in memory
  // (currentPage) is still this one.
  const QString path = pageFilePath();
  if (!path.isEmpty()) gdi::CopyEnhMetaFileA(page, QFile::encodeName(path).toStdString());
  emit pageShown();
}

void frmMain::clearAndRedraw() {
  {
    CommandGuard::Scope busy(m_guard);
    m_ui.Picture2->clear();
    QCoreApplication::processEvents();
    redraw();
  }
  closeIfPending();
}

void frmMain::scale_Click() {
  if (m_guard.busy()) return;
  Form1& dialog = form1();
  m_dialogs.runModal(dialog);
  if (dialog.ok() != 0 && m_doc.hasData() && !m_closed) clearAndRedraw();
}

void frmMain::mnuVer_Click() {
  if (m_guard.busy()) return;
  frmAbout about(this);
  m_dialogs.runModal(about);
}

void frmMain::Picture2_MouseMove(float X, float Y) {
  // A load or a redraw in progress may be rebuilding the mesh.
  if (m_guard.busy()) return;
  if (const std::optional<std::string> text = CursorReadout(m_doc, X, Y)) m_panel1->setText(FromUtf8(*text));
}

}  // namespace plotvane::app

// The commands that hand the data, the settings and the page to the outside
// world: saving the data ("データ保存(&S)"), the picture ("画像保存"),
// printing, copying, and the settings exchange of the 設定 menu.
//
// Cancelling a dialog ends a command without a word. A file that could not
// be written is reported: the user must not take a failed save for a saved
// file. The page these commands take is the one on screen, which is also the
// page file's content.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "app/CommandLine.h"
#include "app/FileFilter.h"
#include "app/MainWindow.h"
#include "app/PageClipboard.h"
#include "app/PageSurface.h"
#include "app/SaveFileName.h"
#include "app/SettingsDialog.h"
#include "data/ContourFileWriter.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "settings/DrawParameters.h"

namespace plotvane::app {
namespace {

const QString kDataSaveTitle = QStringLiteral("データの保存");
const QString kDataSaveFilter = QStringLiteral("ｺﾝﾀﾌｧｲﾙ (*.ctr)|*.ctr");
// The two first entries are the classic picture files; PNG, SVG and PDF are
// what other programs on this platform take most readily.
const QString kPictureSaveTitle = QStringLiteral("画像の保存");
const QString kPictureSaveFilter = QStringLiteral(
    "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)|*.bmp|拡張ﾒﾀﾌｧｲﾙ (*.emf)|*.emf|PNG ﾌｧｲﾙ (*.png)|*.png|"
    "SVG ﾌｧｲﾙ (*.svg)|*.svg|PDF ﾌｧｲﾙ (*.pdf)|*.pdf");
const QString kPrintTitle = QStringLiteral("印刷");
const QString kNoPictureKind = QStringLiteral(
    "%1 は保存できる画像の種類ではありません。\n"
    "名前の末尾を .bmp, .emf, .png, .svg, .pdf のいずれかにしてください。");

}  // namespace

void MainWindow::reportSaveFailure(const WriteOutcome& failure) {
  if (failure) m_dialogs.message(this, QString::fromUtf8(kProgramTitle), QString::fromStdString(failure->text()));
}

void MainWindow::saveData() {
  if (m_guard.busy()) return;
  const QString path = ChooseSaveFile(m_dialogs, this, kDataSaveTitle, QtFileFilter(kDataSaveFilter),
                                      ProposedSavePath(m_fileDialogPath, QString::fromStdString(m_doc.fileTitle)));
  if (path.isEmpty()) return;
  m_fileDialogPath = path;
  reportSaveFailure(WriteContourFile(QFile::encodeName(path).toStdString(), m_doc.settings, m_doc.points));
}

void MainWindow::savePicture() {
  // Before the first page there is nothing to save.
  if (m_guard.busy() || m_page.isNull()) return;
  const QString path = ChooseSaveFile(m_dialogs, this, kPictureSaveTitle, QtFileFilter(kPictureSaveFilter),
                                      ProposedSavePath(m_fileDialogPath, QString::fromStdString(m_doc.fileTitle)));
  if (path.isEmpty()) return;
  m_fileDialogPath = path;
  const std::string localPath = QFile::encodeName(path).toStdString();
  const auto format = qtplay::PictureFormatOfPath(localPath);
  if (!format) {
    // A typed name of no kind would otherwise save nothing without a word.
    m_dialogs.message(this, QString::fromUtf8(kProgramTitle), kNoPictureKind.arg(QFileInfo(path).fileName()));
    return;
  }
  reportSaveFailure(qtplay::SavePicture(m_page, localPath, *format));
}

void MainWindow::printPage() {
  if (m_guard.busy()) return;
  QPrinter printer(QPrinter::HighResolution);
  if (!m_dialogs.setUpPrinter(this, printer, kPrintTitle)) return;
  WriteOutcome failure;
  {
    // The window is repainted where the dialog was before the page is
    // printed; commands chosen meanwhile wait for the printing to end.
    CommandGuard::Scope busy(m_guard);
    activateWindow();
    QCoreApplication::processEvents();
    if (!m_page.isNull()) failure = qtplay::printPage(m_page, printer);
  }
  closeIfPending();
  reportSaveFailure(failure);
}

void MainWindow::copyPage() {
  if (m_guard.busy()) return;
  QGuiApplication::clipboard()->setMimeData(new PageMimeData(m_ui.Picture2->image(), m_page));
}

void MainWindow::copySettings() {
  if (m_guard.busy() || !m_doc.hasData()) return;
  settingsDialog().ViewCopy();
}

void MainWindow::pasteSettings() {
  if (m_guard.busy() || !m_doc.hasData()) return;
  settingsDialog().ViewPaste();
  redraw();
  noteWindowOutsideData();
}

// Settings from elsewhere may frame another site: an empty map then says why.
void MainWindow::noteWindowOutsideData() {
  const DataRange& r = m_doc.range;
  if (!m_doc.drawable() || WindowMeetsBox(ReadDrawParameters(m_doc.settings).window, r.xMin, r.yMin, r.xMax, r.yMax)) {
    return;
  }
  m_panel1->setText(QStringLiteral("表示範囲 (X1〜X2, Y1〜Y2) がデータの範囲にかかっていません。"));
}

void MainWindow::saveSettings() {
  if (m_guard.busy() || !m_doc.hasData()) return;
  reportSaveFailure(settingsDialog().ViewSave(m_dialogs, m_viewFileDialogPath));
}

void MainWindow::readSettings() {
  if (m_guard.busy()) return;
  settingsDialog().ViewRead(m_dialogs, m_viewFileDialogPath);
  if (m_doc.hasData() && !m_closed) {
    redraw();
    noteWindowOutsideData();
  }
}

}  // namespace plotvane::app

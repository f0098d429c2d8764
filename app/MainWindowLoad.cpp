// The commands of the main window: the two loads, the drawing settings, the
// about box and the cursor read-out; and the road every load and redraw
// takes to the screen and the page file.

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include "app/AboutDialog.h"
#include "app/CommandLine.h"
#include "app/CursorReadout.h"
#include "app/FileFilter.h"
#include "app/LasClassDialog.h"
#include "app/MainWindow.h"
#include "app/PageSurface.h"
#include "app/SettingsDialog.h"
#include "app/SkipLinesDialog.h"
#include "app/Utf8Text.h"
#include "common/Messages.h"
#include "data/DataFileKind.h"
#include "data/FileTitle.h"
#include "data/LandXmlReader.h"
#include "load/OpenDataFile.h"

namespace plotvane::app {
namespace {

const QString kLoadTitle = QStringLiteral("データの読込");
// The first choice, selected when the dialog opens, shows every file the
// program reads; the others one kind each.
const QString kLoadFilter = QStringLiteral(
    "ﾃﾞｰﾀﾌｧｲﾙ|*.txt;*.csv;*.xyz;*.dat;*.ctr;*.sim;*.las;*.xml|"
    "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.xyz;*.dat)|*.txt;*.csv;*.xyz;*.dat|ｺﾝﾀﾌｧｲﾙ(*.ctr) |*.ctr|"
    "SIMA(*.sim)|*.sim|LAS(*.las)|*.las|LandXML(*.xml)|*.xml|");
// Lines are skipped in text files only.
const QString kSkipLoadFilter = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.xyz;*.dat)|*.txt;*.csv;*.xyz;*.dat");

}  // namespace

// A LandXML file of several surfaces (the ground as surveyed, the design)
// asks which to load. False when the user cancels; a file that cannot be
// read goes on to the load, which says why.
bool MainWindow::chooseLandXmlSurface(const std::string& path, std::string& surface) {
  FileReadError error;
  const std::unique_ptr<FileSource> source = FileSource::open(path, error);
  if (!source) return true;
  const std::vector<std::string> names = LandXmlSurfaceNames(*source);
  if (names.size() < 2) return true;
  QStringList items;
  for (const std::string& name : names) items.push_back(FromUtf8(name));
  QInputDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("面の選択"));
  dialog.setLabelText(QStringLiteral("読み込む面:"));
  dialog.setComboBoxItems(items);
  dialog.setComboBoxEditable(false);
  m_dialogs.runModal(dialog);
  if (dialog.result() != QDialog::Accepted || m_closed) return false;
  surface = dialog.textValue().toStdString();
  return true;
}

void MainWindow::openData() {
  if (m_guard.busy()) return;
  const QString path = m_dialogs.openFile(this, kLoadTitle, QtFileFilter(kLoadFilter), m_fileDialogPath);
  if (path.isEmpty()) return;
  LoadOptions options;
  const std::string localPath = QFile::encodeName(path).toStdString();
  const DataFileKind kind = KindOfDataFile(localPath);
  if (kind == DataFileKind::LandXml && !chooseLandXmlSurface(localPath, options.surface)) return;
  if (kind == DataFileKind::Las) {
    // A scan holds vegetation and buildings too: which classes make the ground.
    LasClassDialog& dialog = lasClassDialog();
    m_dialogs.runModal(dialog);
    if (!dialog.ok() || m_closed) return;
    options.lasClasses = dialog.classes();
  }
  loadChosenFile(path, {}, options);
}

void MainWindow::openDataSkippingLines() {
  if (m_guard.busy()) return;
  const QString path = m_dialogs.openFile(this, kLoadTitle, QtFileFilter(kSkipLoadFilter), m_fileDialogPath);
  if (path.isEmpty()) return;
  SkipLinesDialog& dialog = skipLinesDialog();
  dialog.setPreviewFile(QFile::encodeName(path).toStdString());
  m_dialogs.runModal(dialog);
  if (!dialog.ok() || m_closed) return;
  loadChosenFile(path, SkipOptions{dialog.skipLines(), dialog.skipPrefixes()}, dialog.loadOptions());
}

// The steps both loads share once a file is chosen.
void MainWindow::loadChosenFile(const QString& path, const SkipOptions& skip, const LoadOptions& options) {
  m_fileDialogPath = path;
  const QString name = QFileInfo(path).fileName();
  m_doc.fileTitle = FileTitleOf(name.toStdString());
  setWindowTitle(MenuLoadCaption(name));
  showSiteInTitle();
  openDataFile(path, skip, options);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!m_guard.busy() && !urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (m_guard.busy() || urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  loadChosenFile(urls.front().toLocalFile());
}

void MainWindow::openDataFile(const QString& path, const SkipOptions& skip, const LoadOptions& options) {
  openLocalDataFile(QFile::encodeName(path).toStdString(), skip, options);
}

LoadStatus MainWindow::openLocalDataFile(const std::string& path, const SkipOptions& skip, const LoadOptions& options) {
  return loadIntoDocument(path, skip, options, nullptr);
}

// keep: the drawing settings to draw with instead of those the load gives.
LoadStatus MainWindow::loadIntoDocument(const std::string& path, const SkipOptions& skip, const LoadOptions& options,
                                        const DrawSettings* keep) {
  LoadStatus status = LoadStatus::Meshed;
  std::optional<Failure> siteFailure;
  {
    CommandGuard::Scope busy(m_guard);
    m_ui.Picture2->clear();
    // The read-out belongs to the data it was read from.
    m_panel1->clear();
    QCoreApplication::processEvents();
    const DrawSettings kept = keep ? *keep : DrawSettings{};
    // The session's mesh options apply to every load until changed.
    status = OpenDataFile(path, m_doc, m_progress, skip, options, m_doc.meshOptions);
    m_loadedPath = path;
    m_loadedSkip = skip;
    m_loadedOptions = options;
    if (status == LoadStatus::Meshed) {
      if (keep) m_doc.settings = kept;
      siteFailure = applySiteShapes();
      redraw();
      // What a survey file's load read, left out and kept, until the mouse
      // moves over the map.
      m_panel1->setText(FromUtf8(m_doc.survey.loadNote));
    }
  }
  // The caption names only a file whose data are on screen (a new mesh of
  // the same file, kept settings and all, leaves it to its caller).
  if (status != LoadStatus::Meshed && keep == nullptr) {
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    showSiteInTitle();
  }
  // Outside the operation, so that a close requested meanwhile can end the
  // program while the box is open.
  const std::string message = LoadMessageText(m_doc, status);
  if (!message.empty()) m_dialogs.message(this, FromUtf8(messages::kErrorTitle), FromUtf8(message));
  reportSiteFailure(siteFailure);
  closeIfPending();
  return status;
}

void MainWindow::redraw() {
  {
    CommandGuard::Scope busy(m_guard);
    // New settings move the map under the cursor.
    m_panel1->clear();
    if (m_doc.errMsg.empty()) {
      const gdi::EnhMetaFile page = m_composer(m_doc, m_progress);
      if (!page.isNull()) showPage(page);
    }
  }
  closeIfPending();
}

void MainWindow::showPage(const gdi::EnhMetaFile& page) {
  m_page = page;
  // The page file is written on its own thread while the screen draws.
  if (!m_pageFile.path().empty()) m_pageFileWriter.write(page, m_pageFile.path());
  m_ui.Picture2->showPage(page);
  emit pageShown();
}

void MainWindow::clearAndRedraw() {
  {
    CommandGuard::Scope busy(m_guard);
    m_ui.Picture2->clear();
    QCoreApplication::processEvents();
    redraw();
  }
  closeIfPending();
}

void MainWindow::editSettings() {
  if (m_guard.busy()) return;
  SettingsDialog& dialog = settingsDialog();
  if (const QScreen* screen = this->screen()) {
    // Before its first showing the dialog has no frame; the main window's
    // frame margins stand for it.
    dialog.fitScreen(screen->availableGeometry().size() - (frameGeometry().size() - size()));
  }
  m_places->place(dialog);
  const bool wasIsotropic = m_doc.meshOptions.isotropic;
  m_dialogs.runModal(dialog);
  if (dialog.ok() == 0 || !m_doc.hasData() || m_closed) return;
  // The isotropic mesh is a mesh of its own: the data is meshed again.
  if (m_doc.meshOptions.isotropic != wasIsotropic) {
    remesh();
  } else {
    clearAndRedraw();
  }
}

void MainWindow::showAbout() {
  if (m_guard.busy()) return;
  AboutDialog about(this);
  m_dialogs.runModal(about);
}

void MainWindow::showValueUnderCursor(float X, float Y) {
  // A load or a redraw in progress may be rebuilding the mesh.
  if (m_guard.busy()) return;
  if (const std::optional<std::string> text = CursorReadout(m_doc, X, Y)) m_panel1->setText(FromUtf8(*text));
}

}  // namespace plotvane::app

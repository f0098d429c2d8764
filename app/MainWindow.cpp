#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "app/CommandLine.h"
#include "app/GridWindow.h"
#include "app/LasClassDialog.h"
#include "app/PageSurface.h"
#include "app/SettingsDialog.h"
#include "app/SkipLinesDialog.h"
#include "app/TempPageFile.h"
#include "data/FileTitle.h"
#include "settings/ViewFile.h"

// Outside any namespace, as the resource's registration must be.
static void InitIconResource() { Q_INIT_RESOURCE(icons); }

namespace plotvane::app {
namespace {

// The client area below the menu bar opens at 617 x 516 pixels, of which the
// status bar takes the bottom 25; the surface's frame lies 8 pixels in from
// the left, top and right, 2 above the status bar, and grows with the window.
constexpr int kSurfaceMargin = 8;
constexpr int kSurfaceBottomMargin = 2;
constexpr int kStatusBarHeight = 25;

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, PageComposer composer, std::vector<std::string> pageFileFolders,
                       std::chrono::milliseconds progressDelay)
    : m_dialogs(dialogs),
      m_composer(std::move(composer)),
      m_pageFileFolders(std::move(pageFileFolders)),
      m_progress(
          this, [this] { return m_settingsDialog && m_settingsDialog->isVisible(); }, progressDelay) {
  m_ui.setupUi(this);
  setAcceptDrops(true);
  auto* surfaceLayout = new QHBoxLayout(m_ui.centralwidget);
  surfaceLayout->setContentsMargins(kSurfaceMargin, kSurfaceMargin, kSurfaceMargin, kSurfaceBottomMargin);
  surfaceLayout->addWidget(m_ui.Picture2);
  m_ui.StatusBar1->setFixedHeight(kStatusBarHeight);
  m_places = new WindowPlaces(*this);
  m_panel1 = new QLabel(m_ui.StatusBar1);
  m_panel1->setObjectName(QStringLiteral("Panel1"));
  m_ui.StatusBar1->addWidget(m_panel1, 1);
  // The window opens with the page at 100 %; the user may resize it.
  resize(sizeHint());
  setWindowIcon(ProgramIcon());
  // The usual keys beside the program's own Ctrl+N for データ読込.
  m_ui.mnuFileNew->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence::Open});
  m_ui.datahozon->setShortcut(QKeySequence::Save);
  m_ui.mnuFilePrint->setShortcut(QKeySequence::Print);
  connectCommands();
  addBreaklineCommands();
}

MainWindow::~MainWindow() { shutDown(); }

QIcon ProgramIcon() {
  // The icons are built into the program's library, so that the window has
  // its icon wherever it runs from, installed or not.
  InitIconResource();
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) icon.addFile(QStringLiteral(":/icons/plotvane-%1.png").arg(size));
  return icon;
}

// Each menu item to its command.
void MainWindow::connectCommands() {
  connect(m_ui.mnuFileNew, &QAction::triggered, this, &MainWindow::openData);
  connect(m_ui.mnuFileNew2, &QAction::triggered, this, &MainWindow::openDataSkippingLines);
  connect(m_ui.mnuFileExit, &QAction::triggered, this, &MainWindow::exitProgram);
  connect(m_ui.scale, &QAction::triggered, this, &MainWindow::editSettings);
  connect(m_ui.datahozon, &QAction::triggered, this, &MainWindow::saveData);
  connect(m_ui.gazouhozon, &QAction::triggered, this, &MainWindow::savePicture);
  connect(m_ui.mnuFilePrint, &QAction::triggered, this, &MainWindow::printPage);
  connect(m_ui.printTrueScale, &QAction::triggered, this, &MainWindow::printTrueScale);
  connect(m_ui.copy, &QAction::triggered, this, &MainWindow::copyPage);
  connect(m_ui.mnuViewCopy, &QAction::triggered, this, &MainWindow::copySettings);
  connect(m_ui.mnuViewPaste, &QAction::triggered, this, &MainWindow::pasteSettings);
  connect(m_ui.mnuViewSave, &QAction::triggered, this, &MainWindow::saveSettings);
  connect(m_ui.mnuViewRead, &QAction::triggered, this, &MainWindow::readSettings);
  connect(m_ui.atai, &QAction::triggered, this, &MainWindow::openValueWindow);
  connect(m_ui.koushi, &QAction::triggered, this, &MainWindow::openGridWindow);
  connect(m_ui.volume, &QAction::triggered, this, &MainWindow::openVolumeWindow);
  connect(m_ui.exportContours, &QAction::triggered, this, &MainWindow::exportContours);
  connect(m_ui.exportTin, &QAction::triggered, this, &MainWindow::exportTin);
  connect(m_ui.loadBoundary, &QAction::triggered, this, &MainWindow::openBoundary);
  connect(m_ui.clearSite, &QAction::triggered, this, &MainWindow::clearSiteShapes);
  connect(m_ui.mnuVer, &QAction::triggered, this, &MainWindow::showAbout);
  connect(m_ui.actualSize, &QAction::triggered, this, &MainWindow::showActualSize);
  connect(m_ui.fitPage, &QAction::triggered, this, &MainWindow::fitPageToWindow);
  connect(m_ui.Picture2, &PageSurface::mouseMovedMm, this, &MainWindow::showValueUnderCursor);
}

void MainWindow::startUp(const QString& commandLine) { startUpWithBytes(commandLine.toStdString()); }

void MainWindow::startUpWithBytes(const std::string& commandLineBytes) {
  m_pageFile = CreateTempPageFileIn(m_pageFileFolders);
  QGuiApplication::clipboard()->clear();
  const QString commandLine = QFile::decodeName(QByteArray::fromStdString(commandLineBytes));
  const std::optional<StartupFile> file = StartupFileOf(commandLineBytes);
  if (file && file->localPath.ends_with(".ctv")) {
    // A view file (opened from a file manager, say): its settings are read
    // as 設定の読込 reads them and kept as 設定のコピー keeps them, so that
    // 設定のペースト puts them onto the data loaded next.
    ReadViewFile(file->localPath, m_doc.settings);
    settingsDialog().ViewCopy();
  } else if (file) {
    m_doc.fileTitle = file->fileTitle;
    setWindowTitle(StartupCaption(file->fileName));
    openLocalDataFile(file->localPath);
  }
  m_fileDialogPath = commandLine;
  m_viewFileDialogPath = commandLine;
  m_gridFilePath = QFile::decodeName(QByteArray::fromStdString(StripCommandLineQuotes(commandLineBytes)));
}

void MainWindow::shutDown() {
  if (m_shutDown) return;
  m_shutDown = true;
  m_progress.close();
  for (auto it = m_loadedWindows.rbegin(); it != m_loadedWindows.rend(); ++it) {
    if (QWidget* window = it->data()) {
      window->close();
      delete window;
    }
  }
  m_loadedWindows.clear();
  m_pageFileWriter.wait();
  m_pageFile.remove();
}

void MainWindow::requestClose() { close(); }

void MainWindow::showEvent(QShowEvent* event) {
  // On a screen too small for the page at 100 % (a small one scaled to
  // 200 %) the window opens no larger than the screen's free area, the page
  // fitted to it.
  // The frame, where the window system has told it already, counts too.
  if (!m_shownBefore && screen() != nullptr) {
    resize(size().boundedTo(screen()->availableGeometry().size() - (frameGeometry().size() - size())));
  }
  m_shownBefore = true;
  QMainWindow::showEvent(event);
}

namespace {
// Modal windows stack at most a box over a dialog over a file dialog.
constexpr int kMaxNestedModals = 8;
}  // namespace

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_guard.busy()) {
    // The operation in progress still uses the document; close after it,
    // and ask a meshing to stop now rather than after seconds.
    m_closePending = true;
    m_progress.cancel();
    if (m_gridWindow) m_gridWindow->cancelConversion();
    event->ignore();
    return;
  }
  event->accept();
  // A box or dialog still open (the start-up error box, for one) runs an
  // event loop of its own that would outlive the program's end: hiding it
  // ends that loop.
  for (int open = 0; open < kMaxNestedModals; ++open) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == this) break;
    modal->hide();
  }
  if (!m_closed) {
    m_closed = true;
    emit closed();
  }
}

void MainWindow::closeIfPending() {
  if (m_closePending && !m_guard.busy()) {
    m_closePending = false;
    close();
  }
}

void MainWindow::exitProgram() {
  if (m_guard.busy()) return;
  close();
}

SettingsDialog& MainWindow::settingsDialog() {
  if (!m_settingsDialog) {
    m_settingsDialog = new SettingsDialog(m_doc, m_guard, m_dialogs, this);
    connect(m_settingsDialog, &SettingsDialog::redrawRequested, this, &MainWindow::clearAndRedraw);
    registerWindow(m_settingsDialog);
  }
  return *m_settingsDialog;
}

SkipLinesDialog& MainWindow::skipLinesDialog() {
  if (!m_skipLinesDialog) {
    m_skipLinesDialog = new SkipLinesDialog(this);
    registerWindow(m_skipLinesDialog);
  }
  return *m_skipLinesDialog;
}

LasClassDialog& MainWindow::lasClassDialog() {
  if (!m_lasClassDialog) {
    m_lasClassDialog = new LasClassDialog(this);
    registerWindow(m_lasClassDialog);
  }
  return *m_lasClassDialog;
}

void MainWindow::showActualSize() {
  if (m_guard.busy()) return;
  m_ui.Picture2->showActualSize();
}

void MainWindow::fitPageToWindow() {
  if (m_guard.busy()) return;
  m_ui.Picture2->fitToArea();
}

void MainWindow::registerWindow(QWidget* window) { m_loadedWindows.emplace_back(window); }

QString MainWindow::statusText() const { return m_panel1->text(); }

}  // namespace plotvane::app

#include "app/frmMain.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>

#include "app/CommandLine.h"
#include "app/Dialog.h"
#include "app/Form1.h"
#include "app/PageSurface.h"
#include "app/TempPageFile.h"
#include "data/FileTitle.h"

namespace plotvane::app {
namespace {

// The client area below the menu bar: 617 x 516 pixels, of which the status
// bar takes the bottom 25.
constexpr int kClientWidth = 617;
constexpr int kSurfaceAreaHeight = 491;
constexpr int kStatusBarHeight = 25;

}  // namespace

frmMain::frmMain(Dialogs& dialogs, PageComposer composer, QStringList pageFileFolders,
                 std::chrono::milliseconds progressDelay)
    : m_dialogs(dialogs),
      m_composer(std::move(composer)),
      m_pageFileFolders(std::move(pageFileFolders)),
      m_progress(
          this, [this] { return m_form1 && m_form1->isVisible(); }, progressDelay) {
  m_ui.setupUi(this);
  m_ui.centralwidget->setFixedSize(kClientWidth, kSurfaceAreaHeight);
  m_ui.StatusBar1->setFixedHeight(kStatusBarHeight);
  m_panel1 = new QLabel(m_ui.StatusBar1);
  m_panel1->setObjectName(QStringLiteral("Panel1"));
  m_ui.StatusBar1->addWidget(m_panel1, 1);
  // The surface and the status bar never move: the window keeps its size.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  connectCommands();
}

frmMain::~frmMain() { shutDown(); }

// Each menu item to its command.
void frmMain::connectCommands() {
  connect(m_ui.mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
  connect(m_ui.mnuFileNew2, &QAction::triggered, this, &frmMain::mnuFileNew2_Click);
  connect(m_ui.mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
  connect(m_ui.scale, &QAction::triggered, this, &frmMain::scale_Click);
  connect(m_ui.datahozon, &QAction::triggered, this, &frmMain::datahozon_Click);
  connect(m_ui.gazouhozon, &QAction::triggered, this, &frmMain::gazouhozon_Click);
  connect(m_ui.mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
  connect(m_ui.copy, &QAction::triggered, this, &frmMain::copy_Click);
  connect(m_ui.mnuViewCopy, &QAction::triggered, this, &frmMain::mnuViewCopy_Click);
  connect(m_ui.mnuViewPaste, &QAction::triggered, this, &frmMain::mnuViewPaste_Click);
  connect(m_ui.mnuViewSave, &QAction::triggered, this, &frmMain::mnuViewSave_Click);
  connect(m_ui.mnuViewRead, &QAction::triggered, this, &frmMain::mnuViewRead_Click);
  connect(m_ui.atai, &QAction::triggered, this, &frmMain::atai_Click);
  connect(m_ui.koushi, &QAction::triggered, this, &frmMain::koushi_Click);
  connect(m_ui.mnuVer, &QAction::triggered, this, &frmMain::mnuVer_Click);
  connect(m_ui.Picture2, &PageSurface::mouseMovedMm, this, &frmMain::Picture2_MouseMove);
}

void frmMain::startUp(const QString& commandLine) {
  m_ui.Text1->setText(QFile::decodeName(CreateTempPageFileIn(m_pageFileFolders).c_str()));
  QGuiApplication::clipboard()->clear();
  if (const std::optional<StartupFile> file = StartupFileOf(commandLine)) {
    m_doc.fileTitle = file->fileTitle;
    setWindowTitle(StartupCaption(file->fileName));
    m_doc.skipLines = 0;
    m_doc.skipPrefixes.clear();
    openDataFile(file->path);
  }
  m_dlgCommonDialogPath = commandLine;
  m_CommonDialog1Path = commandLine;
  m_form7Path = QString::fromStdString(StripCommandLineQuotes(commandLine.toStdString()));
}

void frmMain::shutDown() {
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
  DeleteTempPageFile(QFile::encodeName(pageFilePath()).toStdString());
}

void frmMain::requestClose() { close(); }

void frmMain::closeEvent(QCloseEvent* event) {
  if (m_guard.busy()) {
    // The operation in progress still uses the document; close after it.
    m_closePending = true;
    event->ignore();
    return;
  }
  event->accept();
  if (!m_closed) {
    m_closed = true;
    emit closed();
  }
}

void frmMain::closeIfPending() {
  if (m_closePending && !m_guard.busy()) {
    m_closePending = false;
    close();
  }
}

void frmMain::mnuFileExit_Click() {
  if (m_guard.busy()) return;
  close();
}

Form1& frmMain::form1() {
  if (!m_form1) {
    m_form1 = new Form1(m_doc, m_guard, this);
    connect(m_form1, &Form1::redrawRequested, this, &frmMain::clearAndRedraw);
    registerWindow(m_form1);
  }
  return *m_form1;
}

Dialog& frmMain::skipDialog() {
  if (!m_dialog) {
    m_dialog = new Dialog(this);
    registerWindow(m_dialog);
  }
  return *m_dialog;
}

void frmMain::registerWindow(QWidget* window) { m_loadedWindows.emplace_back(window); }

QString frmMain::statusText() const { return m_panel1->text(); }

QString frmMain::pageFilePath() const { return m_ui.Text1->text(); }

}  // namespace plotvane::app

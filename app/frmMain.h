#pragma once
// frmMain, the main window: the menu bar from which every command starts,
// the page on screen (Picture2) and the cursor read-out in the first panel
// of the status bar (StatusBar1). The window keeps its size.
//
// Life of the program:
// - startUp (the window's load), before the window is first shown: the
//   temporary page file (TempPageFile.h), the clipboard emptied, the file
//   named on the command line opened through the start-up road, the start
//   of the file dialogs set to the raw command-line text;
// - the commands, each a slot named after its menu item;
// - shutDown (the window's unload), after the event loop has ended: every
//   other window closed, the last loaded first, and the page file deleted.
//
// The window owns the document (points, mesh, settings) and the windows it
// loads; it owns no algorithm: loading is OpenDataFile, the page is composed
// by the PageComposer handed in, the read-out is CursorReadout.
//
// Adding a command: connect its action in connectCommands() (frmMain.cpp)
// to a slot that starts with `if (m_guard.busy()) return;`. A window the
// command loads is created with this window as parent and registered with
// registerWindow(), so that shutdown closes it. File dialogs and message
// boxes go through dialogs(); the page last shown is currentPage(), the
// same page the page file holds.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

#include "app/CommandGuard.h"
#include "app/Dialogs.h"
#include "app/ProgressWindow.h"
#include "data/Document.h"
#include "render/gdi/EnhMetaFile.h"
#include "ui_frmMain.h"

class QLabel;

namespace plotvane::app {

class Dialog;
class Form1;
class Form6;
class Form7;
class PageSurface;

// Composes the page of the document: a null picture when nothing can be
// drawn (errMsg not empty). Progress goes to the sink.
using PageComposer = std::function<gdi::EnhMetaFile(Document&, ProgressSink&)>;

class frmMain final : public QMainWindow {
  Q_OBJECT
 public:
  // pageFileFolders: where the temporary page file may go, in order of
  // preference (PageFileFolders()). progressDelay: the progress window's.
  frmMain(Dialogs& dialogs, PageComposer composer, QStringList pageFileFolders,
          std::chrono::milliseconds progressDelay = ProgressWindow::kDelay);
  ~frmMain() override;

  // The window's load, with the raw command-line text.
  void startUp(const QString& commandLine);
  // The window's unload. Runs once; later calls do nothing.
  void shutDown();
  // Closes the window as its close button does. During a load or a redraw
  // the close waits until the operation has ended.
  void requestClose();
  // Whether the window has been closed (the program is ending).
  bool closeRequested() const { return m_closed; }

  // OpenDataFile with the window's parts: the surface cleared and shown
  // blank first, errors in a message box titled "Error", the page drawn on
  // success. The caller has set the caption, fileTitle and the skip values.
  void openDataFile(const QString& path);
  // Composes the page, shows it in Picture2 and copies it to the page file;
  // does nothing while errMsg is not empty.
  void redraw();
  // Clears Picture2, lets pending events run, redraws: after a settings change.
  void clearAndRedraw();

  Document& document() { return m_doc; }
  Dialogs& dialogs() { return m_dialogs; }
  CommandGuard& guard() { return m_guard; }
  ProgressWindow& progress() { return m_progress; }
  PageSurface* Picture2() const { return m_ui.Picture2; }
  const Ui::frmMain& controls() const { return m_ui; }
  // The first panel of the status bar.
  QString statusText() const;
  // The page last composed; null before the first.
  const gdi::EnhMetaFile& currentPage() const { return m_page; }
  // The temporary page file (the hidden Text1); empty when none could be made.
  QString pageFilePath() const;
  // Where the main window's file dialog (dlgCommonDialog) opens next, and
  // the settings dialog's (CommonDialog1).
  QString& dlgCommonDialogPath() { return m_dlgCommonDialogPath; }
  QString& CommonDialog1Path() { return m_CommonDialog1Path; }

  // The settings dialog, created on first use and kept until shutdown.
  Form1& form1();
  // Shutdown closes the window, in reverse order of registration.
  void registerWindow(QWidget* window);

 signals:
  // A composed page has reached Picture2 and the page file.
  void pageShown();
  // The window has closed; the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectCommands();
  void closeIfPending();
  void showPage(const gdi::EnhMetaFile& page);
  void loadChosenFile(const QString& path);
  Dialog& skipDialog();

  void mnuFileNew_Click();
  void mnuFileNew2_Click();
  void mnuFileExit_Click();
  void scale_Click();
  void mnuVer_Click();
  void Picture2_MouseMove(float X, float Y);
  // frmMainOutput.cpp
  void datahozon_Click();
  void gazouhozon_Click();
  void mnuFilePrint_Click();
  void copy_Click();
  void mnuViewCopy_Click();
  void mnuViewPaste_Click();
  void mnuViewSave_Click();
  void mnuViewRead_Click();
  void reportSaveFailure(const QString& error);
  // frmMainTools.cpp
  void atai_Click();
  void koushi_Click();

  Ui::frmMain m_ui;
  QLabel* m_panel1 = nullptr;
  Dialogs& m_dialogs;
  PageComposer m_composer;
  QStringList m_pageFileFolders;
  CommandGuard m_guard;
  Document m_doc;
  ProgressWindow m_progress;
  gdi::EnhMetaFile m_page;
  QString m_dlgCommonDialogPath;
  QString m_CommonDialog1Path;
  QPointer<Form1> m_form1;
  QPointer<Form6> m_form6;
  QPointer<Form7> m_form7;
  // Where the grid window's save dialog starts: the last grid file saved.
  QString m_form7Path;
  QPointer<Dialog> m_dialog;
  std::vector<QPointer<QWidget>> m_loadedWindows;
  bool m_closePending = false;
  bool m_closed = false;
  bool m_shutDown = false;
};

}  // namespace plotvane::app

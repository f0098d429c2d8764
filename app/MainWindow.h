#pragma once
// MainWindow, the main window: the menu bar from which every command starts,
// the page on screen (Picture2) and the cursor read-out in the first panel
// of the status bar (StatusBar1). The window opens with the page at 100 %
// and may be resized; the page then fits it, or is zoomed and panned
// (PageSurface.h).
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
// Adding a command: connect its action in connectCommands() (MainWindow.cpp)
// to a slot that starts with `if (m_guard.busy()) return;`. A window the
// command loads is created with this window as parent and registered with
// registerWindow(), so that shutdown closes it. File dialogs and message
// boxes go through dialogs(); the page last shown is currentPage(), the
// same page the page file holds.

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/CommandGuard.h"
#include "app/Dialogs.h"
#include "app/PageFileWriter.h"
#include "app/ProgressWindow.h"
#include "app/TempPageFile.h"
#include "app/WindowPlacement.h"
#include "common/Failure.h"
#include "contours/CoordinateSystem.h"
#include "data/DataFileReader.h"
#include "data/Document.h"
#include "data/SiteShapes.h"
#include "load/OpenDataFile.h"
#include "render/gdi/EnhMetaFile.h"
#include "ui_MainWindow.h"

class QLabel;

namespace plotvane::app {

// The program's icon in its sizes, for its windows.
QIcon ProgramIcon();

class LasClassDialog;
class SkipLinesDialog;
class SettingsDialog;
class ValueWindow;
class GridWindow;
class VolumeWindow;
class PageSurface;

// Composes the page of the document: a null picture when nothing can be
// drawn (errMsg not empty). Progress goes to the sink.
using PageComposer = std::function<gdi::EnhMetaFile(Document&, ProgressSink&)>;

class MainWindow final : public QMainWindow {
  Q_OBJECT
 public:
  // pageFileFolders: where the temporary page file may go, in order of
  // preference (PageFileFolders()). progressDelay: the progress window's.
  MainWindow(Dialogs& dialogs, PageComposer composer, std::vector<std::string> pageFileFolders,
             std::chrono::milliseconds progressDelay = ProgressWindow::kDelay);
  ~MainWindow() override;

  // The window's load, with the raw command-line text.
  void startUp(const QString& commandLine);
  // The same with the command line's bytes as the system gave them: a file
  // name that is not valid UTF-8 opens byte for byte.
  void startUpWithBytes(const std::string& commandLine);
  // The window's unload. Runs once; later calls do nothing.
  void shutDown();
  // Closes the window as its close button does. During a load or a redraw
  // the close waits until the operation has ended.
  void requestClose();
  // Whether the window has been closed (the program is ending).
  bool closeRequested() const { return m_closed; }

  // OpenDataFile with the window's parts: the surface cleared and shown
  // blank first, errors in a message box titled "Error", the page drawn on
  // success. The caller has set the caption and fileTitle.
  void openDataFile(const QString& path, const SkipOptions& skip = {}, const LoadOptions& options = {});
  // The same for a path in the file system's bytes.
  LoadStatus openLocalDataFile(const std::string& path, const SkipOptions& skip = {}, const LoadOptions& options = {});
  // Forgets the session's breaklines and meshes the data now loaded again
  // without them (MainWindowBreaklines.cpp).
  void clearBreaklines();
  // The status bar's panel that names the breakline file in force.
  QString breaklineText() const;
  // Composes the page, shows it in Picture2 and copies it to the page file;
  // does nothing while errMsg is not empty.
  void redraw();
  // Clears Picture2, lets pending events run, redraws: after a settings change.
  void clearAndRedraw();

  Document& document() { return m_doc; }
  Dialogs& dialogs() { return m_dialogs; }
  CommandGuard& guard() { return m_guard; }
  ProgressWindow& progress() { return m_progress; }
  PageSurface* pageSurface() const { return m_ui.Picture2; }
  const Ui::MainWindow& controls() const { return m_ui; }
  // The first panel of the status bar.
  QString statusText() const;
  // The page last composed; null before the first.
  const gdi::EnhMetaFile& currentPage() const { return m_page; }
  // The temporary page file, once the page shown is wholly in it; empty when
  // none could be made.
  const std::string& pageFilePath() {
    m_pageFileWriter.wait();
    return m_pageFile.path();
  }
  // Where the main window's file dialog (dlgCommonDialog) opens next, and
  // the settings dialog's (CommonDialog1).
  QString& fileDialogPath() { return m_fileDialogPath; }
  QString& viewFileDialogPath() { return m_viewFileDialogPath; }

  // The settings dialog, created on first use and kept until shutdown.
  SettingsDialog& settingsDialog();
  // Shutdown closes the window, in reverse order of registration.
  void registerWindow(QWidget* window);

 signals:
  // A composed page has reached Picture2 and the page file.
  void pageShown();
  // The window has closed; the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // A data or contour file dropped on the window opens as データ読込 opens
  // the file it chose; ignored while a load or a redraw runs.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void connectCommands();
  void closeIfPending();
  void showPage(const gdi::EnhMetaFile& page);
  void loadChosenFile(const QString& path, const SkipOptions& skip = {}, const LoadOptions& options = {});
  SkipLinesDialog& skipLinesDialog();
  LasClassDialog& lasClassDialog();

  void openData();
  bool chooseLandXmlSurface(const std::string& path, std::string& surface);
  void openDataSkippingLines();
  void exitProgram();
  void editSettings();
  void showAbout();
  void showValueUnderCursor(float X, float Y);
  // The display menu: the page at 100 %, or fitting the window.
  void showActualSize();
  void fitPageToWindow();
  // MainWindowOutput.cpp
  void saveData();
  void savePicture();
  void printPage();
  // MainWindowTrueScale.cpp
  void printTrueScale();
  void copyPage();
  void copySettings();
  void pasteSettings();
  void saveSettings();
  void readSettings();
  void reportSaveFailure(const WriteOutcome& failure);
  // MainWindowBreaklines.cpp
  void addBreaklineCommands();
  void readBreaklines();
  // Meshes the data now loaded again with the session's mesh options
  // (m_doc.meshOptions), keeping the drawing settings. Returns the load's status.
  LoadStatus remesh();
  void showBreaklineFile();
  LoadStatus loadIntoDocument(const std::string& path, const SkipOptions& skip, const LoadOptions& options,
                              const DrawSettings* keep);

  // MainWindowTools.cpp
  void openValueWindow();
  void openGridWindow();
  void exportContours();
  void openVolumeWindow();
  void showDifference(const std::shared_ptr<Document>& difference);
  void noteWindowOutsideData();
  void exportTin();
  // MainWindowSite.cpp
  void openBoundary();
  // Forgets the session's boundary (and whatever other site shapes join it):
  // the data is drawn whole again.
  void clearSiteShapes();
  // Masks the document with the session's boundary, if any; a boundary that
  // does not fit the data leaves it whole and comes back as the failure,
  // for the caller to report once its operation has ended.
  std::optional<Failure> applySiteShapes();
  void reportSiteFailure(const std::optional<Failure>& failure);
  void showSiteInTitle();

  Ui::MainWindow m_ui;
  QLabel* m_panel1 = nullptr;
  QLabel* m_breaklinePanel = nullptr;
  // The file loaded last and how, for meshing it again with other mesh options.
  std::string m_loadedPath;
  SkipOptions m_loadedSkip;
  LoadOptions m_loadedOptions;
  Dialogs& m_dialogs;
  PageComposer m_composer;
  std::vector<std::string> m_pageFileFolders;
  CommandGuard m_guard;
  Document m_doc;
  ProgressWindow m_progress;
  gdi::EnhMetaFile m_page;
  TempPageFile m_pageFile;
  PageFileWriter m_pageFileWriter;  // after the file: finishes before the file goes
  QString m_fileDialogPath;
  QString m_viewFileDialogPath;
  QPointer<SettingsDialog> m_settingsDialog;
  QPointer<ValueWindow> m_valueWindow;
  QPointer<GridWindow> m_gridWindow;
  QPointer<VolumeWindow> m_volumeWindow;
  // Where the grid window's save dialog starts: the last grid file saved.
  QString m_gridFilePath;
  // Where the contour export's save dialog starts: the last file exported.
  QString m_contourFilePath;
  QString m_tinFilePath;
  // The coordinate system last chosen for a GIS file, for the run.
  CoordinateSystem m_coordinateSystem;
  // The session's boundary, applied to every load until cleared; its file
  // name for the title, empty when there is none.
  SiteShapes m_boundaryShapes;
  QString m_boundaryName;
  QString m_siteFileDialogPath;
  QPointer<SkipLinesDialog> m_skipLinesDialog;
  QPointer<LasClassDialog> m_lasClassDialog;
  // Where the settings dialog and the tool windows were last put.
  WindowPlaces* m_places = nullptr;
  std::vector<QPointer<QWidget>> m_loadedWindows;
  bool m_closePending = false;
  bool m_closed = false;
  bool m_shutDown = false;
  bool m_shownBefore = false;
};

}  // namespace plotvane::app

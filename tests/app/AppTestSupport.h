#pragma once
// Helpers of the desktop program's tests: scripted answers to every dialog,
// small data files, and a main window wired to the real page composition.

#include <QDialog>
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "support/TempDir.h"

class QPrinter;

namespace plotvane::test {

// Answers file dialogs from a queue (an empty answer, or an empty queue, is
// a cancel), records every request and message, and runs a script on each
// modal dialog while it is shown.
class ScriptedDialogs final : public app::Dialogs {
 public:
  struct FileRequest {
    QString title, filter, start;
  };
  struct Message {
    QString title, text;
  };

  std::deque<QString> fileAnswers;
  // The filter entry a save dialog reports as selected, per answer; an empty
  // or missing one reports none (the dialog's first entry counts then).
  std::deque<QString> selectedFilters;
  std::vector<FileRequest> fileRequests;
  std::vector<Message> messages;
  // Answers to Yes/No questions (an empty queue answers No), and the
  // questions asked.
  std::deque<bool> askAnswers;
  std::vector<Message> questions;
  // Runs with the dialog shown; it should end the dialog with a button.
  std::function<void(QDialog&)> modalScript;
  int modalCount = 0;
  // Dialogs the script left on screen (they are hidden afterwards).
  int leftOpen = 0;
  // Answers the printer dialog: sets the printer up and returns true, or
  // returns false (cancel). None: cancel.
  std::function<bool(QPrinter&)> printerScript;
  QStringList printerTitles;

  QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) override;
  QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                   QString* selectedFilter) override;
  void message(QWidget* parent, const QString& title, const QString& text) override;
  bool ask(QWidget* parent, const QString& title, const QString& text) override;
  void runModal(QDialog& dialog) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
};

// A text data file of an nx x ny lattice over X 0..100, Y 0..50 with
// Z = X + 2Y, in the folder; returns its path.
std::string WriteLatticeFile(const TempDir& dir, const std::string& name, int nx = 11, int ny = 6);

// A layout rectangle given in twips, in pixels at 96 dpi (15 twips each).
QRect PixelsOfTwips(const QRect& twips);

// Whether a control laid out at `specified` keeps its place once the number
// boxes have been widened (NumberBoxes.h): the same rows, never further left,
// never narrower.
bool KeepsItsPlace(const QRect& actual, const QRect& specified);

// Installs the Qt text measurer once (the page's text needs it).
void InstallTextMeasurer();

// A main window over the scripted dialogs with its page file in folder.
std::unique_ptr<app::MainWindow> MakeMainWindow(ScriptedDialogs& dialogs, const std::string& folder,
                                                std::chrono::milliseconds progressDelay = app::ProgressWindow::kDelay);

// The fixture of the main window's suites: before each test a fresh folder,
// scripted dialogs and a main window started without a file; after it, all
// three gone. A suite derives from it and may add to init() by declaring its
// own and calling MainWindowSuite::init() first.
class MainWindowSuite : public QObject {
  Q_OBJECT
 protected slots:
  void init();
  void cleanup();

 protected:
  std::unique_ptr<TempDir> m_dir;
  std::unique_ptr<ScriptedDialogs> m_dialogs;
  std::unique_ptr<app::MainWindow> m_window;
};

// Counts how often a progress window is shown while it lives.
class ProgressShowCounter final : public QObject {
 public:
  ProgressShowCounter();
  int count() const { return m_count; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int m_count = 0;
};

}  // namespace plotvane::test

#include "AppTestSupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#include "qtplay/QtFonts.h"
#include "render/LabelledPage.h"
#include "render/PageComposition.h"
#include "render/gdi/TextMeasurer.h"
#include "support/PointGenerators.h"

namespace plotvane::test {
namespace {

QString NextAnswer(std::deque<QString>& answers) {
  if (answers.empty()) return {};
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

QString ScriptedDialogs::openFile(QWidget*, const QString& title, const QString& filter, const QString& start) {
  fileRequests.push_back({title, filter, start});
  return NextAnswer(fileAnswers);
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& title, const QString& filter, const QString& start,
                                  QString* selectedFilter) {
  fileRequests.push_back({title, filter, start});
  const QString selected = NextAnswer(selectedFilters);
  if (selectedFilter) *selectedFilter = selected;
  return NextAnswer(fileAnswers);
}

void ScriptedDialogs::message(QWidget*, const QString& title, const QString& text) {
  messages.push_back({title, text});
}

bool ScriptedDialogs::ask(QWidget*, const QString& title, const QString& text) {
  questions.push_back({title, text});
  if (askAnswers.empty()) return false;
  const bool answer = askAnswers.front();
  askAnswers.pop_front();
  return answer;
}

void ScriptedDialogs::runModal(QDialog& dialog) {
  ++modalCount;
  dialog.show();
  if (modalScript) modalScript(dialog);
  if (dialog.isVisible()) {
    ++leftOpen;
    dialog.hide();
  }
}

bool ScriptedDialogs::setUpPrinter(QWidget*, QPrinter& printer, const QString& title) {
  printerTitles.push_back(title);
  return printerScript && printerScript(printer);
}

std::string WriteLatticeFile(const TempDir& dir, const std::string& name, int nx, int ny) {
  Points points;
  for (int i = 0; i < nx; ++i) {
    for (int j = 0; j < ny; ++j) {
      const double x = 100.0 * i / (nx - 1);
      const double y = 50.0 * j / (ny - 1);
      points.add(x, y, x + 2 * y);
    }
  }
  return dir.write(name, DataFileText(points));
}

QRect PixelsOfTwips(const QRect& twips) {
  return QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

bool KeepsItsPlace(const QRect& actual, const QRect& specified) {
  return actual.top() == specified.top() && actual.height() == specified.height() &&
         actual.left() >= specified.left() && actual.width() >= specified.width();
}

void InstallTextMeasurer() {
  static const bool installed = [] {
    gdi::SetTextMeasurer(std::make_shared<qtplay::QtTextMeasurer>());
    return true;
  }();
  (void)installed;
}

std::unique_ptr<app::MainWindow> MakeMainWindow(ScriptedDialogs& dialogs, const std::string& folder,
                                                std::chrono::milliseconds progressDelay) {
  InstallTextMeasurer();
  return std::make_unique<app::MainWindow>(dialogs, ComposeLabelledPage, std::vector<std::string>{folder},
                                           progressDelay);
}

void MainWindowSuite::init() {
  m_dir = std::make_unique<TempDir>();
  m_dialogs = std::make_unique<ScriptedDialogs>();
  m_window = MakeMainWindow(*m_dialogs, m_dir->path());
  m_window->startUp(QString());
}

void MainWindowSuite::cleanup() {
  m_window.reset();
  m_dialogs.reset();
  m_dir.reset();
}

ProgressShowCounter::ProgressShowCounter() { QCoreApplication::instance()->installEventFilter(this); }

bool ProgressShowCounter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("ProgressWindow")) ++m_count;
  return false;
}

}  // namespace plotvane::test

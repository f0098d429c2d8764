// The progress window's delayed appearance. Time is driven by the window's
// own delay: short delays stand in for long operations, the real 500 ms for
// short ones.

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QThread>

#include "AppSuites.h"
#include "app/ProgressWindow.h"
#include "common/Messages.h"

using namespace plotvane;
using namespace plotvane::app;
using namespace std::chrono_literals;

class ProgressWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void shortOperationNeverShows();
  void showsAtFirstUpdateAfterDelay();
  void neverShowsWhileSettingsDialogVisible();
  void closeStartsAfresh();
  void updateAfterCloseCreatesHidden();
};

void ProgressWindowTest::shortOperationNeverShows() {
  ProgressWindow progress(nullptr, [] { return false; });
  progress.prepare(messages::kProgressMeshing);
  QVERIFY(progress.window() != nullptr);
  for (int v : {0, 5, 10, 55, 100}) {
    progress.update(v);
    QVERIFY(!progress.window()->isVisible());
  }
  QCOMPARE(progress.bar()->value(), 100);
  progress.close();
  QVERIFY(progress.window() == nullptr);
}

void ProgressWindowTest::showsAtFirstUpdateAfterDelay() {
  ProgressWindow progress(
      nullptr, [] { return false; }, 20ms);
  progress.prepare(messages::kProgressDrawing);
  QCOMPARE(progress.label()->text(), QStringLiteral("描画中です。"));
  QCOMPARE(progress.bar()->minimum(), 0);
  QCOMPARE(progress.bar()->maximum(), 100);
  QThread::msleep(40);
  // The delay has passed, but no event has been processed yet.
  QVERIFY(!progress.window()->isVisible());
  progress.update(30);
  QVERIFY(progress.window()->isVisible());
  QVERIFY(!progress.timerRunning());
  QCOMPARE(progress.bar()->value(), 30);
}

void ProgressWindowTest::neverShowsWhileSettingsDialogVisible() {
  bool settingsVisible = true;
  ProgressWindow progress(
      nullptr, [&] { return settingsVisible; }, 20ms);
  progress.prepare(messages::kProgressDrawing);
  QThread::msleep(40);
  progress.update(10);
  QVERIFY(!progress.window()->isVisible());
  // The timer has run once; the window stays hidden for the rest of its life.
  settingsVisible = false;
  QThread::msleep(40);
  progress.update(20);
  QVERIFY(!progress.window()->isVisible());
  QVERIFY(!progress.timerRunning());
}

void ProgressWindowTest::closeStartsAfresh() {
  ProgressWindow progress(
      nullptr, [] { return false; }, 20ms);
  progress.prepare(messages::kProgressMeshing);
  QThread::msleep(40);
  progress.update(50);
  QVERIFY(progress.window()->isVisible());
  progress.close();
  progress.prepare(messages::kProgressDrawing);
  QVERIFY(!progress.window()->isVisible());
  QVERIFY(progress.timerRunning());
  QCOMPARE(progress.bar()->value(), 0);
}

void ProgressWindowTest::updateAfterCloseCreatesHidden() {
  ProgressWindow progress(nullptr, [] { return false; });
  progress.prepare(messages::kProgressDrawing);
  progress.close();
  progress.update(40);
  QVERIFY(progress.window() != nullptr);
  QVERIFY(!progress.window()->isVisible());
  QCOMPARE(progress.label()->text(), QStringLiteral("メッシュの作成中です。"));
  QCOMPARE(progress.window()->windowTitle(), QStringLiteral("しばらくお待ちください"));
}

PLOTVANE_APP_SUITE(ProgressWindowTest)
#include "ProgressWindowTest.moc"

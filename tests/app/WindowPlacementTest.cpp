// Where the settings dialog and the tool windows appear: beside the main
// window when the screen has room, and where the user last put them for the
// rest of the run. CTest runs this suite on a wide offscreen screen
// (wide-screen.json); the rule itself is checked on rectangles.

#include <QScreen>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/GridWindow.h"
#include "app/SettingsDialog.h"
#include "app/ValueWindow.h"
#include "app/WindowPlacement.h"

using namespace plotvane;
using namespace plotvane::app;

class WindowPlacementTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void besidePosition_data();
  void besidePosition();
  void settingsDialogBesideAndWhereMoved();
  void toolWindowsBesideAndWhereMoved();
  void besideResizedMainWindow();

 private:
  bool besideMainWindow(const QWidget& window) const {
    const QRect main = m_window->frameGeometry();
    const QRect other = window.frameGeometry();
    return !main.intersects(other) && other.top() == main.top();
  }
};

void WindowPlacementTest::init() {
  MainWindowSuite::init();
  m_window->move(100, 100);
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));
}

void WindowPlacementTest::besidePosition_data() {
  QTest::addColumn<QRect>("anchor");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QRect>("screen");
  QTest::addColumn<QPoint>("expected");  // (-1, -1): no room
  const QRect screen(0, 0, 1920, 1080);
  QTest::newRow("right") << QRect(100, 50, 620, 540) << QSize(400, 200) << screen << QPoint(728, 50);
  QTest::newRow("exactly fits right") << QRect(100, 50, 620, 540) << QSize(1192, 200) << screen << QPoint(728, 50);
  QTest::newRow("left") << QRect(1000, 50, 620, 540) << QSize(500, 200) << screen << QPoint(492, 50);
  QTest::newRow("neither") << QRect(600, 50, 620, 540) << QSize(700, 200) << screen << QPoint(-1, -1);
  QTest::newRow("kept on screen vertically")
      << QRect(100, 900, 620, 540) << QSize(400, 300) << screen << QPoint(728, 780);
  QTest::newRow("taller than screen") << QRect(100, 50, 620, 540) << QSize(400, 1200) << screen << QPoint(-1, -1);
  QTest::newRow("screen not at origin") << QRect(2000, 100, 620, 540) << QSize(400, 200) << QRect(1920, 0, 1280, 1024)
                                        << QPoint(2628, 100);
}

void WindowPlacementTest::besidePosition() {
  QFETCH(QRect, anchor);
  QFETCH(QSize, size);
  QFETCH(QRect, screen);
  QFETCH(QPoint, expected);
  QCOMPARE(BesidePosition(anchor, size, screen).value_or(QPoint(-1, -1)), expected);
}

void WindowPlacementTest::settingsDialogBesideAndWhereMoved() {
  QVERIFY(m_window->screen()->availableGeometry().width() >= 2000);
  QPoint shown;
  bool beside = false;
  m_dialogs->modalScript = [&](QDialog& d) {
    shown = d.pos();
    beside = besideMainWindow(d);
    // The user drags it elsewhere and closes it.
    d.move(1500, 600);
    QTest::mouseClick(dynamic_cast<SettingsDialog&>(d).controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QVERIFY(beside);
  m_dialogs->modalScript = [&](QDialog& d) {
    shown = d.pos();
    QTest::mouseClick(dynamic_cast<SettingsDialog&>(d).controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(shown, QPoint(1500, 600));
}

void WindowPlacementTest::toolWindowsBesideAndWhereMoved() {
  m_window->controls().atai->trigger();
  ValueWindow* value = m_window->findChild<ValueWindow*>();
  QVERIFY(value != nullptr);
  QVERIFY(besideMainWindow(*value));
  // Moved, closed (and destroyed), opened again: where it was left.
  value->move(1300, 700);
  value->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  m_window->controls().atai->trigger();
  value = m_window->findChild<ValueWindow*>();
  QVERIFY(value != nullptr);
  QCOMPARE(value->pos(), QPoint(1300, 700));

  m_window->controls().koushi->trigger();
  const GridWindow* grid = m_window->findChild<GridWindow*>();
  QVERIFY(grid != nullptr);
  QVERIFY(besideMainWindow(*grid));
}

// The main window grown by the user: the windows open beside its new frame.
void WindowPlacementTest::besideResizedMainWindow() {
  m_window->resize(m_window->size() + QSize(400, 250));
  m_window->controls().koushi->trigger();
  const GridWindow* grid = m_window->findChild<GridWindow*>();
  QVERIFY(grid != nullptr);
  QVERIFY(besideMainWindow(*grid));
  QVERIFY(grid->frameGeometry().left() > m_window->frameGeometry().right());
}

PLOTVANE_APP_SUITE(WindowPlacementTest)
#include "WindowPlacementTest.moc"

// The windows on small screens. The settings dialog fits a 1366 x 768 screen
// and a 2560 x 1440 one at 200 % (1280 x 720 in the program's pixels) as it
// is; on a 1366 x 768 screen at 200 % its controls scroll inside it and still
// work, and the main window opens within the screen, the page fitted to it.
// CTest runs this suite on three offscreen screens (three-screens.json).

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/ScreenFit.h"
#include "app/SettingsDialog.h"

using namespace plotvane;
using namespace plotvane::app;

class SmallScreenTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void fittedSize_data();
  void fittedSize();
  void dialogFitsScreen_data();
  void dialogFitsScreen();
  void mainWindowOpensWithinScreen_data();
  void mainWindowOpensWithinScreen();

 private:
  // Shows the main window on the named screen; nullptr without it.
  QScreen* showOn(const QString& name);
};

QScreen* SmallScreenTest::showOn(const QString& name) {
  QScreen* target = nullptr;
  for (QScreen* s : QGuiApplication::screens()) {
    if (s->name() == name) target = s;
  }
  if (target == nullptr) return nullptr;
  m_window->winId();
  m_window->windowHandle()->setScreen(target);
  m_window->move(target->availableGeometry().topLeft());
  m_window->show();
  if (!QTest::qWaitForWindowExposed(m_window.get())) return nullptr;
  return target;
}

void SmallScreenTest::fittedSize_data() {
  QTest::addColumn<QSize>("natural");
  QTest::addColumn<QSize>("room");
  QTest::addColumn<QSize>("expected");
  QTest::newRow("room enough") << QSize(1063, 208) << QSize(1366, 740) << QSize(1063, 208);
  QTest::newRow("exactly") << QSize(1063, 208) << QSize(1063, 208) << QSize(1063, 208);
  QTest::newRow("too narrow") << QSize(1063, 208) << QSize(683, 360) << QSize(683, 208 + 15);
  QTest::newRow("too low") << QSize(400, 500) << QSize(683, 360) << QSize(400 + 15, 360);
  // The horizontal bar takes the height that was just enough.
  QTest::newRow("narrow, then low") << QSize(1063, 350) << QSize(683, 360) << QSize(683, 360);
  QTest::newRow("both") << QSize(1063, 500) << QSize(683, 360) << QSize(683, 360);
}

void SmallScreenTest::fittedSize() {
  QFETCH(QSize, natural);
  QFETCH(QSize, room);
  QFETCH(QSize, expected);
  QCOMPARE(FittedSize(natural, room, 15), expected);
}

void SmallScreenTest::dialogFitsScreen_data() {
  QTest::addColumn<QString>("screen");
  QTest::addColumn<bool>("scrolls");
  QTest::newRow("1366 x 768") << "laptop" << false;
  QTest::newRow("2560 x 1440 at 200 %") << "hidpi" << false;
  QTest::newRow("1366 x 768 at 200 %") << "small" << true;
}

void SmallScreenTest::dialogFitsScreen() {
  QFETCH(QString, screen);
  QFETCH(bool, scrolls);
  QScreen* target = showOn(screen);
  if (target == nullptr) QSKIP("needs the screens of three-screens.json, as CTest sets them");
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));

  QRect frame;
  QSize natural;
  QScrollArea* scroll = nullptr;
  int scrollsAcross = 0;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& dialog = dynamic_cast<SettingsDialog&>(d);
    frame = dialog.frameGeometry();
    natural = dialog.naturalSize();
    scroll = dialog.findChild<QScrollArea*>();
    if (scroll) scrollsAcross = scroll->horizontalScrollBar()->maximum() + scroll->viewport()->width();
    // The controls work where they are: a new band count, OK.
    dialog.controls().n->setText(QStringLiteral("7"));
    QTest::mouseClick(dialog.controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(m_dialogs->modalCount, 1);
  QCOMPARE(m_window->document().settings.n, std::string("7"));
  const QRect available = target->availableGeometry();
  QVERIFY2(frame.width() <= available.width() && frame.height() <= available.height(),
           qPrintable(QStringLiteral("%1 x %2").arg(frame.width()).arg(frame.height())));
  QCOMPARE(scroll != nullptr, scrolls);
  if (!scrolls) {
    QCOMPARE(m_window->settingsDialog().size(), natural);
    return;
  }
  // Every control can be scrolled to: the content is the whole layout.
  QCOMPARE(scroll->widget()->size(), natural);
  QCOMPARE(scrollsAcross, natural.width());
  QVERIFY(scroll->widget()->isAncestorOf(m_window->settingsDialog().controls().Command1));
}

void SmallScreenTest::mainWindowOpensWithinScreen_data() { dialogFitsScreen_data(); }

void SmallScreenTest::mainWindowOpensWithinScreen() {
  QFETCH(QString, screen);
  QFETCH(bool, scrolls);
  QScreen* target = showOn(screen);
  if (target == nullptr) QSKIP("needs the screens of three-screens.json, as CTest sets them");
  const QSize available = target->availableGeometry().size();
  QVERIFY(m_window->width() <= available.width() && m_window->height() <= available.height());
  // Where the page at 100 % fits, the window opens at its usual size.
  QCOMPARE(m_window->pageSurface()->contentsRect().size() == QSize(597, 477), !scrolls);
  QVERIFY(m_window->pageSurface()->fitsArea());
}

PLOTVANE_APP_SUITE(SmallScreenTest)
#include "SmallScreenTest.moc"

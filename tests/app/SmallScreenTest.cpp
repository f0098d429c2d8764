// The windows on small screens: on a 1366 x 768 screen and a 2560 x 1440 one
// at 200 % (1280 x 720 in the program's pixels) both open as usual; on a
// 1366 x 768 one at 200 % the main window opens within it, the page fitted,
// and the settings dialog's controls scroll inside it and still work. CTest
// runs this suite on three offscreen screens (three-screens.json).

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/PageSurface.h"
#include "app/SettingsDialog.h"

using namespace plotvane;
using namespace plotvane::app;

class SmallScreenTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void windowsFitScreen_data();
  void windowsFitScreen();
};

void SmallScreenTest::windowsFitScreen_data() {
  QTest::addColumn<QString>("screen");
  QTest::addColumn<bool>("small");  // smaller than the windows' usual sizes
  QTest::newRow("1366 x 768") << "laptop" << false;
  QTest::newRow("2560 x 1440 at 200 %") << "hidpi" << false;
  QTest::newRow("1366 x 768 at 200 %") << "small" << true;
}

void SmallScreenTest::windowsFitScreen() {
  QFETCH(QString, screen);
  QFETCH(bool, small);
  const auto screens = QGuiApplication::screens();
  const auto it = std::find_if(screens.begin(), screens.end(), [&](QScreen* s) { return s->name() == screen; });
  if (it == screens.end()) QSKIP("needs the screens of three-screens.json, as CTest sets them");
  const QRect available = (*it)->availableGeometry();
  m_window->winId();
  m_window->windowHandle()->setScreen(*it);
  m_window->move(available.topLeft());
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  QVERIFY(available.contains(m_window->frameGeometry()));
  QCOMPARE(m_window->pageSurface()->contentsRect().size() != QSize(597, 477), small);

  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));
  QRect frame;
  int across = 0;  // how far the content reaches across, scrolled or not
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& dialog = dynamic_cast<SettingsDialog&>(d);
    frame = dialog.frameGeometry();
    const auto* scroll = dialog.findChild<QScrollArea*>();
    across = scroll ? scroll->horizontalScrollBar()->maximum() + scroll->viewport()->width() : dialog.width();
    dialog.controls().n->setText(QStringLiteral("7"));
    QTest::mouseClick(dialog.controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(m_window->document().settings.n, std::string("7"));
  QVERIFY(frame.width() <= available.width() && frame.height() <= available.height());
  QCOMPARE(across, m_window->settingsDialog().naturalSize().width());
  QCOMPARE(frame.width() < across, small);
}

PLOTVANE_APP_SUITE(SmallScreenTest)
#include "SmallScreenTest.moc"

// The session's mesh options on the desktop: breaklines read from the File
// menu and 等方メッシュ in the settings dialog re-mesh the data now loaded and
// stay for later loads.

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/SettingsDialog.h"

using namespace plotvane;
using namespace plotvane::app;

class BreaklineMenuTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void breaklinesRemeshAndStay();
  void linesTheDataCannotTakeAreDropped();
  void isotropicCheckRemeshes();

 private:
  QAction* readBreaklines() { return m_window->findChild<QAction*>(QStringLiteral("readBreaklines")); }
  void load(const std::string& path) {
    m_dialogs->fileAnswers = {QString::fromStdString(path)};
    m_window->controls().mnuFileNew->trigger();
  }
};

void BreaklineMenuTest::breaklinesRemeshAndStay() {
  const std::string data = test::WriteLatticeFile(*m_dir, "lattice.txt");  // 66 points
  load(data);
  const PointIndex before = m_window->document().points.nn;
  m_window->document().settings.n = "7";  // a setting of the user's, which the re-mesh keeps
  QVERIFY(readBreaklines() != nullptr);
  QCOMPARE(readBreaklines()->text(), QStringLiteral("ブレークラインの読込..."));
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->write("ridge.txt", "5 5\n95 45 300\n"))};
  readBreaklines()->trigger();
  QCOMPARE(m_dialogs->fileRequests.back().title, QStringLiteral("ブレークラインの読込"));
  QVERIFY(m_window->document().drawable());
  QCOMPARE(m_window->document().points.nn, before + 2);
  QCOMPARE(m_window->document().settings.n, std::string("7"));
  QCOMPARE(m_window->breaklineText(), QStringLiteral("ブレークライン: ridge.txt"));
  // A later load follows them too.
  load(data);
  QCOMPARE(m_window->document().points.nn, before + 2);
  m_window->clearBreaklines();
  QCOMPARE(m_window->document().points.nn, before);
  QCOMPARE(m_window->breaklineText(), QString());
}

void BreaklineMenuTest::linesTheDataCannotTakeAreDropped() {
  load(test::WriteLatticeFile(*m_dir, "lattice.txt"));
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->write("far.txt", "5 5\n500 45\n"))};
  readBreaklines()->trigger();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QVERIFY(m_dialogs->messages[0].text.startsWith(QStringLiteral("ブレークラインを使えません。\n")));
  QVERIFY(m_window->document().drawable());  // meshed again without them
  QCOMPARE(m_window->breaklineText(), QString());
}

void BreaklineMenuTest::isotropicCheckRemeshes() {
  load(test::WriteLatticeFile(*m_dir, "lattice.txt"));
  QVERIFY(!m_window->document().range.isotropicMesh);
  m_dialogs->modalScript = [](QDialog& d) {
    d.findChild<QCheckBox*>(QStringLiteral("IsotropicCheck"))->setChecked(true);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QVERIFY(m_window->document().range.isotropicMesh);
  QVERIFY(m_window->document().drawable());
  double yMax = 0;
  for (PointIndex i = 1; i <= m_window->document().points.nn; ++i)
    yMax = std::max(yMax, m_window->document().mesh.meshY[i]);
  QCOMPARE(yMax, 50.0);  // Y spans half of X
}

PLOTVANE_APP_SUITE(BreaklineMenuTest)
#include "BreaklineMenuTest.moc"

// The settings exchange of the 設定 menu: copy and paste through the paste
// buffer, save and read through view files, what each does without data,
// and the redraws that follow.

#include <QSignalSpy>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/SettingsDialog.h"
#include "settings/SettingsBlock.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

const QString kViewFilter = QStringLiteral("ｺﾝﾀ ﾋﾞｭｰﾌｧｲﾙ (*.ctv)");

// Settings unlike the defaults in every one of the fourteen values.
DrawSettings Changed() {
  DrawSettings s;
  s.X1 = "10", s.X2 = "90", s.Y1 = "5", s.Y2 = "45", s.Z1 = "20", s.Z2 = "180";
  s.n = "7", s.sq = "2.5";
  s.ContourLines = 0, s.TriangleEdges = 1, s.ContinuousColour = 0;
  s.selectFillMode(FillMode::FillPattern);
  return s;
}

}  // namespace

class SettingsExchangeTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void copyChangePasteRestoresEverything();
  void pasteBeforeCopyChangesNothingAndRedraws();
  void withoutDataOnlyReadWorks();
  void saveWritesTheBlockUnderTheChosenName();
  void saveFailureIsReported();
  void readNormalisesItems();
  void readElevenLinesKeepsFillMode();
  void readPatternBlockClearsContinuous();
  void readFaultyValuesStillDraws();
  void windowBesideTheDataIsNoted();

 private:
  void load();
  QString viewFile(const char* name, const std::string& text);
};

void SettingsExchangeTest::windowBesideTheDataIsNoted() {
  load();
  DrawSettings away = m_window->document().settings;
  const DataRange r = m_window->document().range;
  away.X1 = std::to_string(r.xMax + 10), away.X2 = std::to_string(r.xMax + 20);
  m_dialogs->fileAnswers = {viewFile("away.ctv", SettingsBlockText(away)),
                            viewFile("here.ctv", SettingsBlockText(m_window->document().settings))};
  m_window->controls().mnuViewRead->trigger();
  QVERIFY2(m_window->statusText().contains(QStringLiteral("データの範囲にかかっていません")),
           qPrintable(m_window->statusText()));
  m_window->controls().mnuViewRead->trigger();
  QCOMPARE(m_window->statusText(), QString());
}

void SettingsExchangeTest::load() {
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));
  m_window->document().fileTitle = "lattice";
  QVERIFY(m_window->document().drawable());
}

QString SettingsExchangeTest::viewFile(const char* name, const std::string& text) {
  return QString::fromStdString(m_dir->write(name, text));
}

void SettingsExchangeTest::copyChangePasteRestoresEverything() {
  load();
  DrawSettings& settings = m_window->document().settings;
  settings = Changed();
  m_window->controls().mnuViewCopy->trigger();
  settings = DefaultDrawSettings();
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_window->controls().mnuViewPaste->trigger();
  QCOMPARE(shown.count(), 1);
  QVERIFY(settings == Changed());
  // The buffer holds values: a change after the copy does not reach it, and
  // pasting does not use it up.
  settings.n = "3";
  m_window->controls().mnuViewPaste->trigger();
  QCOMPARE(settings.n, std::string("7"));
}

void SettingsExchangeTest::pasteBeforeCopyChangesNothingAndRedraws() {
  load();
  const DrawSettings before = m_window->document().settings;
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_window->controls().mnuViewPaste->trigger();
  QVERIFY(m_window->document().settings == before);
  QCOMPARE(shown.count(), 1);
}

void SettingsExchangeTest::withoutDataOnlyReadWorks() {
  m_window->document().settings = Changed();
  m_window->controls().mnuViewCopy->trigger();
  m_window->controls().mnuViewSave->trigger();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{0});

  m_dialogs->fileAnswers = {viewFile("v.ctv", SettingsBlockText(DefaultDrawSettings()))};
  m_window->controls().mnuViewRead->trigger();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
  QVERIFY(m_window->document().settings == DefaultDrawSettings());

  // Nothing was copied without data: after a load, paste changes nothing.
  load();
  const DrawSettings loaded = m_window->document().settings;
  m_window->controls().mnuViewPaste->trigger();
  QVERIFY(m_window->document().settings == loaded);
}

void SettingsExchangeTest::saveWritesTheBlockUnderTheChosenName() {
  load();
  m_window->viewFileDialogPath() = QString::fromStdString(m_dir->path());
  DrawSettings& settings = m_window->document().settings;
  settings.sq.clear();
  // A name without an extension gets the filter's (SaveNamesTest).
  const QString path = QString::fromStdString(m_dir->path() + "/view.ctv");
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->path() + "/view")};
  m_window->controls().mnuViewSave->trigger();
  const auto& request = m_dialogs->fileRequests.at(0);
  QCOMPARE(request.title, QStringLiteral("設定の保存"));
  QCOMPARE(request.filter, kViewFilter);
  QCOMPARE(request.start, QString::fromStdString(m_dir->path() + "/lattice"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  QCOMPARE(text, QByteArray::fromStdString(SettingsBlockText(settings)));
  QVERIFY(text.contains("\r\ninf\r\n"));
  QVERIFY(m_dialogs->messages.empty());

  // Save and read share the remembered path; reading the file back gives
  // the same settings, the empty sq included.
  const DrawSettings saved = settings;
  settings = Changed();
  m_dialogs->fileAnswers = {path};
  m_window->controls().mnuViewRead->trigger();
  QCOMPARE(m_dialogs->fileRequests.at(1).title, QStringLiteral("設定の読込"));
  QCOMPARE(m_dialogs->fileRequests.at(1).start, path);
  QVERIFY(settings == saved);
}

void SettingsExchangeTest::saveFailureIsReported() {
  load();
  const QString path = QString::fromStdString(m_dir->path() + "/missing/view.ctv");
  m_dialogs->fileAnswers = {path};
  m_window->controls().mnuViewSave->trigger();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Plotvane"));
  QVERIFY(!QFile::exists(path));
  // Cancelling says nothing.
  m_window->controls().mnuViewSave->trigger();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
}

void SettingsExchangeTest::readNormalisesItems() {
  load();
  m_dialogs->fileAnswers = {viewFile(
      "v.ctv", "0\r\n100\r\n0\r\n50\r\n0\r\n200\r\n 10 \r\n2.50\r\n 1 \r\n 1 \r\n 0 \r\nFalse\r\nTrue\r\nFalse\r\n")};
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_window->controls().mnuViewRead->trigger();
  const DrawSettings& s = m_window->document().settings;
  QCOMPARE(s.n, std::string("10"));
  QCOMPARE(s.sq, std::string("2.5"));
  QCOMPARE(s.TriangleEdges, 1);
  QCOMPARE(s.fillMode, FillMode::FillGrey);
  QCOMPARE(shown.count(), 1);
}

void SettingsExchangeTest::readElevenLinesKeepsFillMode() {
  load();
  m_window->document().settings.selectFillMode(FillMode::FillGrey);
  m_dialogs->fileAnswers = {viewFile("v.ctv", "0\r\n100\r\n0\r\n50\r\n0\r\n200\r\n5\r\ninf\r\n 1 \r\n 0 \r\n 1 \r\n")};
  m_window->controls().mnuViewRead->trigger();
  const DrawSettings& s = m_window->document().settings;
  QCOMPARE(s.fillMode, FillMode::FillGrey);
  QCOMPARE(s.n, std::string("5"));
  QCOMPARE(s.sq, std::string());
  QCOMPARE(s.ContinuousColour, 1);
}

void SettingsExchangeTest::readPatternBlockClearsContinuous() {
  load();
  m_window->document().settings.ContinuousColour = 1;
  m_dialogs->fileAnswers = {viewFile(
      "v.ctv", "0\r\n100\r\n0\r\n50\r\n0\r\n200\r\n5\r\ninf\r\n 1 \r\n 0 \r\n 1 \r\nFalse\r\nFalse\r\nTrue\r\n")};
  m_window->controls().mnuViewRead->trigger();
  QCOMPARE(m_window->document().settings.fillMode, FillMode::FillPattern);
  QCOMPARE(m_window->document().settings.ContinuousColour, 0);
  // The dialog opened afterwards shows the rule: the box cleared and disabled.
  bool checked = true, enabled = true;
  m_dialogs->modalScript = [&](QDialog& d) {
    const Ui::SettingsDialog& ui = dynamic_cast<SettingsDialog&>(d).controls();
    checked = ui.Check3->isChecked();
    enabled = ui.Check3->isEnabled();
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QVERIFY(!checked);
  QVERIFY(!enabled);
}

// Values a file may hold that OK would never let through: the page is still
// drawn, whole.
void SettingsExchangeTest::readFaultyValuesStillDraws() {
  load();
  m_dialogs->fileAnswers = {viewFile(
      "v.ctv", "50\r\n50\r\n0\r\n50\r\n200\r\n0\r\n100000\r\nabc\r\n 1 \r\n 1 \r\n 1 \r\nTrue\r\nFalse\r\nFalse\r\n")};
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_window->controls().mnuViewRead->trigger();
  QCOMPARE(m_window->document().settings.X2, std::string("50"));
  QCOMPARE(shown.count(), 1);
  QVERIFY(!m_window->currentPage().isNull());
}

PLOTVANE_APP_SUITE(SettingsExchangeTest)
#include "SettingsExchangeTest.moc"

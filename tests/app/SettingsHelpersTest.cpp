// The survey helpers of "描画設定" through scripted dialogs: "間隔..." asks
// for an interval and base and fills Z1, Z2 and n (or reports an interval too
// fine and changes nothing), "縦横比を揃える" evens the X and Y windows, and
// OK still validates whatever the boxes then hold. The arithmetic itself is
// the core's (ContourIntervalTest, EqualAspectTest). Also the options group's
// "ラベル表示", and the load options below the skip dialog's own fields.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/IntervalDialog.h"
#include "app/LevelsDialog.h"
#include "app/SettingsDialog.h"
#include "app/SettingsHelpers.h"
#include "app/SkipLinesDialog.h"
#include "render/ColourRamps.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

QPushButton* Button(const QWidget& parent, const char* name) { return parent.findChild<QPushButton*>(name); }
QLineEdit* Box(const QWidget& parent, const char* name) { return parent.findChild<QLineEdit*>(name); }

}  // namespace

class SettingsHelpersTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void helpersBesideTheControls();
  void intervalFillsTheScale_data();
  void intervalFillsTheScale();
  void intervalTooFineChangesNothing();
  void badIntervalKeepsTheQuestionOpen();
  void equalAspectWidensTheNarrowerWindow();
  void labelsCheckIsThisRunsChoice();
  void postsAndRampAreThisRunsChoice();
  void levelsAreThisRunsChoice();
  void skipDialogTakesTheLoadOptions();

 private:
  // Data over X 0..100, Y 0..50, Z 0..200.
  void load() { m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "l.txt"))); }
  // Opens "描画設定", runs helper on it and the interval question with
  // (interval, base) when it comes, then presses button (OK or Cancel).
  void runSettings(const char* helper, const QString& interval, const QString& base, const char* button);
};

void SettingsHelpersTest::runSettings(const char* helper, const QString& interval, const QString& base,
                                      const char* button) {
  m_dialogs->modalScript = [=](QDialog& d) {
    if (auto* ask = dynamic_cast<IntervalDialog*>(&d)) {
      Box(*ask, "IntervalText")->setText(interval);
      Box(*ask, "BaseText")->setText(base);
      ask->findChild<QSpinBox*>(QStringLiteral("IndexEverySpin"))->setValue(5);
      QTest::mouseClick(Button(*ask, "OKButton"), Qt::LeftButton);
      if (ask->isVisible()) QTest::mouseClick(Button(*ask, "CancelButton"), Qt::LeftButton);
      return;
    }
    QTest::mouseClick(Button(d, helper), Qt::LeftButton);
    QTest::mouseClick(Button(d, button), Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
}

void SettingsHelpersTest::helpersBesideTheControls() {
  const SettingsDialog& form = m_window->settingsDialog();
  const QRect own = form.controls().Command1->geometry().united(form.controls().Z2->geometry());
  for (const char* name : {"IntervalButton", "EqualAspectButton"}) {
    const QPushButton* button = Button(form, name);
    QVERIFY(button != nullptr);
    QVERIFY2(button->geometry().left() > own.right(), name);
    QVERIFY(form.rect().contains(button->geometry()));
  }
  QCOMPARE(Button(form, "IntervalButton")->text(), QStringLiteral("間隔..."));
  QCOMPARE(Button(form, "EqualAspectButton")->text(), QStringLiteral("縦横比を揃える"));
}

void SettingsHelpersTest::intervalFillsTheScale_data() {
  QTest::addColumn<QString>("interval");
  QTest::addColumn<QString>("base");
  QTest::addColumn<QStringList>("scale");  // Z1, Z2, n after OK
  QTest::newRow("divides exactly") << "10"
                                   << "0" << QStringList{"0", "200", "20"};
  QTest::newRow("base off the range") << "15"
                                      << "5" << QStringList{"-10", "200", "14"};
  QTest::newRow("negative base") << "30"
                                 << "-7.5" << QStringList{"-7.5", "202.5", "7"};
  QTest::newRow("the limit") << "0.390625"
                             << "0" << QStringList{"0", "200", "512"};
}

void SettingsHelpersTest::intervalFillsTheScale() {
  QFETCH(QString, interval);
  QFETCH(QString, base);
  QFETCH(QStringList, scale);
  load();
  runSettings("IntervalButton", interval, base, "Command1");
  const DrawSettings& s = m_window->document().settings;
  QCOMPARE((QStringList{QString::fromStdString(s.Z1), QString::fromStdString(s.Z2), QString::fromStdString(s.n)}),
           scale);
  QCOMPARE(m_dialogs->modalCount, 2);
  QVERIFY(m_dialogs->messages.empty());
  // The index contours come with the interval, counted from its base.
  QCOMPARE(m_window->document().labels.indexEvery, 5);
  QCOMPARE(m_window->document().labels.base, base.toDouble());
}

void SettingsHelpersTest::intervalTooFineChangesNothing() {
  load();
  const DrawSettings before = m_window->document().settings;
  runSettings("IntervalButton", "0.1", "0", "Command1");
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("512")));
  QVERIFY(m_window->document().settings == before);
  QCOMPARE(m_window->document().labels.indexEvery, 0);
}

void SettingsHelpersTest::badIntervalKeepsTheQuestionOpen() {
  load();
  const DrawSettings before = m_window->document().settings;
  for (const QString& typed : {QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("two")}) {
    runSettings("IntervalButton", typed, "0", "Command2");
    // OK refused the entry; the script then cancelled the question.
    QCOMPARE(m_dialogs->leftOpen, 0);
    QVERIFY(m_window->document().settings == before);
  }
  runSettings("IntervalButton", "5", "base", "Command2");
  QVERIFY(m_window->document().settings == before);
}

void SettingsHelpersTest::equalAspectWidensTheNarrowerWindow() {
  load();
  runSettings("EqualAspectButton", {}, {}, "Command1");
  const DrawSettings& s = m_window->document().settings;
  QCOMPARE(QString::fromStdString(s.X1 + " " + s.X2 + " " + s.Y1 + " " + s.Y2), QStringLiteral("0 100 -25 75"));
  QCOMPARE(m_dialogs->modalCount, 1);
}

void SettingsHelpersTest::labelsCheckIsThisRunsChoice() {
  load();
  const auto check = [&](bool on, const char* button) {
    m_dialogs->modalScript = [=](QDialog& d) {
      d.findChild<QCheckBox*>("LabelsCheck")->setChecked(on);
      QTest::mouseClick(Button(d, button), Qt::LeftButton);
    };
    m_window->controls().scale->trigger();
  };
  check(true, "Command3");  // Test takes it at once
  QVERIFY(m_window->document().labels.show);
  check(false, "Command2");  // Cancel puts back what the dialog showed
  QVERIFY(m_window->document().labels.show);
  check(false, "Command1");
  QVERIFY(!m_window->document().labels.show);
  // The settings, the only thing files keep, do not change with it.
  const DrawSettings before = m_window->document().settings;
  check(true, "Command1");
  QVERIFY(m_window->document().settings == before);
}

void SettingsHelpersTest::postsAndRampAreThisRunsChoice() {
  load();
  const auto choose = [&](bool posts, const QString& ramp, const char* button) {
    m_dialogs->modalScript = [=](QDialog& d) {
      d.findChild<QCheckBox*>("PostsCheck")->setChecked(posts);
      d.findChild<QCheckBox*>("PostLabelsCheck")->setChecked(posts);
      d.findChild<QComboBox*>("RampCombo")->setCurrentText(ramp);
      QTest::mouseClick(Button(d, button), Qt::LeftButton);
    };
    m_window->controls().scale->trigger();
  };
  const QImage before = m_window->pageSurface()->image().copy();
  choose(true, QStringLiteral("viridis"), "Command1");
  const Document& doc = m_window->document();
  QVERIFY(doc.posts.show && doc.posts.label == PostLabel::Name);
  QVERIFY(doc.ramp == NamedRamp("viridis"));
  QVERIFY(m_window->pageSurface()->image() != before);
  choose(false, QStringLiteral("terrain"), "Command2");  // Cancel keeps what was shown
  QVERIFY(doc.posts.show && doc.ramp == NamedRamp("viridis"));
  // The dialog opens on the choice in force.
  m_dialogs->modalScript = [](QDialog& d) {
    QCOMPARE(d.findChild<QComboBox*>("RampCombo")->currentText(), QStringLiteral("viridis"));
    QVERIFY(d.findChild<QCheckBox*>("PostsCheck")->isChecked());
    QTest::mouseClick(Button(d, "Command2"), Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  choose(false, QStringLiteral("default"), "Command1");
  QVERIFY(!doc.posts.show && doc.ramp == RampChoice{});
  QVERIFY(m_window->pageSurface()->image() == before);
}

void SettingsHelpersTest::levelsAreThisRunsChoice() {
  load();
  const auto answer = [&](const QString& levels, const char* button) {
    m_dialogs->modalScript = [=](QDialog& d) {
      if (auto* ask = dynamic_cast<LevelsDialog*>(&d)) {
        ask->findChild<QLineEdit*>("LevelsText")->setText(levels);
        QTest::mouseClick(ask->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        return;
      }
      QTest::mouseClick(Button(d, "LevelsButton"), Qt::LeftButton);
      QTest::mouseClick(Button(d, button), Qt::LeftButton);
    };
    m_window->controls().scale->trigger();
  };
  const std::vector<double>& levels = m_window->document().explicitLevels;
  const QImage even = m_window->pageSurface()->image().copy();
  answer(QStringLiteral("10, 50,120"), "Command1");
  QCOMPARE(levels, (std::vector<double>{10, 50, 120}));
  QVERIFY(m_window->pageSurface()->image() != even);
  answer(QStringLiteral("5,6"), "Command2");  // Cancel keeps what was in force
  QCOMPARE(levels, (std::vector<double>{10, 50, 120}));
  answer(QStringLiteral("7,6"), "Command1");  // not rising: the question stays open, nothing changes
  QCOMPARE(levels, (std::vector<double>{10, 50, 120}));
  answer(QString(), "Command1");  // empty: back to n even steps
  QVERIFY(levels.empty());
  QVERIFY(m_window->pageSurface()->image() == even);
}

void SettingsHelpersTest::skipDialogTakesTheLoadOptions() {
  const QString path = QString::fromStdString(
      m_dir->write("survey.txt", "No X Y H\r\n1 100 0 1\r\n2 100 40 2\r\n3 120 0 3\r\n4 120 40 5\r\n5 120 40 9\r\n"));
  m_dialogs->fileAnswers = {path, path};
  bool refused = false;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& dialog = dynamic_cast<SkipLinesDialog&>(d);
    auto& ui = dialog.controls();
    // The preview follows the count: the header line marked, skipped lines grey.
    ui.Text1->setText(QStringLiteral("1"));
    QCOMPARE(dialog.preview()->item(0)->foreground().color(), QColor(Qt::gray));
    QVERIFY(dialog.preview()->item(1)->text().endsWith(QStringLiteral("← 見出し")));
    ui.Text1->setText(QStringLiteral("0"));
    QCOMPARE(dialog.preview()->item(0)->text(), QStringLiteral("1: No X Y H   ← 見出し"));
    QVERIFY(dialog.preview()->item(0)->font().bold());
    QCOMPARE(dialog.preview()->count(), 6);
    QCOMPARE(Box(d, "ColumnsText")->text(), QStringLiteral("1,2,3"));
    QVERIFY(!d.findChild<QCheckBox*>("XNorthCheck")->isChecked());
    QVERIFY(Box(d, "ColumnsText")->geometry().top() >= ui.OKButton->geometry().bottom());
    Box(d, "ColumnsText")->setText(QStringLiteral("2,2,4"));
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
    refused = d.isVisible();
    Box(d, "ColumnsText")->setText(QStringLiteral("2,3,4"));
    d.findChild<QCheckBox*>("XNorthCheck")->setChecked(true);
    QVERIFY(!d.findChild<QCheckBox*>("DuplicatesFirstCheck")->isChecked());
    d.findChild<QCheckBox*>("DuplicatesFirstCheck")->setChecked(true);
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
  };
  m_window->controls().mnuFileNew2->trigger();
  QVERIFY(refused);
  const PointSet& p = m_window->document().points;
  QCOMPARE(p.nn, 4);
  // X north: east (the file's Y) across, north up, names with their columns.
  QCOMPARE(QString::fromStdString(p.labelX + " " + p.labelY + " " + p.labelZ), QStringLiteral("Y X H"));
  QCOMPARE(p.dataX[2], 40.0);
  QCOMPARE(p.dataY[2], 100.0);
  QCOMPARE(p.dataZ[4], 5.0);  // the first of the two points at (40, 120)
  QVERIFY(m_window->document().drawable());
}

PLOTVANE_APP_SUITE(SettingsHelpersTest)
#include "SettingsHelpersTest.moc"

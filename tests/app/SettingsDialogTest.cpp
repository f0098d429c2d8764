// The drawing-settings dialog through the main window's "描画設定": its
// layout, validation on OK, Test and Cancel with their redraws, the fill-mode
// rule, and the ways it can be closed.

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/SettingsDialog.h"
#include "app/SettingsHelpers.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

QLineEdit* Field(const SettingsDialog& form, const QString& name) { return form.findChild<QLineEdit*>(name); }

}  // namespace

class SettingsDialogTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void layout_data();
  void layout();
  void keyboardOrder();
  void validationOnOk_data();
  void validationOnOk();
  void testThenCancel();
  void okWithoutDataDoesNotRedraw();
  void patternClearsContinuous();
  void cancelRestoresPatternMode();
  void frameCloseActsAsCancel();
  void enterAndEscapePressNothing();
  void settingsResetByNextLoad();
  void progressHiddenWhileDialogOpen();

 private:
  void load();
};

// Data over X 0..100, Y 0..50, Z 0..200.
void SettingsDialogTest::load() {
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "l.txt")));
}

void SettingsDialogTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("twips");
  QTest::newRow("map sketch") << "Shape1" << QRect(1080, 240, 1695, 1095);
  QTest::newRow("Y2") << "Y2" << QRect(360, 240, 615, 270);
  QTest::newRow("Y1") << "Y1" << QRect(360, 1080, 615, 270);
  QTest::newRow("X1") << "X1" << QRect(1080, 1440, 615, 270);
  QTest::newRow("X2") << "X2" << QRect(2160, 1440, 615, 270);
  QTest::newRow("sq") << "sq" << QRect(1680, 720, 495, 270);
  QTest::newRow("red") << "Swatch_red" << QRect(3360, 240, 255, 255);
  QTest::newRow("blue") << "Swatch_blue" << QRect(3360, 1440, 255, 255);
  QTest::newRow("Z2") << "Z2" << QRect(3960, 240, 615, 270);
  QTest::newRow("n") << "n" << QRect(3960, 840, 375, 270);
  QTest::newRow("Z1") << "Z1" << QRect(3960, 1440, 615, 270);
  QTest::newRow("Option1") << "Option1" << QRect(240, 2280, 855, 255);
  QTest::newRow("Option3") << "Option3" << QRect(240, 2760, 975, 255);
  QTest::newRow("Check3") << "Check3" << QRect(1440, 2280, 1215, 255);
  QTest::newRow("Check2") << "Check2" << QRect(1440, 2760, 1215, 255);
  QTest::newRow("Test") << "Command3" << QRect(3120, 2400, 495, 375);
  QTest::newRow("OK") << "Command1" << QRect(3960, 2160, 735, 375);
  QTest::newRow("Cancel") << "Command2" << QRect(3960, 2640, 735, 375);
}

void SettingsDialogTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, twips);
  const SettingsDialog& form = m_window->settingsDialog();
  // Wider for the number boxes (WindowMannersTest) and the survey helpers'
  // column (SettingsHelpersTest); the height is the layout's.
  QCOMPARE(form.height(), 3120 / 15);
  QVERIFY(form.width() >= 4935 / 15 + SettingsHelpers::kColumnWidth);
  QCOMPARE(form.windowTitle(), QStringLiteral("描画設定"));
  const QWidget* control = form.findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QVERIFY(test::KeepsItsPlace(control->geometry(), test::PixelsOfTwips(twips)));
}

void SettingsDialogTest::keyboardOrder() {
  const SettingsDialog& form = m_window->settingsDialog();
  QStringList order;
  QWidget* w = form.controls().Y1;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != form.controls().Y1);
  QCOMPARE(order, (QStringList{"Y1",
                               "Y2",
                               "X1",
                               "X2",
                               "Z2",
                               "Z1",
                               "n",
                               "Command1",
                               "Check2",
                               "Check1",
                               "sq",
                               "Check3",
                               "Command2",
                               "Command3",
                               "Option1",
                               "Option2",
                               "Option3",
                               "IntervalButton",
                               "EqualAspectButton",
                               "LevelsButton",
                               "LabelsCheck",
                               "PostsCheck",
                               "PostLabelsCheck",
                               "IsotropicCheck",
                               "RampCombo"}));
}

// The checks themselves are the core's (ValidateDrawSettingsTest); these rows
// show that OK runs them on what the boxes hold, with the loaded data's
// extent as fallback, and writes the result back into the boxes.
void SettingsDialogTest::validationOnOk_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("other");  // "field=text" typed as well, or empty
  QTest::addColumn<QString>("expected");
  QTest::addColumn<QString>("expectedOther");
  const auto row = [](const char* name, const char* field, const char* typed, const char* other, const char* expected,
                      const char* expectedOther) {
    QTest::newRow(name) << field << typed << other << expected << expectedOther;
  };
  row("n 600", "n", "600", "", "512", "");
  row("X equal", "X1", "5", "X2=5", "0", "100");
  row("Z falling", "Z1", "150", "Z2=50", "0", "200");
  row("Y2 word", "Y2", "top", "", "50", "");
  row("sq blank 2.50", "sq", " 2.50", "", "2.5", "");
}

void SettingsDialogTest::validationOnOk() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, other);
  QFETCH(QString, expected);
  QFETCH(QString, expectedOther);
  load();
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  const QString otherName = other.section('=', 0, 0);
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<SettingsDialog&>(d);
    Field(form, field)->setText(typed);
    if (!other.isEmpty()) Field(form, otherName)->setText(other.section('=', 1));
    QTest::mouseClick(form.controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  const SettingsDialog& form = m_window->settingsDialog();
  QCOMPARE(m_dialogs->leftOpen, 0);
  QCOMPARE(form.ok(), 1);
  QCOMPARE(Field(form, field)->text(), expected);
  if (!other.isEmpty()) QCOMPARE(Field(form, otherName)->text(), expectedOther);
  // The settings consumers read are the validated ones.
  QVERIFY(m_window->document().settings == form.controlValues());
  // OK with data loaded redraws once, after the dialog has closed.
  QCOMPARE(shown.count(), 1);
}

void SettingsDialogTest::testThenCancel() {
  load();
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  std::string nWhileTested;
  int shownAtTest = -1;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<SettingsDialog&>(d);
    form.controls().n->setText(QStringLiteral("5"));
    form.controls().Check2->setChecked(true);
    QTest::mouseClick(form.controls().Command3, Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(form.ok(), 1);
    shownAtTest = static_cast<int>(shown.count());
    nWhileTested = m_window->document().settings.n;
    QTest::mouseClick(form.controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(shownAtTest, 1);
  QCOMPARE(nWhileTested, std::string("5"));
  // Cancel drew the restored values; the command itself drew nothing more.
  QCOMPARE(shown.count(), 2);
  const SettingsDialog& form = m_window->settingsDialog();
  QCOMPARE(form.ok(), 0);
  QCOMPARE(m_window->document().settings.n, std::string("20"));
  QCOMPARE(m_window->document().settings.TriangleEdges, 0);
  QCOMPARE(form.controls().n->text(), QStringLiteral("20"));
  QVERIFY(!form.controls().Check2->isChecked());
}

void SettingsDialogTest::okWithoutDataDoesNotRedraw() {
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_dialogs->modalScript = [](QDialog& d) {
    QTest::mouseClick(dynamic_cast<SettingsDialog&>(d).controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(shown.count(), 0);
  // Without data the ranges fall back to the extents, all 0.
  QCOMPARE(m_window->document().settings.X1, std::string("0"));
  QCOMPARE(m_window->document().settings.X2, std::string("0"));
  // Test and Cancel redraw even without data: an empty map square.
  m_dialogs->modalScript = [](QDialog& d) {
    auto& form = dynamic_cast<SettingsDialog&>(d);
    QTest::mouseClick(form.controls().Command3, Qt::LeftButton);
    QTest::mouseClick(form.controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(shown.count(), 2);
}

void SettingsDialogTest::patternClearsContinuous() {
  SettingsDialog& form = m_window->settingsDialog();
  form.show();
  const Ui::SettingsDialog& ui = form.controls();
  QVERIFY(ui.Option1->isChecked());
  QVERIFY(ui.Check1->isChecked());
  ui.Check3->setChecked(true);
  QTest::mouseClick(ui.Option3, Qt::LeftButton);
  QVERIFY(ui.Option3->isChecked());
  QVERIFY(!ui.Check3->isChecked());
  QVERIFY(!ui.Check3->isEnabled());
  QTest::mouseClick(ui.Option2, Qt::LeftButton);
  QVERIFY(ui.Check3->isEnabled());
  QVERIFY(!ui.Check3->isChecked());
  QTest::mouseClick(ui.Option3, Qt::LeftButton);
  QTest::mouseClick(ui.Option1, Qt::LeftButton);
  QVERIFY(ui.Check3->isEnabled());
  QVERIFY(!ui.Check3->isChecked());
  form.hide();
}

void SettingsDialogTest::cancelRestoresPatternMode() {
  load();
  m_window->document().settings.selectFillMode(FillMode::FillPattern);
  m_dialogs->modalScript = [](QDialog& d) {
    const Ui::SettingsDialog& ui = dynamic_cast<SettingsDialog&>(d).controls();
    QVERIFY(ui.Option3->isChecked());
    QVERIFY(!ui.Check3->isEnabled());
    QTest::mouseClick(ui.Option1, Qt::LeftButton);
    ui.Check3->setChecked(true);
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  const Ui::SettingsDialog& ui = m_window->settingsDialog().controls();
  QVERIFY(ui.Option3->isChecked());
  QVERIFY(!ui.Check3->isChecked());
  QVERIFY(!ui.Check3->isEnabled());
  QCOMPARE(m_window->document().settings.fillMode, FillMode::FillPattern);
  QCOMPARE(m_window->document().settings.ContinuousColour, 0);
}

void SettingsDialogTest::frameCloseActsAsCancel() {
  load();
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_dialogs->modalScript = [](QDialog& d) {
    dynamic_cast<SettingsDialog&>(d).controls().X1->setText(QStringLiteral("50"));
    d.close();
  };
  m_window->controls().scale->trigger();
  QCOMPARE(m_dialogs->leftOpen, 0);
  QCOMPARE(m_window->settingsDialog().ok(), 0);
  QCOMPARE(m_window->document().settings.X1, std::string("0"));
  QCOMPARE(m_window->settingsDialog().controls().X1->text(), QStringLiteral("0"));
  QCOMPARE(shown.count(), 1);
}

void SettingsDialogTest::enterAndEscapePressNothing() {
  load();
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  bool openAfterKeys = false;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<SettingsDialog&>(d);
    form.controls().n->setText(QStringLiteral("600"));
    QTest::keyClick(form.controls().n, Qt::Key_Return);
    QTest::keyClick(form.controls().n, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_Enter);
    openAfterKeys = form.isVisible();
    QCOMPARE(form.controls().n->text(), QStringLiteral("600"));
    QTest::mouseClick(form.controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QVERIFY(openAfterKeys);
  QCOMPARE(m_window->document().settings.n, std::string("512"));
  QCOMPARE(shown.count(), 1);
}

void SettingsDialogTest::settingsResetByNextLoad() {
  load();
  m_dialogs->modalScript = [](QDialog& d) {
    auto& form = dynamic_cast<SettingsDialog&>(d);
    form.controls().n->setText(QStringLiteral("7"));
    QTest::mouseClick(form.controls().Option2, Qt::LeftButton);
    QTest::mouseClick(form.controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(m_window->document().settings.n, std::string("7"));
  load();
  QString nShown;
  bool colourShown = false;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<SettingsDialog&>(d);
    nShown = form.controls().n->text();
    colourShown = form.controls().Option1->isChecked();
    QTest::mouseClick(form.controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(nShown, QStringLiteral("20"));
  QVERIFY(colourShown);
}

void SettingsDialogTest::progressHiddenWhileDialogOpen() {
  // No delay at all: a progress window appears at the first chance it gets.
  test::ProgressShowCounter shows;
  test::ScriptedDialogs dialogs;
  auto window = test::MakeMainWindow(dialogs, m_dir->path(), std::chrono::milliseconds(0));
  window->startUp(QString());
  window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "l.txt")));
  const int shownByLoad = shows.count();
  QVERIFY(shownByLoad > 0);
  // Test redraws with the dialog open: no progress window then. Cancel
  // redraws after the dialog has closed, and may show one.
  dialogs.modalScript = [](QDialog& d) {
    QTest::mouseClick(dynamic_cast<SettingsDialog&>(d).controls().Command3, Qt::LeftButton);
    QTest::mouseClick(dynamic_cast<SettingsDialog&>(d).controls().Command2, Qt::LeftButton);
  };
  const int beforeTest = shows.count();
  int duringTest = -1;
  QObject::connect(window.get(), &MainWindow::pageShown, window.get(), [&] {
    if (duringTest < 0) duringTest = shows.count();
  });
  window->controls().scale->trigger();
  QCOMPARE(duringTest, beforeTest);
}

PLOTVANE_APP_SUITE(SettingsDialogTest)
#include "SettingsDialogTest.moc"

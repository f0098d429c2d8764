// The drawing-settings dialog through the main window's "描画設定": its
// layout, validation on OK, Test and Cancel with their redraws, the fill-mode
// rule, and the ways it can be closed.

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/Form1.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

QLineEdit* Field(const Form1& form, const QString& name) { return form.findChild<QLineEdit*>(name); }

}  // namespace

class Form1Test : public test::MainWindowSuite {
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
void Form1Test::load() { m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "l.txt"))); }

void Form1Test::layout_data() {
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

void Form1Test::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, twips);
  const Form1& form = m_window->form1();
  QCOMPARE(form.size(), QSize(4935 / 15, 3120 / 15));
  QCOMPARE(form.windowTitle(), QStringLiteral("描画設定"));
  const QWidget* control = form.findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->geometry(), test::PixelsOfTwips(twips));
}

void Form1Test::keyboardOrder() {
  const Form1& form = m_window->form1();
  QStringList order;
  QWidget* w = form.controls().Y1;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != form.controls().Y1);
  QCOMPARE(order, (QStringList{"Y1", "Y2", "X1", "X2", "Z2", "Z1", "n", "Command1", "Check2", "Check1", "sq", "Check3",
                               "Command2", "Command3", "Option1", "Option2", "Option3"}));
}

void Form1Test::validationOnOk_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("other");  // "field=text" typed as well, or empty
  QTest::addColumn<QString>("expected");
  QTest::addColumn<QString>("expectedOther");
  QTest::newRow("n 1") << "n"
                       << "1"
                       << ""
                       << "2"
                       << "";
  QTest::newRow("n 600") << "n"
                         << "600"
                         << ""
                         << "512"
                         << "";
  QTest::newRow("n 7.9") << "n"
                         << "7.9"
                         << ""
                         << "7"
                         << "";
  QTest::newRow("n abc") << "n"
                         << "abc"
                         << ""
                         << "20"
                         << "";
  QTest::newRow("n -3.5") << "n"
                          << "-3.5"
                          << ""
                          << "2"
                          << "";
  QTest::newRow("X equal") << "X1"
                           << "5"
                           << "X2=5"
                           << "0"
                           << "100";
  QTest::newRow("X mirrored") << "X1"
                              << "10"
                              << "X2=0"
                              << "10"
                              << "0";
  QTest::newRow("Z equal") << "Z1"
                           << "3"
                           << "Z2=3"
                           << "0"
                           << "200";
  QTest::newRow("Z falling") << "Z1"
                             << "150"
                             << "Z2=50"
                             << "0"
                             << "200";
  QTest::newRow("Y equal") << "Y1"
                           << "7"
                           << "Y2=7"
                           << "0"
                           << "50";
  QTest::newRow("sq x") << "sq"
                        << "x"
                        << ""
                        << ""
                        << "";
  QTest::newRow("sq blank 2.50") << "sq"
                                 << " 2.50"
                                 << ""
                                 << "2.5"
                                 << "";
  QTest::newRow("X1 canonical") << "X1"
                                << " 12.50"
                                << ""
                                << "12.5"
                                << "";
  QTest::newRow("X2 exponent") << "X2"
                               << "1e3"
                               << ""
                               << "1000"
                               << "";
  QTest::newRow("Y2 word") << "Y2"
                           << "top"
                           << ""
                           << "50"
                           << "";
}

void Form1Test::validationOnOk() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, other);
  QFETCH(QString, expected);
  QFETCH(QString, expectedOther);
  load();
  QSignalSpy shown(m_window.get(), &frmMain::pageShown);
  const QString otherName = other.section('=', 0, 0);
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<Form1&>(d);
    Field(form, field)->setText(typed);
    if (!other.isEmpty()) Field(form, otherName)->setText(other.section('=', 1));
    QTest::mouseClick(form.controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  const Form1& form = m_window->form1();
  QCOMPARE(m_dialogs->leftOpen, 0);
  QCOMPARE(form.ok(), 1);
  QCOMPARE(Field(form, field)->text(), expected);
  if (!other.isEmpty()) QCOMPARE(Field(form, otherName)->text(), expectedOther);
  // The settings consumers read are the validated ones.
  QVERIFY(m_window->document().settings == form.controlValues());
  // OK with data loaded redraws once, after the dialog has closed.
  QCOMPARE(shown.count(), 1);
}

void Form1Test::testThenCancel() {
  load();
  QSignalSpy shown(m_window.get(), &frmMain::pageShown);
  std::string nWhileTested;
  int shownAtTest = -1;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<Form1&>(d);
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
  const Form1& form = m_window->form1();
  QCOMPARE(form.ok(), 0);
  QCOMPARE(m_window->document().settings.n, std::string("20"));
  QCOMPARE(m_window->document().settings.TriangleEdges, 0);
  QCOMPARE(form.controls().n->text(), QStringLiteral("20"));
  QVERIFY(!form.controls().Check2->isChecked());
}

void Form1Test::okWithoutDataDoesNotRedraw() {
  QSignalSpy shown(m_window.get(), &frmMain::pageShown);
  m_dialogs->modalScript = [](QDialog& d) {
    QTest::mouseClick(dynamic_cast<Form1&>(d).controls().Command1, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(shown.count(), 0);
  // Without data the ranges fall back to the extents, all 0.
  QCOMPARE(m_window->document().settings.X1, std::string("0"));
  QCOMPARE(m_window->document().settings.X2, std::string("0"));
  // Test and Cancel redraw even without data: an empty map square.
  m_dialogs->modalScript = [](QDialog& d) {
    auto& form = dynamic_cast<Form1&>(d);
    QTest::mouseClick(form.controls().Command3, Qt::LeftButton);
    QTest::mouseClick(form.controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(shown.count(), 2);
}

void Form1Test::patternClearsContinuous() {
  Form1& form = m_window->form1();
  form.show();
  const Ui::Form1& ui = form.controls();
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

void Form1Test::cancelRestoresPatternMode() {
  load();
  m_window->document().settings.selectFillMode(FillMode::FillPattern);
  m_dialogs->modalScript = [](QDialog& d) {
    const Ui::Form1& ui = dynamic_cast<Form1&>(d).controls();
    QVERIFY(ui.Option3->isChecked());
    QVERIFY(!ui.Check3->isEnabled());
    QTest::mouseClick(ui.Option1, Qt::LeftButton);
    ui.Check3->setChecked(true);
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  const Ui::Form1& ui = m_window->form1().controls();
  QVERIFY(ui.Option3->isChecked());
  QVERIFY(!ui.Check3->isChecked());
  QVERIFY(!ui.Check3->isEnabled());
  QCOMPARE(m_window->document().settings.fillMode, FillMode::FillPattern);
  QCOMPARE(m_window->document().settings.ContinuousColour, 0);
}

void Form1Test::frameCloseActsAsCancel() {
  load();
  QSignalSpy shown(m_window.get(), &frmMain::pageShown);
  m_dialogs->modalScript = [](QDialog& d) {
    dynamic_cast<Form1&>(d).controls().X1->setText(QStringLiteral("50"));
    d.close();
  };
  m_window->controls().scale->trigger();
  QCOMPARE(m_dialogs->leftOpen, 0);
  QCOMPARE(m_window->form1().ok(), 0);
  QCOMPARE(m_window->document().settings.X1, std::string("0"));
  QCOMPARE(m_window->form1().controls().X1->text(), QStringLiteral("0"));
  QCOMPARE(shown.count(), 1);
}

void Form1Test::enterAndEscapePressNothing() {
  load();
  QSignalSpy shown(m_window.get(), &frmMain::pageShown);
  bool openAfterKeys = false;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& form = dynamic_cast<Form1&>(d);
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

void Form1Test::settingsResetByNextLoad() {
  load();
  m_dialogs->modalScript = [](QDialog& d) {
    auto& form = dynamic_cast<Form1&>(d);
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
    auto& form = dynamic_cast<Form1&>(d);
    nShown = form.controls().n->text();
    colourShown = form.controls().Option1->isChecked();
    QTest::mouseClick(form.controls().Command2, Qt::LeftButton);
  };
  m_window->controls().scale->trigger();
  QCOMPARE(nShown, QStringLiteral("20"));
  QVERIFY(colourShown);
}

void Form1Test::progressHiddenWhileDialogOpen() {
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
    QTest::mouseClick(dynamic_cast<Form1&>(d).controls().Command3, Qt::LeftButton);
    QTest::mouseClick(dynamic_cast<Form1&>(d).controls().Command2, Qt::LeftButton);
  };
  const int beforeTest = shows.count();
  int duringTest = -1;
  QObject::connect(window.get(), &frmMain::pageShown, window.get(), [&] {
    if (duringTest < 0) duringTest = shows.count();
  });
  window->controls().scale->trigger();
  QCOMPARE(duringTest, beforeTest);
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"

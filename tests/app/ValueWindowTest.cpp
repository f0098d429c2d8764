// The tool window "指定座標の値": its layout, the value it shows for a typed
// point on a small mesh whose answers can be worked out by hand, the inputs
// that change nothing, and the Z box emptied by every edit.

#include <QPointer>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/ValueWindow.h"
#include "tools/ToolMeshes.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

// Three clockwise triangles in normalised coordinates:
//   1: (0, 0, 0), (0, 10, 50), (10, 0, 100)  -- the worked example
//   2: (10, 0, 100), (0, 10, 50), (10, 10, 20)
//   3: (10, 0, 100), (10, 10, 20), (20, 0, 60)
// over the data extents X 100..200, Y -50..50, Z 10..20: a data point is
// (100 + xn, -50 + yn) and Z = 10 + zn / 10.
Document SmallDocument() {
  const test::ToolMesh t = test::MakeToolMesh({{0, 0, 0}, {0, 10, 50}, {10, 0, 100}, {10, 10, 20}, {20, 0, 60}},
                                              {{0, 1, 2}, {2, 1, 3}, {2, 3, 4}}, {100, 200, -50, 50, 10, 20});
  Document doc;
  doc.points.nn = 5;
  doc.mesh = t.mesh;
  doc.range = t.range;
  return doc;
}

// Types into a box as the user does, replacing what it held.
void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(box, Qt::Key_Delete);
  } else {
    QTest::keyClicks(box, text);
  }
}

}  // namespace

class ValueWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void layout_data();
  void layout();
  void keyboardOrder();
  void valueAtPoint_data();
  void valueAtPoint();
  void noValueLeavesBoxEmpty_data();
  void noValueLeavesBoxEmpty();
  void distortionLimitExcludes_data();
  void distortionLimitExcludes();
  void invalidEntryChangesNothing_data();
  void invalidEntryChangesNothing();
  void nothingWithoutMesh();
  void nothingWhileBusy();
  void editEmptiesZ();
  void closeDestroysWindow();

 private:
  QString press(const QString& X, const QString& Y);

  Document m_doc;
  CommandGuard m_guard;
  std::unique_ptr<ValueWindow> m_form;
};

void ValueWindowTest::init() {
  m_doc = SmallDocument();
  m_form = std::make_unique<ValueWindow>(m_doc, m_guard, nullptr);
  m_form->setAttribute(Qt::WA_DeleteOnClose, false);
  m_form->show();
}

void ValueWindowTest::cleanup() { m_form.reset(); }

// Types X and Y, presses "⇒" and returns the Z box.
QString ValueWindowTest::press(const QString& X, const QString& Y) {
  const Ui::ValueWindow& ui = m_form->controls();
  Type(ui.Text1, X);
  Type(ui.Text2, Y);
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  return ui.Text3->text();
}

void ValueWindowTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("twips");
  QTest::addColumn<QString>("text");
  QTest::newRow("X box") << "Text1" << QRect(120, 360, 735, 270) << "";
  QTest::newRow("Y box") << "Text2" << QRect(960, 360, 735, 270) << "";
  QTest::newRow("button") << "Command1" << QRect(1800, 360, 495, 375) << "⇒";
  QTest::newRow("Z box") << "Text3" << QRect(2280, 360, 735, 270) << "";
}

void ValueWindowTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, twips);
  QFETCH(QString, text);
  QCOMPARE(m_form->windowTitle(), QStringLiteral("指定座標の値"));
  QCOMPARE(m_form->height(), 810 / 15);
  QVERIFY(m_form->width() >= 3135 / 15);
  QVERIFY(!m_form->isModal());
  const QWidget* control = m_form->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QVERIFY(test::KeepsItsPlace(control->geometry(), test::PixelsOfTwips(twips)));
  if (const auto* button = qobject_cast<const QPushButton*>(control)) QCOMPARE(button->text(), text);
}

void ValueWindowTest::keyboardOrder() {
  QStringList order;
  QWidget* first = m_form->controls().Text1;
  QWidget* w = first;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != first);
  QCOMPARE(order, (QStringList{"Text1", "Text2", "Text3", "Command1"}));
  // The labels stand above their boxes.
  const Ui::ValueWindow& ui = m_form->controls();
  QCOMPARE(ui.Label1->text() + ui.Label2->text() + ui.Label3->text(), QStringLiteral("XYZ"));
  for (const auto& [label, box] : {std::pair{ui.Label1, ui.Text1}, {ui.Label2, ui.Text2}, {ui.Label3, ui.Text3}}) {
    QCOMPARE(label->y(), 120 / 15);
    QVERIFY(box->x() <= label->x() && label->geometry().right() <= box->geometry().right());
  }
}

void ValueWindowTest::valueAtPoint_data() {
  QTest::addColumn<QString>("X");
  QTest::addColumn<QString>("Y");
  QTest::addColumn<QString>("Z");
  // (2, 2) in triangle 1: s = t = 0.2, zn = 0.2 * 50 + 0.2 * 100 = 30.
  QTest::newRow("worked example") << "102"
                                  << "-48"
                                  << "13";
  QTest::newRow("blanks and exponent") << " 1.02E2 "
                                       << "-4.8e1"
                                       << "13";
  // The midpoint of the edge triangles 1 and 2 share: (50 + 100) / 2.
  QTest::newRow("shared edge") << "105"
                               << "-45"
                               << "17.5";
  QTest::newRow("vertex") << "110"
                          << "-50"
                          << "20";
  // On the outer boundary x = 0: 0.4 of the way to the vertex of zn 50.
  QTest::newRow("outer boundary") << "100"
                                  << "-46"
                                  << "12";
  // (8, 8) in triangle 2: s = 0.2, t = 0.6, zn = 100 - 10 - 48 = 42.
  QTest::newRow("second triangle") << "108"
                                   << "-42"
                                   << "14.2";
}

void ValueWindowTest::valueAtPoint() {
  QFETCH(QString, X);
  QFETCH(QString, Y);
  QFETCH(QString, Z);
  QCOMPARE(press(X, Y), Z);
}

void ValueWindowTest::noValueLeavesBoxEmpty_data() {
  QTest::addColumn<QString>("X");
  QTest::addColumn<QString>("Y");
  QTest::newRow("just left of the mesh") << "99.99"
                                         << "-46";
  QTest::newRow("just below the mesh") << "102"
                                       << "-50.01";
  QTest::newRow("inside the extents, off the mesh") << "150"
                                                    << "40";
  QTest::newRow("beyond the extents") << "250"
                                      << "-48";
}

void ValueWindowTest::noValueLeavesBoxEmpty() {
  QFETCH(QString, X);
  QFETCH(QString, Y);
  QCOMPARE(press("102", "-48"), QStringLiteral("13"));
  QCOMPARE(press(X, Y), QString());
}

void ValueWindowTest::distortionLimitExcludes_data() {
  QTest::addColumn<QString>("sq");
  QTest::addColumn<QString>("inFirst");   // Z at (2, 2), in triangle 1
  QTest::addColumn<QString>("inSecond");  // Z at (8, 8), in triangle 2
  QTest::newRow("no limit") << ""
                            << "13"
                            << "14.2";
  QTest::newRow("above the distortion") << "0.9"
                                        << "13"
                                        << "14.2";
  QTest::newRow("equal to it") << "0.8"
                               << ""
                               << "14.2";
  QTest::newRow("below it") << "0.5"
                            << ""
                            << "14.2";
}

void ValueWindowTest::distortionLimitExcludes() {
  QFETCH(QString, sq);
  QFETCH(QString, inFirst);
  QFETCH(QString, inSecond);
  m_doc.mesh.hh[1] = 0.8;
  m_doc.mesh.hh[2] = 0.3;
  // Read at every press: the window stays open while the settings change.
  QCOMPARE(press("102", "-48"), QStringLiteral("13"));
  m_doc.settings.sq = sq.toStdString();
  QCOMPARE(press("102", "-48.0"), inFirst);
  QCOMPARE(press("108", "-42"), inSecond);
}

void ValueWindowTest::invalidEntryChangesNothing_data() {
  QTest::addColumn<QString>("X");
  QTest::addColumn<QString>("Y");
  QTest::newRow("letters") << "abc"
                           << "-48";
  QTest::newRow("numeric prefix only") << "102abc"
                                       << "-48";
  QTest::newRow("empty Y") << "102"
                           << "";
  QTest::newRow("comma") << "102"
                         << "-4,8";
  QTest::newRow("X too large") << "1E39"
                               << "-48";
  QTest::newRow("Y too large") << "102"
                               << "-3.5E+38";
  QTest::newRow("beyond double") << "1E400"
                                 << "-48";
}

void ValueWindowTest::invalidEntryChangesNothing() {
  QFETCH(QString, X);
  QFETCH(QString, Y);
  const Ui::ValueWindow& ui = m_form->controls();
  Type(ui.Text1, X);
  Type(ui.Text2, Y);
  // Something in the Z box that a press with a value would replace.
  Type(ui.Text3, QStringLiteral("typed"));
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QCOMPARE(ui.Text3->text(), QStringLiteral("typed"));
  QCOMPARE(ui.Text1->text(), X);
  QCOMPARE(ui.Text2->text(), Y);
}

void ValueWindowTest::nothingWithoutMesh() {
  // Fewer than three triangles is no mesh, although the two would answer.
  m_doc.mesh.nt = 2;
  QCOMPARE(press("102", "-48"), QString());
  m_doc = Document();
  QCOMPARE(press("105", "-45"), QString());
}

void ValueWindowTest::nothingWhileBusy() {
  {
    CommandGuard::Scope busy(m_guard);
    QCOMPARE(press("102", "-48"), QString());
  }
  QTest::mouseClick(m_form->controls().Command1, Qt::LeftButton);
  QCOMPARE(m_form->controls().Text3->text(), QStringLiteral("13"));
}

void ValueWindowTest::editEmptiesZ() {
  const Ui::ValueWindow& ui = m_form->controls();
  QCOMPARE(press("102", "-48"), QStringLiteral("13"));
  ui.Text1->setFocus();
  ui.Text1->end(false);
  QTest::keyClick(ui.Text1, Qt::Key_Backspace);  // "10"
  QCOMPARE(ui.Text3->text(), QString());
  // (10, 48) of the data lies off the mesh: the box stays empty.
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QCOMPARE(ui.Text3->text(), QString());
  QTest::keyClicks(ui.Text1, "5");  // "105"
  Type(ui.Text2, QStringLiteral("-45"));
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QCOMPARE(ui.Text3->text(), QStringLiteral("17.5"));
  ui.Text2->end(false);
  QTest::keyClicks(ui.Text2, "0");  // "-450"
  QCOMPARE(ui.Text3->text(), QString());
  // A paste is an edit too.
  QCOMPARE(press("105", "-45"), QStringLiteral("17.5"));
  ui.Text2->setText(QStringLiteral("-45"));
  QCOMPARE(ui.Text3->text(), QStringLiteral("17.5"));  // no change, no edit
  ui.Text2->insert(QStringLiteral("1"));
  QCOMPARE(ui.Text3->text(), QString());
}

void ValueWindowTest::closeDestroysWindow() {
  CommandGuard guard;
  QPointer<ValueWindow> form = new ValueWindow(m_doc, guard, nullptr);
  form->show();
  Type(form->controls().Text1, QStringLiteral("102"));
  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(form.isNull());
  // The next opening starts with empty boxes.
  ValueWindow next(m_doc, guard, nullptr);
  QCOMPARE(next.controls().Text1->text(), QString());
  QCOMPARE(next.controls().Text2->text(), QString());
  QCOMPARE(next.controls().Text3->text(), QString());
}

PLOTVANE_APP_SUITE(ValueWindowTest)
#include "ValueWindowTest.moc"

// How the windows behave in everyday use: the status-bar read-out forgets the
// data it was read from, the tool windows take Enter and Escape, a short
// message keeps its title readable, and number boxes show a whole number,
// its start when not edited, and take a typed number in place of the old.

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/GridWindow.h"
#include "app/NumberBoxes.h"
#include "app/PageSurface.h"
#include "app/SettingsDialog.h"
#include "app/SkipLinesDialog.h"
#include "app/ValueWindow.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

// A point of the page over the map of the lattice (millimetres).
constexpr float kOverMapX = 73.0f;
constexpr float kOverMapY = 60.85f;

// Whether box shows all of its text: with the cursor at the end, which a box
// always keeps in view, nothing is scrolled off at the left.
bool ShowsWholeText(QLineEdit& box) {
  box.setCursorPosition(static_cast<int>(box.text().size()));
  box.grab();  // the scroll position is worked out when the box paints
  const QRect inside = box.contentsRect();
  return box.cursorPositionAt(QPoint(inside.left() + 3, inside.center().y())) == 0;
}

}  // namespace

class WindowMannersTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void readoutForgetsTheDataItWasReadFrom();
  void valueWindowTakesEnterAndEscape();
  void gridWindowTakesEnterAndEscape();
  void shortMessageKeepsItsTitle();
  void numberBoxesHoldTheLongestNumber();
  void boxShowsStartWhenLeftAndSelectsAllOnFocus();
  void skipCountIsReplacedByTyping();
  void widenedLayoutKeepsTheArrangement();

 private:
  void moveOverMap() { emit m_window->pageSurface()->mouseMovedMm(kOverMapX, kOverMapY); }
  template <class Window>
  Window* openWindow(QAction* item) {
    item->trigger();
    return m_window->findChild<Window*>();
  }
  QString lattice(const char* name, int nx = 11) const {
    return QString::fromStdString(test::WriteLatticeFile(*m_dir, name, nx));
  }
};

void WindowMannersTest::init() {
  MainWindowSuite::init();
  m_window->openDataFile(lattice("lattice.txt"));
  m_window->document().fileTitle = "lattice";
  QVERIFY(m_window->document().drawable());
}

void WindowMannersTest::readoutForgetsTheDataItWasReadFrom() {
  moveOverMap();
  QVERIFY(!m_window->statusText().isEmpty());
  // Another data set: its X, Y and Z are not the old ones.
  m_window->openDataFile(lattice("other.txt", 5));
  QCOMPARE(m_window->statusText(), QString());
  moveOverMap();
  QVERIFY(!m_window->statusText().isEmpty());
  // New settings move the map under the cursor.
  m_window->document().settings.X2 = "200";
  m_window->redraw();
  QCOMPARE(m_window->statusText(), QString());
  // A failed load leaves no read-out either.
  moveOverMap();
  m_window->openDataFile(QString::fromStdString(m_dir->write("bad.txt", "X Y Z\r\n1 2 x\r\n")));
  QCOMPARE(m_window->statusText(), QString());
}

void WindowMannersTest::valueWindowTakesEnterAndEscape() {
  ValueWindow* form = openWindow<ValueWindow>(m_window->controls().atai);
  QVERIFY(form != nullptr);
  const Ui::ValueWindow& ui = form->controls();
  ui.Text1->setText("50");
  ui.Text2->setText("25");
  QTest::keyClick(ui.Text2, Qt::Key_Return);
  QCOMPARE(ui.Text3->text(), QStringLiteral("100"));
  ui.Text1->setText("20");
  QTest::keyClick(ui.Text1, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(ui.Text3->text(), QStringLiteral("70"));
  QTest::keyClick(ui.Text1, Qt::Key_Escape);
  QVERIFY(!form->isVisible());
}

void WindowMannersTest::gridWindowTakesEnterAndEscape() {
  GridWindow* form = openWindow<GridWindow>(m_window->controls().koushi);
  QVERIFY(form != nullptr);
  const Ui::GridWindow& ui = form->controls();
  for (QLineEdit* box : {ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5, ui.Text6}) box->setText("2");
  const QString target = QString::fromStdString(m_dir->file("grid.txt"));
  m_dialogs->fileAnswers = {target};
  QTest::keyClick(ui.Text6, Qt::Key_Return);
  QVERIFY(QFile::exists(target));
  QCOMPARE(m_dialogs->messages.back().text, QStringLiteral("保存しました。"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  GridWindow* again = openWindow<GridWindow>(m_window->controls().koushi);
  QVERIFY(again != nullptr);
  QTest::keyClick(again->controls().Text2, Qt::Key_Escape);
  QVERIFY(!again->isVisible());
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
}

void WindowMannersTest::shortMessageKeepsItsTitle() {
  const auto widthOf = [](bool fitted) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Plotvane"), QStringLiteral("保存しました。"), QMessageBox::Ok);
    if (fitted) FitMessageBoxToTitle(box);
    box.show();
    return box.width();
  };
  QFont bold = QApplication::font();
  bold.setBold(true);
  // The title, and room for the title bar's buttons beside it.
  const int needed = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Plotvane")) + 100;
  QVERIFY2(widthOf(false) < needed, "the plain box is narrower than its title; the test shows nothing");
  QVERIFY2(widthOf(true) >= needed, qPrintable(QString::number(widthOf(true))));
}

void WindowMannersTest::numberBoxesHoldTheLongestNumber() {
  const QString longest = QString::fromLatin1(kLongestNumberText);
  SettingsDialog& settings = m_window->settingsDialog();
  const Ui::SettingsDialog& s = settings.controls();
  ValueWindow* value = openWindow<ValueWindow>(m_window->controls().atai);
  GridWindow* grid = openWindow<GridWindow>(m_window->controls().koushi);
  QVERIFY(value != nullptr && grid != nullptr);
  const Ui::ValueWindow& v = value->controls();
  const Ui::GridWindow& g = grid->controls();
  settings.show();
  for (QLineEdit* box : {s.X1, s.X2, s.Y1, s.Y2, s.Z1, s.Z2, s.n, s.sq, v.Text1, v.Text2, v.Text3, g.Text1, g.Text2,
                         g.Text3, g.Text4, g.Text5, g.Text6}) {
    box->setText(longest);
    QVERIFY2(ShowsWholeText(*box), qPrintable(box->window()->objectName() + "." + box->objectName()));
  }
  settings.hide();
}

void WindowMannersTest::boxShowsStartWhenLeftAndSelectsAllOnFocus() {
  ValueWindow* form = openWindow<ValueWindow>(m_window->controls().atai);
  QVERIFY(form != nullptr);
  QVERIFY(QTest::qWaitForWindowActive(form));
  const Ui::ValueWindow& ui = form->controls();
  ui.Text1->setFocus(Qt::TabFocusReason);
  const QString tooLong = QStringLiteral("1234567890123456789012345678901234567890123456789");
  QTest::keyClicks(ui.Text1, tooLong);
  QCOMPARE(ui.Text1->cursorPosition(), tooLong.size());
  // Leaving the box shows where the number starts.
  QTest::keyClick(ui.Text1, Qt::Key_Tab);
  QTRY_VERIFY(ui.Text2->hasFocus());
  QCOMPARE(ui.Text1->cursorPosition(), 0);
  // Coming back selects it all, so a typed number replaces it.
  ui.Text1->setFocus(Qt::MouseFocusReason);
  QTRY_COMPARE(ui.Text1->selectedText(), tooLong);
  QTest::keyClicks(ui.Text1, "7");
  QCOMPARE(ui.Text1->text(), QStringLiteral("7"));
}

void WindowMannersTest::skipCountIsReplacedByTyping() {
  m_dialogs->fileAnswers = {lattice("skip.txt")};
  QString selected;
  int skipped = -1;
  m_dialogs->modalScript = [&](QDialog& d) {
    auto& dialog = dynamic_cast<SkipLinesDialog&>(d);
    const Ui::SkipLinesDialog& ui = dialog.controls();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTRY_VERIFY(ui.Text1->hasFocus());
    QTRY_COMPARE(ui.Text1->selectedText(), QStringLiteral("3"));
    selected = ui.Text1->selectedText();
    QTest::keyClicks(ui.Text1, "0");
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
    skipped = dialog.skipLines();
  };
  m_window->controls().mnuFileNew2->trigger();
  QCOMPARE(selected, QStringLiteral("3"));
  QCOMPARE(skipped, 0);
  QCOMPARE(m_window->document().points.nn, 66);
}

void WindowMannersTest::widenedLayoutKeepsTheArrangement() {
  // The settings dialog as laid out for the narrow font (pixels); number
  // boxes marked.
  constexpr auto kBox = LayoutItem::Kind::NumberBox;
  constexpr auto kFixed = LayoutItem::Kind::Fixed;
  constexpr auto kStretch = LayoutItem::Kind::Stretch;
  const QList<LayoutItem> items{
      {{72, 16, 113, 73}, kStretch}, {{8, 16, 16, 17}, kFixed},    {{24, 16, 41, 18}, kBox},
      {{8, 72, 16, 17}, kFixed},     {{24, 72, 41, 18}, kBox},     {{56, 96, 16, 17}, kFixed},
      {{72, 96, 41, 18}, kBox},      {{128, 96, 16, 17}, kFixed},  {{144, 96, 41, 18}, kBox},
      {{112, 32, 49, 17}, kFixed},   {{112, 48, 33, 18}, kBox},    {{224, 16, 17, 17}, kFixed},
      {{248, 16, 16, 17}, kFixed},   {{264, 16, 41, 18}, kBox},    {{256, 56, 8, 17}, kFixed},
      {{264, 56, 25, 18}, kBox},     {{264, 96, 41, 18}, kBox},    {{24, 136, 288, 1}, kStretch},
      {{16, 152, 57, 17}, kFixed},   {{16, 184, 65, 17}, kFixed},  {{96, 152, 81, 17}, kFixed},
      {{208, 160, 33, 25}, kFixed},  {{264, 144, 49, 25}, kFixed}, {{264, 176, 49, 25}, kFixed}};
  for (const int boxWidth : {30, 41, 140, 260}) {
    const QList<QRect> placed = WidenedLayout(items, boxWidth, 329);
    QVERIFY(placed.back().width() >= 329);
    for (qsizetype a = 0; a < items.size(); ++a) {
      const QRect& was = items[a].rect;
      const QRect& now = placed[a];
      QCOMPARE(now.top(), was.top());
      QCOMPARE(now.height(), was.height());
      QVERIFY(now.width() >= (items[a].kind == kBox ? std::max(boxWidth, was.width()) : was.width()));
      if (items[a].kind == kFixed) QCOMPARE(now.width(), was.width());
      QVERIFY(now.right() < placed.back().width());
      for (qsizetype b = 0; b < items.size(); ++b) {
        const QRect& other = items[b].rect;
        // Left of stays left of; inside stays inside.
        if (was.left() + was.width() <= other.left()) QVERIFY(now.left() + now.width() <= placed[b].left());
        if (a != b && was.contains(other)) QVERIFY(now.contains(placed[b]));
      }
    }
  }
}

PLOTVANE_APP_SUITE(WindowMannersTest)
#include "WindowMannersTest.moc"

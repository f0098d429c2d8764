// The two load commands of the File menu, their file dialog and the skip
// dialog, and how a failed load is reported.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/LasClassDialog.h"
#include "app/PageSurface.h"
#include "app/SkipLinesDialog.h"
#include "support/LasTestFile.h"
#include "tools/MeshValueAt.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

const QString kLoadFilter = QStringLiteral(
    "ﾃﾞｰﾀﾌｧｲﾙ (*.txt *.csv *.xyz *.dat *.ctr *.sim *.las *.xml);;"
    "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.xyz;*.dat) (*.txt *.csv *.xyz *.dat);;ｺﾝﾀﾌｧｲﾙ(*.ctr);;SIMA(*.sim);;"
    "LAS(*.las);;LandXML(*.xml)");

// Fills the skip dialog and presses OK.
std::function<void(QDialog&)> AnswerSkip(const QString& lines, const QString& prefixes) {
  return [lines, prefixes](QDialog& d) {
    const Ui::SkipLinesDialog& ui = dynamic_cast<SkipLinesDialog&>(d).controls();
    ui.Text1->setText(lines);
    ui.Text2->setText(prefixes);
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
  };
}

// Drops the file on the window as a file manager would; whether it was taken.
bool Drop(QWidget& window, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  const QPoint centre = window.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &drop);
  return drop.isAccepted();
}

bool Blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

}  // namespace

class LoadCommandsTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void loadThroughMenu();
  void cancelledDialogLoadsNothing();
  void skipDialogRemembersValues();
  void skipDialogRefusesBadCount();
  void skipCancelLoadsNothing();
  void plainLoadAfterSkipLoadSkipsNothing();
  void failures_data();
  void failures();
  void droppedFile_data();
  void droppedFile();
  void dropWhileBusyIsIgnored();
  void lasLoadAsksForClasses();
  void boundaryStaysForTheSession();
  void landXmlLoadAsksForTheSurface();
};

void LoadCommandsTest::init() {
  MainWindowSuite::init();
  m_window->fileDialogPath() = QStringLiteral("/start/here");
}

void LoadCommandsTest::loadThroughMenu() {
  const QString path = QString::fromStdString(test::WriteLatticeFile(*m_dir, "site.north.txt"));
  m_dialogs->fileAnswers = {path};
  QSignalSpy shown(m_window.get(), &MainWindow::pageShown);
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
  QCOMPARE(m_dialogs->fileRequests[0].title, QStringLiteral("データの読込"));
  QCOMPARE(m_dialogs->fileRequests[0].filter, kLoadFilter);
  QCOMPARE(m_dialogs->fileRequests[0].start, QStringLiteral("/start/here"));
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane  site.north.txt"));
  QCOMPARE(m_window->document().fileTitle, std::string("site.north"));
  QVERIFY(m_window->document().drawable());
  QCOMPARE(shown.count(), 1);
  QVERIFY(!Blank(m_window->pageSurface()->image()));
  // The next dialog opens on the file chosen.
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->fileRequests[1].start, path);
}

// A LAS file asks which classes make the ground; the status bar says what
// the load kept; Cancel loads nothing.
// A boundary masks the data shown and every later load until it is
// cleared; its name is in the title; a file that cannot be used is reported
// and changes nothing.
void LoadCommandsTest::boundaryStaysForTheSession() {
  const QString data = QString::fromStdString(test::WriteLatticeFile(*m_dir, "site.txt"));
  const QString boundary = QString::fromStdString(m_dir->write("b.txt", "10 5\n60 5\n60 40\n10 40\n10 5\n"));
  const QString crossed = QString::fromStdString(m_dir->write("bad.txt", "0 0\n9 9\n9 0\n0 9\n0 0\n"));
  m_dialogs->fileAnswers = {data, boundary, data, crossed};
  m_window->controls().mnuFileNew->trigger();
  m_window->controls().loadBoundary->trigger();
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane  site.txt  [境界: b.txt]"));
  auto valueAt = [&](float x, float y) { return MeshValueAt(m_window->document(), x, y); };
  QCOMPARE(valueAt(80, 45).kind, MeshValue::Kind::Outside);
  QCOMPARE(valueAt(30, 20).z, 70.0f);
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane  site.txt  [境界: b.txt]"));
  QCOMPARE(valueAt(80, 45).kind, MeshValue::Kind::Outside);
  m_window->controls().loadBoundary->trigger();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("bad.txt")));
  QCOMPARE(valueAt(80, 45).kind, MeshValue::Kind::Outside);
  m_window->controls().clearSite->trigger();
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane  site.txt"));
  QCOMPARE(valueAt(80, 45).z, 170.0f);
}

void LoadCommandsTest::lasLoadAsksForClasses() {
  test::LasTestFile cloud;
  for (int i = 0; i < 25; ++i) {
    cloud.raw.push_back({100 * (i % 5), 100 * (i / 5), 10 * (i % 5) + i / 5});
    cloud.classes.push_back(i % 5 == 4 ? 5 : 2);  // the last column is vegetation
  }
  const QString path = QString::fromStdString(m_dir->write("scan.las", test::LasBytes(cloud)));
  m_dialogs->fileAnswers = {path, path};
  m_dialogs->modalScript = [](QDialog& d) {
    auto& dialog = dynamic_cast<LasClassDialog&>(d);
    dialog.classesText()->setText(QStringLiteral("2"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
  };
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->modalCount, 1);
  QVERIFY(m_window->document().drawable());
  QCOMPARE(m_window->document().points.nn, 20);
  QCOMPARE(m_window->statusText(), QStringLiteral("点 25 個を読み、分類で 20 個を選び、20 個を残しました。"));

  m_dialogs->modalScript = [](QDialog& d) { d.reject(); };
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->modalCount, 2);
  QCOMPARE(m_window->document().points.nn, 20);  // the earlier load stays
}

// A LandXML file of two surfaces asks which to load; Cancel loads nothing.
void LoadCommandsTest::landXmlLoadAsksForTheSurface() {
  const std::string points = "<P id=\"1\">0 0 1</P><P id=\"2\">0 10 2</P><P id=\"3\">10 10 3</P><P id=\"4\">10 0 4</P>";
  const auto surface = [&](const std::string& name, const std::string& faces) {
    return "<Surface name=\"" + name + "\"><Definition><Pnts>" + points + "</Pnts><Faces>" + faces +
           "</Faces></Definition></Surface>";
  };
  const QString path = QString::fromStdString(
      m_dir->write("site.xml", "<LandXML><Surfaces>" + surface("Ground", "<F>1 2 3</F>") +
                                   surface("Design", "<F>1 2 3</F><F>1 3 4</F>") + "</Surfaces></LandXML>"));
  m_dialogs->fileAnswers = {path, path};
  QStringList offered;
  m_dialogs->modalScript = [&offered](QDialog& d) {
    auto& dialog = dynamic_cast<QInputDialog&>(d);
    offered = dialog.comboBoxItems();
    dialog.setTextValue(QStringLiteral("Design"));
    dialog.accept();
  };
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(offered, (QStringList{QStringLiteral("Ground"), QStringLiteral("Design")}));
  QVERIFY(m_window->document().drawable());
  QCOMPARE(m_window->document().points.nn, 4);

  m_dialogs->modalScript = [](QDialog& d) { d.reject(); };
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->modalCount, 2);
  QCOMPARE(m_window->document().points.nn, 4);  // the earlier load stays
}

void LoadCommandsTest::cancelledDialogLoadsNothing() {
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane"));
  QVERIFY(!m_window->document().hasData());
  QCOMPARE(m_dialogs->fileRequests[0].start, QStringLiteral("/start/here"));
}

void LoadCommandsTest::skipDialogRemembersValues() {
  const QString path = QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt"));
  m_dialogs->fileAnswers = {path, path};
  m_dialogs->modalScript = AnswerSkip(QStringLiteral("1"), QStringLiteral("%"));
  m_window->controls().mnuFileNew2->trigger();
  QCOMPARE(m_dialogs->fileRequests[0].filter,
           QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.xyz;*.dat) (*.txt *.csv *.xyz *.dat)"));
  // The header line was skipped: the first lattice line became the header.
  QCOMPARE(m_window->document().points.nn, 65);
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane  lattice.txt"));

  QString lines, prefixes;
  m_dialogs->modalScript = [&](QDialog& d) {
    const Ui::SkipLinesDialog& ui = dynamic_cast<SkipLinesDialog&>(d).controls();
    lines = ui.Text1->text();
    prefixes = ui.Text2->text();
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
  };
  m_window->controls().mnuFileNew2->trigger();
  QCOMPARE(lines, QStringLiteral("1"));
  QCOMPARE(prefixes, QStringLiteral("%"));
}

void LoadCommandsTest::skipDialogRefusesBadCount() {
  const QString path = QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt"));
  m_dialogs->fileAnswers = {path};
  bool stayedOpen = false;
  m_dialogs->modalScript = [&](QDialog& d) {
    const Ui::SkipLinesDialog& ui = dynamic_cast<SkipLinesDialog&>(d).controls();
    QCOMPARE(ui.Text1->text(), QStringLiteral("3"));
    QCOMPARE(ui.Text2->text(), QStringLiteral("# * !"));
    ui.Text1->setText(QStringLiteral("40000"));
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
    stayedOpen = d.isVisible();
    QCOMPARE(ui.Text1->selectedText(), QStringLiteral("40000"));
    ui.Text1->setText(QStringLiteral("0"));
    ui.Text2->setText(QString());
    QTest::mouseClick(ui.OKButton, Qt::LeftButton);
  };
  m_window->controls().mnuFileNew2->trigger();
  QVERIFY(stayedOpen);
  QCOMPARE(m_dialogs->leftOpen, 0);
  // Zero lines and no prefixes read the file as the plain load does.
  QCOMPARE(m_window->document().points.nn, 66);
}

void LoadCommandsTest::skipCancelLoadsNothing() {
  m_dialogs->fileAnswers = {QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt"))};
  m_dialogs->modalScript = [](QDialog& d) {
    QTest::mouseClick(dynamic_cast<SkipLinesDialog&>(d).controls().CancelButton, Qt::LeftButton);
  };
  m_window->controls().mnuFileNew2->trigger();
  QCOMPARE(m_dialogs->modalCount, 1);
  QVERIFY(!m_window->document().hasData());
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane"));
  // Closing by the frame cancels too.
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->file("lattice.txt"))};
  m_dialogs->modalScript = [](QDialog& d) { d.close(); };
  m_window->controls().mnuFileNew2->trigger();
  QVERIFY(!m_window->document().hasData());
}

void LoadCommandsTest::plainLoadAfterSkipLoadSkipsNothing() {
  const QString path = QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt"));
  m_dialogs->fileAnswers = {path, path};
  m_dialogs->modalScript = AnswerSkip(QStringLiteral("2"), QStringLiteral("0"));
  m_window->controls().mnuFileNew2->trigger();
  QVERIFY(m_window->document().points.nn < 66);
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_window->document().points.nn, 66);
}

void LoadCommandsTest::failures_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("message");
  // The fixed message first, and beneath it what exactly is wrong.
  QTest::newRow("invalid data") << "bad.txt" << QByteArray("X\tY\tZ\r\n1\t2\tthree\r\n")
                                << "不正なデータが含まれています。\n2 行目の Z 「three」を数値として読めません。";
  QTest::newRow("too few points") << "two.txt" << QByteArray("X\tY\tZ\r\n0\t0\t1\r\n1\t1\t2\r\n")
                                  << "データの数が２個以下です。";
  QTest::newRow("collinear") << "line.txt" << QByteArray("X\tY\tZ\r\n0\t0\t1\r\n1\t1\t2\r\n2\t2\t3\r\n3\t3\t4\r\n")
                             << "すべての座標が一本の直線上にあります。";
  QTest::newRow("all Z equal") << "flat.txt" << QByteArray("X\tY\tZ\r\n0\t0\t1\r\n1\t0\t1\r\n0\t1\t1\r\n")
                               << "予期せぬ理由で読込に失敗しました。\nすべての点の Z が同じ値 (1) です。"
                                  "X, Y, Z のそれぞれに二つ以上の異なる値が必要です。";
  QTest::newRow("unknown kind")
      << "data.dta" << QByteArray("X\tY\tZ\r\n0\t0\t1\r\n")
      << "予期せぬ理由で読込に失敗しました。\n"
         "読み込めるのは名前が .txt, .csv, .xyz, .dat, .ctr, .sim, .las または .xml で終わるファイルです。";
  QTest::newRow("header only") << "head.txt" << QByteArray("X\tY\tZ\r\n")
                               << "データの点がありません。見出しの行のあとにデータの行がありません。";
}

void LoadCommandsTest::failures() {
  QFETCH(QString, name);
  QFETCH(QByteArray, content);
  QFETCH(QString, message);
  // A good map first: a failed load must not leave it on screen.
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "good.txt")));
  QVERIFY(!Blank(m_window->pageSurface()->image()));
  m_dialogs->fileAnswers = {
      QString::fromStdString(m_dir->write(name.toStdString(), std::string(content.constData(), content.size())))};
  m_window->controls().mnuFileNew->trigger();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Error"));
  QCOMPARE(m_dialogs->messages[0].text, message);
  // The caption does not name a file whose data did not load.
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane"));
  QVERIFY(Blank(m_window->pageSurface()->image()));
  QVERIFY(!m_window->document().drawable());
}

void LoadCommandsTest::droppedFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("drawn");
  QTest::addColumn<QString>("message");  // the box titled "Error", or empty
  QTest::newRow("data file") << "dropped.txt" << true << QString();
  QTest::newRow("contour file") << "dropped.ctr" << true << QString();
  QTest::newRow("other kind") << "dropped.png" << false << QStringLiteral("予期せぬ理由で読込に失敗しました。");
}

// A dropped file opens as データ読込 opens the file it chose: caption, title,
// the map, or the usual message.
void LoadCommandsTest::droppedFile() {
  QFETCH(QString, name);
  QFETCH(bool, drawn);
  QFETCH(QString, message);
  const QString path = QString::fromStdString(test::WriteLatticeFile(*m_dir, name.toStdString()));
  QVERIFY(Drop(*m_window, path));
  QVERIFY(m_dialogs->fileRequests.empty());
  QCOMPARE(m_window->windowTitle(), drawn ? "Plotvane  " + name : QStringLiteral("Plotvane"));
  QCOMPARE(m_window->document().drawable(), drawn);
  QCOMPARE(!Blank(m_window->pageSurface()->image()), drawn);
  if (message.isEmpty()) {
    QVERIFY(m_dialogs->messages.empty());
  } else {
    // The specified text first; the reason on a second line.
    QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
    QCOMPARE(m_dialogs->messages[0].text.section('\n', 0, 0), message);
    QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral(".txt")));
  }
}

void LoadCommandsTest::dropWhileBusyIsIgnored() {
  const QString path = QString::fromStdString(test::WriteLatticeFile(*m_dir, "dropped.txt"));
  {
    CommandGuard::Scope busy(m_window->guard());
    QVERIFY(!Drop(*m_window, path));
  }
  QVERIFY(!m_window->document().hasData());
  QCOMPARE(m_window->windowTitle(), QStringLiteral("Plotvane"));
}

PLOTVANE_APP_SUITE(LoadCommandsTest)
#include "LoadCommandsTest.moc"

// The main window: its layout and menu, start-up and shutdown, the page on
// screen, the cursor read-out, the about box, and the guard that keeps
// commands out of a load in progress.

#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/AboutDialog.h"
#include "app/PageSurface.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

bool Blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

// A mouse move over the drawing area at pixel (x, y) of the area.
void MoveOver(PageSurface* surface, int x, int y) {
  const QPointF local(x + PageSurface::kBorder, y + PageSurface::kBorder);
  QMouseEvent move(QEvent::MouseMove, local, surface->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(surface, &move);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void layoutOpensAtItsSize();
  void menuBar_data();
  void menuBar();
  void startUpWithoutFile();
  void startUpWithQuotedFile();
  void startUpRelativeName();
  void startUpWithViewFile();
  void startUpWithNameThatIsNotUtf8();
  void pageFileNextFreeNameAndGoneAfterShutdown();
  void readoutThroughMouseMoves();
  void aboutBox();
  void commandsIgnoredDuringLoad();
  void closeDuringLoadWaitsForIt();
};

void MainWindowTest::layoutOpensAtItsSize() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  const Ui::MainWindow& ui = window->controls();
  QCOMPARE(ui.centralwidget->size(), QSize(617, 491));
  QCOMPARE(ui.Picture2->geometry(), QRect(8, 8, 601, 481));
  QCOMPARE(ui.Picture2->contentsRect(), QRect(2, 2, 597, 477));
  QCOMPARE(ui.StatusBar1->geometry().height(), 25);
  QCOMPARE(ui.StatusBar1->width(), 617);
  QCOMPARE(ui.StatusBar1->geometry().bottom(), window->height() - 1);
  QCOMPARE(ui.centralwidget->geometry().bottom() + 1, ui.StatusBar1->geometry().top());
  // The user may resize it (PageViewTest).
  QVERIFY(window->minimumSize() != window->maximumSize());
  QCOMPARE(window->windowTitle(), QStringLiteral("Plotvane"));
}

void MainWindowTest::menuBar_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QStringList>("items");
  // name=caption[=shortcuts], "-" for a separator.
  QTest::newRow("file") << "mnuFile"
                        << "ﾌｧｲﾙ(&F)"
                        << QStringList{"mnuFileNew=データ読込(&N)=Ctrl+N,Ctrl+O",
                                       "mnuFileNew2=読飛ばし付_データ読込",
                                       "-",
                                       "loadBoundary=境界の読込...",
                                       "readBreaklines=ブレークラインの読込...",
                                       "clearSite=境界・ブレークラインの解除",
                                       "-",
                                       "datahozon=データ保存(&S)=Ctrl+S",
                                       "gazouhozon=画像保存",
                                       "-",
                                       "mnuFilePrint=印刷(&P)...=Ctrl+P",
                                       "printTrueScale=縮尺印刷...",
                                       "-",
                                       "mnuFileExit=終了(&X)"};
  QTest::newRow("edit") << "hensyu"
                        << "編集" << QStringList{"copy=コピー=Ctrl+C"};
  QTest::newRow("view") << "hyouji"
                        << "表示" << QStringList{"actualSize=100%表示=Ctrl+0", "fitPage=全体表示"};
  QTest::newRow("settings") << "settei"
                            << "設定" << QStringList{"scale=描画設定",
                                                     "-",
                                                     "mnuViewCopy=設定のコピー",
                                                     "mnuViewPaste=設定のペースト",
                                                     "-",
                                                     "mnuViewSave=設定の保存",
                                                     "mnuViewRead=設定の読込"};
  QTest::newRow("tools") << "tool"
                         << "ツール"
                         << QStringList{"atai=指定座標の値を調べる", "koushi=格子状のデータに変換",
                                        "exportContours=等高線データの書き出し...", "exportTin=TIN の書き出し...",
                                        "volume=土量計算..."};
  QTest::newRow("help") << "mnuhelp"
                        << "Help" << QStringList{"mnuVer=バージョン情報"};
}

void MainWindowTest::menuBar() {
  QFETCH(QString, menu);
  QFETCH(QString, title);
  QFETCH(QStringList, items);
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  auto window = test::MakeMainWindow(dialogs, dir.path());
  auto* m = window->findChild<QMenu*>(menu);
  QVERIFY(m != nullptr);
  QCOMPARE(m->title(), title);
  QStringList shown;
  for (const QAction* a : m->actions()) {
    if (a->isSeparator()) {
      shown << "-";
      continue;
    }
    QString item = a->objectName() + "=" + a->text();
    QStringList keys;
    for (const QKeySequence& key : a->shortcuts()) keys << key.toString();
    if (!keys.isEmpty()) item += "=" + keys.join(",");
    shown << item;
    QVERIFY(a->isEnabled());
  }
  QCOMPARE(shown, items);
  const QList<QAction*> bar = window->menuBar()->actions();
  QStringList order;
  for (const QAction* a : bar) order << a->menu()->objectName();
  QCOMPARE(order, (QStringList{"mnuFile", "hensyu", "hyouji", "settei", "tool", "mnuhelp"}));
  // The program's icon, built in, in its four sizes.
  QCOMPARE(window->windowIcon().availableSizes().size(), 4);
}

void MainWindowTest::startUpWithoutFile() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  auto window = test::MakeMainWindow(dialogs, dir.path());
  QSignalSpy shown(window.get(), &MainWindow::pageShown);
  window->startUp(QString());
  QCOMPARE(window->windowTitle(), QStringLiteral("Plotvane"));
  QVERIFY(!window->document().hasData());
  QCOMPARE(shown.count(), 0);
  QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
  QCOMPARE(window->fileDialogPath(), QString());
  QVERIFY(Blank(window->pageSurface()->image()));
}

void MainWindowTest::startUpWithQuotedFile() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  const std::string path = test::WriteLatticeFile(dir, "site.north.txt");
  auto window = test::MakeMainWindow(dialogs, dir.path());
  QSignalSpy shown(window.get(), &MainWindow::pageShown);
  const QString commandLine = "\"" + QString::fromStdString(path) + "\"";
  window->startUp(commandLine);
  QCOMPARE(window->windowTitle(), QStringLiteral("Plotvane - site.north.txt"));
  QCOMPARE(window->document().fileTitle, std::string("site.north"));
  QCOMPARE(window->document().points.nn, 66);
  QVERIFY(window->document().drawable());
  QCOMPARE(shown.count(), 1);
  QVERIFY(dialogs.messages.empty());
  QVERIFY(!Blank(window->pageSurface()->image()));
  QVERIFY(!window->currentPage().isNull());
  // The file dialogs start at the command-line text, quotes and all.
  QCOMPARE(window->fileDialogPath(), commandLine);
  QCOMPARE(window->viewFileDialogPath(), commandLine);
  // The page file holds the page shown.
  QVERIFY(std::filesystem::file_size(window->pageFilePath()) > 0);
}

void MainWindowTest::startUpRelativeName() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  test::WriteLatticeFile(dir, "survey");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->startUp(QStringLiteral("survey"));
  std::filesystem::current_path(previous);
  QCOMPARE(window->windowTitle(), QStringLiteral("Plotvane"));  // nothing of it loaded
  QCOMPARE(window->document().fileTitle, std::string("survey"));
  // The name has no ".txt": the reader refuses it, and says so.
  QCOMPARE(dialogs.messages.size(), std::size_t{1});
  QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error"));
  QCOMPARE(dialogs.messages[0].text,
           QStringLiteral(
               "予期せぬ理由で読込に失敗しました。\n"
               "読み込めるのは名前が .txt, .csv, .xyz, .dat, .ctr, .sim, .las または .xml で終わるファイルです。"));
}

// A view file named on the command line (a file manager's "open with"): its
// settings are read and kept for 設定のペースト onto the data loaded next.
void MainWindowTest::startUpWithViewFile() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  const std::string view = dir.write(
      "grey.ctv",
      "0\r\n250\r\n-10\r\n40\r\n1.25\r\n98.6\r\n12\r\n0.4\r\n 1 \r\n 0 \r\n 0 \r\nFalse\r\nTrue\r\nFalse\r\n");
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->startUp(QString::fromStdString(view));
  QVERIFY(dialogs.messages.empty());
  QVERIFY(!window->document().hasData());
  QCOMPARE(window->windowTitle(), QStringLiteral("Plotvane"));
  window->openDataFile(QString::fromStdString(test::WriteLatticeFile(dir, "site.txt")));
  QCOMPARE(window->document().settings.n, std::string("20"));  // a load starts from the defaults
  window->controls().mnuViewPaste->trigger();
  QCOMPARE(window->document().settings.n, std::string("12"));
  QCOMPARE(window->document().settings.fillMode, FillMode::FillGrey);
}

void MainWindowTest::startUpWithNameThatIsNotUtf8() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  const std::string path = test::WriteLatticeFile(dir, "data\xff.txt");
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->startUpWithBytes(path);
  QVERIFY(dialogs.messages.empty());
  QVERIFY(window->document().drawable());
  QCOMPARE(window->document().points.nn, 66);
}

void MainWindowTest::pageFileNextFreeNameAndGoneAfterShutdown() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  dir.write("temp0000.emf", "");
  dir.write("temp0001.emf", "");
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->startUp(QString());
  const std::string page = dir.file("temp0002.emf");
  QCOMPARE(window->pageFilePath(), page);
  struct stat st {};
  QVERIFY(::stat(page.c_str(), &st) == 0);
  QCOMPARE(st.st_mode & 0777, mode_t{0600});
  QCOMPARE(st.st_size, off_t{0});
  window->settingsDialog();  // a loaded window, closed by the shutdown
  window->shutDown();
  QVERIFY(!std::filesystem::exists(page));
  QVERIFY(std::filesystem::exists(dir.file("temp0000.emf")));
  QVERIFY(std::filesystem::exists(dir.file("temp0001.emf")));
  window->shutDown();  // a second unload does nothing
}

void MainWindowTest::readoutThroughMouseMoves() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  auto window = test::MakeMainWindow(dialogs, dir.path());
  PageSurface* surface = window->pageSurface();
  window->startUp(QString());
  // No data: nothing to read out.
  MoveOver(surface, 300, 200);
  QCOMPARE(window->statusText(), QString());

  window->openDataFile(QString::fromStdString(test::WriteLatticeFile(dir, "lattice.txt")));
  // Pixel 87 is 23.02 mm across, just inside the map's left edge; pixel 418
  // is 110.6 mm down, just above its bottom edge.
  MoveOver(surface, 87, 418);
  QVERIFY2(window->statusText().startsWith(QStringLiteral("  X=0.")), qPrintable(window->statusText()));
  QVERIFY(window->statusText().contains(QStringLiteral(",  Y=0.")));
  QVERIFY(window->statusText().contains(QStringLiteral(",  Z=")));
  // Pixel 86 is 22.75 mm across: left of the map, and the panel empties.
  MoveOver(surface, 86, 418);
  QCOMPARE(window->statusText(), QString());
  // Pixel 465 is 123.03 mm across: right of the map.
  MoveOver(surface, 300, 200);
  QVERIFY(!window->statusText().isEmpty());
  MoveOver(surface, 465, 200);
  QCOMPARE(window->statusText(), QString());
}

void MainWindowTest::aboutBox() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  auto window = test::MakeMainWindow(dialogs, dir.path());
  QString title, version, description;
  dialogs.modalScript = [&](QDialog& d) {
    auto& about = dynamic_cast<AboutDialog&>(d);
    title = about.controls().lblTitle->text();
    version = about.controls().lblVersion->text();
    description = about.controls().lblDescription->text();
    QTest::mouseClick(about.controls().cmdOK, Qt::LeftButton);
  };
  window->controls().mnuVer->trigger();
  QCOMPARE(dialogs.modalCount, 1);
  QCOMPARE(dialogs.leftOpen, 0);
  QCOMPARE(title, QStringLiteral("Plotvane"));
  QCOMPARE(version, QStringLiteral("Version " PLOTVANE_VERSION));
  QVERIFY2(description.startsWith(QStringLiteral("Qt ") + qVersion()), qPrintable(description));
}

void MainWindowTest::commandsIgnoredDuringLoad() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->startUp(QString());
  const QString first = QString::fromStdString(test::WriteLatticeFile(dir, "first.txt"));
  const QString second = QString::fromStdString(test::WriteLatticeFile(dir, "second.txt", 5, 5));
  dialogs.fileAnswers = {first, second};
  // Queued now, these run at the first moment the load lets events run.
  QTimer::singleShot(0, window.get(), [&] {
    QVERIFY(window->guard().busy());
    window->controls().mnuFileNew->trigger();
    window->controls().scale->trigger();
    window->controls().mnuFileExit->trigger();
  });
  QSignalSpy shown(window.get(), &MainWindow::pageShown);
  window->controls().mnuFileNew->trigger();
  QVERIFY(!window->guard().busy());
  QCOMPARE(dialogs.fileRequests.size(), std::size_t{1});
  QCOMPARE(dialogs.modalCount, 0);
  QCOMPARE(window->document().points.nn, 66);
  QCOMPARE(shown.count(), 1);
  QVERIFY(!window->closeRequested());
}

void MainWindowTest::closeDuringLoadWaitsForIt() {
  ScriptedDialogs dialogs;
  const test::TempDir dir;
  auto window = test::MakeMainWindow(dialogs, dir.path());
  window->startUp(QString());
  dialogs.fileAnswers = {QString::fromStdString(test::WriteLatticeFile(dir, "lattice.txt"))};
  QSignalSpy closed(window.get(), &MainWindow::closed);
  QTimer::singleShot(0, window.get(), [&] {
    window->requestClose();
    QVERIFY(!window->closeRequested());
  });
  window->controls().mnuFileNew->trigger();
  // The load finished, drew its page, and then the window closed.
  QVERIFY(window->document().drawable());
  QVERIFY(!window->currentPage().isNull());
  QVERIFY(window->closeRequested());
  QCOMPARE(closed.count(), 1);
}

PLOTVANE_APP_SUITE(MainWindowTest)
#include "MainWindowTest.moc"

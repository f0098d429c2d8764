// The tools menu of the main window: each tool window opens once, beside
// the main window, starts empty after being closed, and the grid window's
// save dialog starts where the last grid file was saved.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/CoordinateSystemDialog.h"
#include "app/GridWindow.h"
#include "app/ValueWindow.h"
#include "tools/GridConversion.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

class ToolMenuTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void valueWindowOpensOnceAndStartsEmpty();
  void gridWindowRemembersTheLastFile();
  void shutdownClosesToolWindows();
  void gridWindowWritesAnAsciiGridForAnAscName();
  void gridWindowAsksTheSystemOfARaster_data();
  void gridWindowAsksTheSystemOfARaster();
  void contourExportRemembersTheSystemForTheRun();
  void tinExportWritesLandXmlAndDxf();
  void contourExport_data();
  void contourExport();
  void contourExportNeedsAMap();
  void closeDuringConversionStopsIt();

 private:
  template <class Window>
  Window* openWindow(QAction* item) {
    item->trigger();
    const QList<Window*> windows = m_window->findChildren<Window*>();
    return windows.size() == 1 ? windows.front() : nullptr;
  }

  // Answers the coordinate system question with this EPSG code (0: none,
  // -1: cancel), and records the code it was opened on.
  void answerSystem(int epsg) {
    m_dialogs->modalScript = [this, epsg](QDialog& dialog) {
      auto* question = qobject_cast<CoordinateSystemDialog*>(&dialog);
      if (question == nullptr) return;
      m_offered.push_back(question->list()->currentData().toInt());
      if (epsg < 0) {
        question->reject();
        return;
      }
      question->list()->setCurrentIndex(question->list()->findData(epsg));
      question->accept();
    };
  }
  std::vector<int> m_offered;

  // The grid window from the menu, its six boxes filled in their order
  // (X0, DX, NX, Y0, DY, NY); null when it did not open.
  GridWindow* openGridWindowWith(const QStringList& values) {
    GridWindow* form = openWindow<GridWindow>(m_window->controls().koushi);
    if (form == nullptr) return nullptr;
    const Ui::GridWindow& ui = form->controls();
    const QList<QLineEdit*> boxes{ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5, ui.Text6};
    for (int i = 0; i < boxes.size(); ++i) boxes[i]->setText(values[i]);
    return form;
  }
};

void ToolMenuTest::init() {
  MainWindowSuite::init();
  m_offered.clear();
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));
  m_window->document().fileTitle = "lattice";
}

void ToolMenuTest::valueWindowOpensOnceAndStartsEmpty() {
  ValueWindow* form = openWindow<ValueWindow>(m_window->controls().atai);
  QVERIFY(form != nullptr);
  QVERIFY(form->isVisible());
  QVERIFY(!form->isModal());
  form->controls().Text1->setText("50");
  form->controls().Text2->setText("25");
  QTest::mouseClick(form->controls().Command1, Qt::LeftButton);
  QCOMPARE(form->controls().Text3->text(), QStringLiteral("100"));
  // A second choice of the item shows the same window, values kept.
  QCOMPARE(openWindow<ValueWindow>(m_window->controls().atai), form);
  QCOMPARE(form->controls().Text3->text(), QStringLiteral("100"));

  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ValueWindow* again = openWindow<ValueWindow>(m_window->controls().atai);
  QVERIFY(again != nullptr);
  QCOMPARE(again->controls().Text1->text(), QString());
}

void ToolMenuTest::gridWindowRemembersTheLastFile() {
  const auto convert = [&](const QString& target) {
    GridWindow* form = openGridWindowWith({"2", "2", "2", "2", "2", "2"});
    QVERIFY(form != nullptr);
    const Ui::GridWindow& ui = form->controls();
    m_dialogs->fileAnswers = {target};
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  QVERIFY(QDir().mkpath(QString::fromStdString(m_dir->path() + "/grids")));
  const QString first = QString::fromStdString(m_dir->path() + "/grids/first.txt");
  convert(first);
  QVERIFY(QFile::exists(first));
  QCOMPARE(m_dialogs->messages.back().text, QStringLiteral("保存しました。"));
  // The window closed after saving; the next one proposes the name in the
  // folder of the file saved.
  QVERIFY(m_window->findChildren<GridWindow*>().isEmpty());
  convert(QString::fromStdString(m_dir->path() + "/second.txt"));
  QCOMPARE(m_dialogs->fileRequests.at(1).start, QString::fromStdString(m_dir->path() + "/grids/lattice_格子"));
}

void ToolMenuTest::shutdownClosesToolWindows() {
  QPointer<ValueWindow> value = openWindow<ValueWindow>(m_window->controls().atai);
  QPointer<GridWindow> grid = openWindow<GridWindow>(m_window->controls().koushi);
  QVERIFY(value && grid);
  m_window->shutDown();
  QVERIFY(!value);
  QVERIFY(!grid);
}

void ToolMenuTest::gridWindowWritesAnAsciiGridForAnAscName() {
  GridWindow* form = openGridWindowWith({"0", "10", "5", "0", "10", "3"});
  QVERIFY(form != nullptr);
  const Ui::GridWindow& ui = form->controls();
  const QString target = QString::fromStdString(m_dir->path() + "/grid.asc");
  m_dialogs->fileAnswers = {target};
  answerSystem(0);
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QVERIFY(!QFile::exists(QString::fromStdString(m_dir->path() + "/grid.prj")));
  QCOMPARE(m_dialogs->messages.back().text, QStringLiteral("保存しました。"));
  QFile file(target);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  QVERIFY2(text.startsWith("ncols"), text.left(40).constData());
  QVERIFY(text.contains("nrows"));
}

void ToolMenuTest::gridWindowAsksTheSystemOfARaster_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("epsg");
  QTest::addColumn<QStringList>("written");  // the files written
  QTest::addColumn<QString>("message");
  const QString saved = QStringLiteral("保存しました。");
  QTest::newRow("asc in zone IX") << "g.asc" << 6677 << QStringList{"g.asc", "g.prj"} << saved;
  QTest::newRow("tif in zone IX") << "g.tif" << 6677 << QStringList{"g.tif"} << saved;
  QTest::newRow("question cancelled") << "g.tif" << -1 << QStringList{}
                                      << QStringLiteral("キャンセルが選択されました。");
  QTest::newRow("text grid, no question") << "g.txt" << -1 << QStringList{"g.txt"} << saved;
}

void ToolMenuTest::gridWindowAsksTheSystemOfARaster() {
  QFETCH(QString, name);
  QFETCH(int, epsg);
  QFETCH(QStringList, written);
  QFETCH(QString, message);
  GridWindow* form = openGridWindowWith({"0", "10", "5", "0", "10", "3"});
  QVERIFY(form != nullptr);
  const QDir folder(QString::fromStdString(m_dir->path()) + "/out");
  QVERIFY(folder.mkpath(QStringLiteral(".")));
  m_dialogs->fileAnswers = {folder.filePath(name)};
  answerSystem(epsg);
  QTest::mouseClick(form->controls().Command1, Qt::LeftButton);
  QCOMPARE(m_dialogs->messages.back().text, message);
  QCOMPARE(folder.entryList(QDir::Files, QDir::Name), written);
  QCOMPARE(m_dialogs->modalCount, name.endsWith(QStringLiteral(".txt")) ? 0 : 1);
}

// The question opens on the run's last choice; KML offers no "none".
void ToolMenuTest::contourExportRemembersTheSystemForTheRun() {
  const QString folder = QString::fromStdString(m_dir->path());
  m_dialogs->fileAnswers = {folder + "/a.gpkg", folder + "/b.geojson", folder + "/c.kml", folder + "/d.dxf"};
  answerSystem(6677);
  m_window->controls().exportContours->trigger();
  answerSystem(-1);
  m_window->controls().exportContours->trigger();
  m_window->controls().exportContours->trigger();
  m_window->controls().exportContours->trigger();
  QCOMPARE(m_offered, (std::vector<int>{0, 6677, 6677}));
  QVERIFY(QFile::exists(folder + "/a.gpkg"));
  QVERIFY(!QFile::exists(folder + "/b.geojson"));
  QVERIFY(!QFile::exists(folder + "/c.kml"));
  QVERIFY(QFile::exists(folder + "/d.dxf"));
  // A KML cannot be without a system: the list starts at zone I.
  CoordinateSystemDialog kml({}, true, nullptr);
  QCOMPARE(kml.list()->currentData().toInt(), 6669);
  QCOMPARE(kml.list()->findData(0), -1);
}

// LandXML asks the system and records it; DXF asks nothing.
void ToolMenuTest::tinExportWritesLandXmlAndDxf() {
  const QString folder = QString::fromStdString(m_dir->path());
  m_dialogs->fileAnswers = {folder + "/s.xml", folder + "/s.dxf"};
  answerSystem(6677);
  m_window->controls().exportTin->trigger();
  m_window->controls().exportTin->trigger();
  QCOMPARE(m_dialogs->fileRequests.at(0).title, QStringLiteral("TIN の書き出し"));
  QVERIFY(m_dialogs->fileRequests.at(0).start.endsWith(QStringLiteral("lattice.xml")));
  QCOMPARE(m_dialogs->modalCount, 1);
  QCOMPARE(m_dialogs->messages.size(), std::size_t{2});
  QCOMPARE(m_dialogs->messages.back().text, QStringLiteral("保存しました。"));
  const std::string xml = test::ReadBytes(m_dir->path() + "/s.xml");
  QVERIFY(xml.find(R"re(horizontalCoordinateSystemName="9(X,Y)")re") != std::string::npos);
  QVERIFY(xml.find("<Surface name=\"lattice\">") != std::string::npos);
  QVERIFY(test::ReadBytes(m_dir->path() + "/s.dxf").find("3DFACE") != std::string::npos);
}

void ToolMenuTest::contourExport_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("start");  // what the written file holds; empty: none is written
  QTest::addColumn<QString>("message");
  QTest::newRow("geojson") << "lines.geojson" << QByteArray("FeatureCollection") << QStringLiteral("保存しました。");
  QTest::newRow("dxf") << "lines.dxf" << QByteArray("SECTION") << QStringLiteral("保存しました。");
  QTest::newRow("csv") << "lines.csv" << QByteArray("level,line,vertex,x,y") << QStringLiteral("保存しました。");
  QTest::newRow("gpkg") << "lines.gpkg" << QByteArray("SQLite format 3") << QStringLiteral("保存しました。");
  QTest::newRow("shp") << "lines.shp" << QByteArray("\x00\x00\x27\x0a", 4) << QStringLiteral("保存しました。");
  QTest::newRow("other kind") << "lines.txt" << QByteArray() << QString();
}

// The export writes what the map shows, in the format of the chosen name,
// and says how it went; the dialog proposes the file title as GeoJSON.
void ToolMenuTest::contourExport() {
  QFETCH(QString, name);
  QFETCH(QByteArray, start);
  QFETCH(QString, message);
  const QString target = QString::fromStdString(m_dir->path()) + "/" + name;
  m_dialogs->fileAnswers = {target};
  answerSystem(0);
  m_window->controls().exportContours->trigger();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
  QCOMPARE(m_dialogs->fileRequests[0].title, QStringLiteral("等高線データの書き出し"));
  QCOMPARE(m_dialogs->fileRequests[0].filter,
           QStringLiteral("GeoJSON (*.geojson);;GeoPackage (*.gpkg);;ｼｪｰﾌﾟﾌｧｲﾙ (*.shp);;"
                          "KML (*.kml);;DXF (*.dxf);;CSV (*.csv)"));
  QVERIFY(m_dialogs->fileRequests[0].start.endsWith(QStringLiteral("lattice.geojson")));
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  if (start.isEmpty()) {
    QVERIFY(!QFile::exists(target));
    QVERIFY(m_dialogs->messages[0].text != QStringLiteral("保存しました。"));
    return;
  }
  QCOMPARE(m_dialogs->messages[0].text, message);
  QFile file(target);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY2(file.readAll().contains(start), qPrintable(name));
}

void ToolMenuTest::contourExportNeedsAMap() {
  m_window->openDataFile(QString::fromStdString(m_dir->write("bad.txt", "X\tY\tZ\r\n1\tx\t3\r\n")));
  m_dialogs->messages.clear();
  m_window->controls().exportContours->trigger();
  QVERIFY(m_dialogs->fileRequests.empty());
  QVERIFY(m_dialogs->messages.empty());
}

// A close (the close button, SIGTERM) while a grid of millions of points is
// converted does not wait for it: the conversion stops as its Cancel would,
// the chosen file stays as it was, and the program ends.
void ToolMenuTest::closeDuringConversionStopsIt() {
  GridWindow* form = openGridWindowWith({"0", "0.01", "4000", "0", "0.01", "2000"});
  QVERIFY(form != nullptr);
  const Ui::GridWindow& ui = form->controls();
  const std::string target = m_dir->write("big.txt", "kept");
  m_dialogs->fileAnswers = {QString::fromStdString(target)};
  bool busyWhenClosed = false;
  QTimer::singleShot(0, m_window.get(), [&] {
    busyWhenClosed = m_window->guard().busy();
    m_window->requestClose();
  });
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QCoreApplication::processEvents();
  QVERIFY(busyWhenClosed);
  QCOMPARE(m_dialogs->messages.back().text,
           QString::fromUtf8(kGridCancelled.data(), static_cast<qsizetype>(kGridCancelled.size())));
  QCOMPARE(test::ReadBytes(target), std::string("kept"));
  QVERIFY(m_window->closeRequested());
}

PLOTVANE_APP_SUITE(ToolMenuTest)
#include "ToolMenuTest.moc"

// The tool window "土量計算": the figures of the table against a plane and a
// second file by both methods, the inputs it refuses with their messages,
// edits that empty the table, the file chooser and the report it saves.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <sstream>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/VolumeWindow.h"
#include "tools/MeshValueAt.h"
#include "tools/ToolMeshes.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

// Z = a + b X on the lattice of [x0, x0 + 10] x [0, 10], as a data file.
std::string RampFile(int x0, double a, double b) {
  std::ostringstream text;
  text << "E\tN\tH\r\n";
  for (int i = 0; i <= 10; ++i) {
    for (int j = 0; j <= 10; ++j) text << x0 + i << '\t' << j << '\t' << a + b * (x0 + i) << "\r\n";
  }
  return text.str();
}

// The loaded surface: Z = X over [0, 10] x [0, 10].
Document RampDocument() {
  test::Points p;
  for (int i = 0; i <= 10; ++i) {
    for (int j = 0; j <= 10; ++j) p.add(i, j, i);
  }
  const test::ToolMesh t = test::DelaunayMesh(p);
  Document doc;
  doc.points.nn = p.size();
  doc.mesh = t.mesh;
  doc.range = t.range;
  doc.fileTitle = "site";
  return doc;
}

QList<double> Figures(const QTableWidget& table) {
  QList<double> figures;
  for (int row = 0; row < table.rowCount(); ++row) figures.append(table.item(row, 1)->text().toDouble());
  return figures;
}

bool TableEmpty(const QTableWidget& table) {
  for (int row = 0; row < table.rowCount(); ++row) {
    if (!table.item(row, 1)->text().isEmpty()) return false;
  }
  return true;
}

}  // namespace

class VolumeWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void figures_data();
  void figures();
  void refusals_data();
  void refusals();
  void editEmptiesTable();
  void chooserSetsFile();
  void savesReport();
  void showsDifference();

 private:
  // Fills the boxes (an empty plane: the file is the reference) and presses "計算".
  void press(const QString& plane, const QString& file, int method, const QString& cell);

  test::TempDir m_dir;
  Document m_doc;
  CommandGuard m_guard;
  ScriptedDialogs m_dialogs;
  std::unique_ptr<VolumeWindow> m_form;
};

void VolumeWindowTest::init() {
  m_doc = RampDocument();
  m_dialogs = ScriptedDialogs();
  m_form = std::make_unique<VolumeWindow>(m_doc, m_dialogs, m_guard, nullptr);
  m_form->setAttribute(Qt::WA_DeleteOnClose, false);
  m_form->show();
}

void VolumeWindowTest::cleanup() { m_form.reset(); }

void VolumeWindowTest::press(const QString& plane, const QString& file, int method, const QString& cell) {
  m_form->planeBox()->setText(plane);
  m_form->fileBox()->setText(file);
  (plane.isEmpty() ? m_form->fileChoice() : m_form->planeChoice())->setChecked(true);
  m_form->methodBox()->setCurrentIndex(method);
  if (!cell.isEmpty()) m_form->cellBox()->setText(cell);
  QTest::mouseClick(m_form->computeButton(), Qt::LeftButton);
}

void VolumeWindowTest::figures_data() {
  QTest::addColumn<QString>("plane");
  QTest::addColumn<bool>("againstFile");
  QTest::addColumn<int>("method");
  QTest::addColumn<QList<double>>("expected");  // cut, fill, net, area, cut area, fill area
  QTest::newRow("plane, tin") << "5" << false << 0 << QList<double>{125, 125, 0, 100, 50, 50};
  QTest::newRow("plane, grid") << "4" << false << 1 << QList<double>{180, 80, 100, 100, 60, 40};
  // Z = 10 - X over [5, 15] x [0, 10]: the difference 2X - 10 over [5, 10] x [0, 10].
  QTest::newRow("file, tin") << "" << true << 0 << QList<double>{250, 0, 250, 50, 50, 0};
}

void VolumeWindowTest::figures() {
  QFETCH(QString, plane);
  QFETCH(bool, againstFile);
  QFETCH(int, method);
  QFETCH(QList<double>, expected);
  const std::string other = m_dir.write("other.txt", RampFile(5, 10, -1));
  press(plane, againstFile ? QString::fromStdString(other) : QString(), method, QStringLiteral("2"));
  QVERIFY(m_dialogs.messages.empty());
  const QList<double> figures = Figures(*m_form->results());
  QCOMPARE(figures.size(), expected.size());
  for (int k = 0; k < figures.size(); ++k)
    QVERIFY2(std::abs(figures[k] - expected[k]) < 1e-9, qPrintable(QString::number(k)));
  QVERIFY(m_form->saveButton()->isEnabled());
}

void VolumeWindowTest::refusals_data() {
  QTest::addColumn<QString>("plane");
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("method");
  QTest::addColumn<QString>("cell");
  QTest::addColumn<QString>("message");  // part of the message box's text
  QTest::newRow("plane not a number") << "abc"
                                      << "" << 0 << ""
                                      << "基準面の高さを数値で";
  QTest::newRow("no file") << ""
                           << "" << 0 << ""
                           << "比較するファイルを選んで";
  QTest::newRow("cell zero") << "5"
                             << "" << 1 << "0"
                             << "格子の大きさ";
  QTest::newRow("cell too small") << "5"
                                  << "" << 1 << "1e-4"
                                  << "1 億";
  QTest::newRow("file missing") << ""
                                << "missing.txt" << 0 << ""
                                << "を読み込めません";
  QTest::newRow("no overlap") << ""
                              << "away.txt" << 0 << ""
                              << "重なっていません";
}

void VolumeWindowTest::refusals() {
  QFETCH(QString, plane);
  QFETCH(QString, file);
  QFETCH(int, method);
  QFETCH(QString, cell);
  QFETCH(QString, message);
  m_dir.write("away.txt", RampFile(30, 0, 1));
  press(plane, file.isEmpty() ? file : QString::fromStdString(m_dir.file(file.toStdString())), method, cell);
  QCOMPARE(m_dialogs.messages.size(), std::size_t{1});
  QVERIFY2(m_dialogs.messages[0].text.contains(message), qPrintable(m_dialogs.messages[0].text));
  QVERIFY(TableEmpty(*m_form->results()));
  QVERIFY(!m_form->saveButton()->isEnabled());
}

void VolumeWindowTest::editEmptiesTable() {
  press(QStringLiteral("5"), QString(), 0, QString());
  QVERIFY(!TableEmpty(*m_form->results()));
  QTest::keyClicks(m_form->planeBox(), QStringLiteral("0"));
  QVERIFY(TableEmpty(*m_form->results()));
  QVERIFY(!m_form->saveButton()->isEnabled());
}

void VolumeWindowTest::chooserSetsFile() {
  m_dialogs.fileAnswers = {QStringLiteral("/data/other.txt")};
  QTest::mouseClick(m_form->browseButton(), Qt::LeftButton);
  QCOMPARE(m_form->fileBox()->text(), QStringLiteral("/data/other.txt"));
  QVERIFY(m_form->fileChoice()->isChecked());
}

void VolumeWindowTest::savesReport() {
  press(QStringLiteral("5"), QString(), 0, QString());
  const QString path = QString::fromStdString(m_dir.file("report.csv"));
  m_dialogs.fileAnswers = {path};
  QTest::mouseClick(m_form->saveButton(), Qt::LeftButton);
  QCOMPARE(m_dialogs.messages.back().text, QStringLiteral("保存しました。"));
  QCOMPARE(m_dialogs.fileRequests.back().start, QStringLiteral("site_土量.csv"));
  const std::string report = test::ReadBytes(path.toStdString());
  QCOMPARE(QByteArray::fromStdString(report),
           QByteArray("\xEF\xBB\xBF"
                      "file,against,plane,method,cell,cut,fill,net,area,cut area,fill area\r\n"
                      "site,,5,tin,,125,125,0,100,50,50\r\n"));
}

void VolumeWindowTest::showsDifference() {
  press(QStringLiteral("5"), QString(), 0, QString());
  QVERIFY(!m_form->differenceButton()->isEnabled());  // a plane has no map of its own
  press(QString(), QString::fromStdString(m_dir.write("other.txt", RampFile(5, 10, -1))), 0, QString());
  QVERIFY(m_form->differenceButton()->isEnabled());
  QSignalSpy made(m_form.get(), &VolumeWindow::differenceMade);
  QTest::mouseClick(m_form->differenceButton(), Qt::LeftButton);
  QCOMPARE(made.size(), 1);
  QVERIFY(m_dialogs.messages.empty());
  const auto difference = made[0][0].value<std::shared_ptr<Document>>();
  QVERIFY(difference->drawable());
  // 2X - 10 where both exist, nothing where only the loaded surface does.
  QCOMPARE(MeshValueAt(*difference, 7.0f, 3.0f).z, 4.0f);
  QCOMPARE(MeshValueAt(*difference, 2.0f, 3.0f).kind, MeshValue::Kind::Outside);
  QVERIFY(TableEmpty(*m_form->results()));
}

PLOTVANE_APP_SUITE(VolumeWindowTest)
#include "VolumeWindowTest.moc"

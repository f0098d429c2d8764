// The tool window "格子状のデータに変換": its layout, the file a conversion
// writes, the rounding of the counts, the save dialog and what it proposes,
// the messages, and the window left open with its values after every failure.

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/CommandLine.h"
#include "app/GridWindow.h"
#include "tools/GridConversion.h"
#include "tools/ToolMeshes.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

const QString kTitle = QString::fromLatin1(kProgramTitle);
const QString kSaved = QStringLiteral("保存しました。");

// A mesh over the whole data square X 0..20, Y 0..5, two triangles along the
// diagonal, with the Z extent -10..10 and the plane Z = -10 + 0.6 X + 0.8 Y.
Document SquareDocument() {
  const test::ToolMesh t = test::MakeToolMesh({{0, 0, 0}, {0, 100, 20}, {100, 0, 60}, {100, 100, 80}},
                                              {{0, 1, 2}, {2, 1, 3}}, {0, 20, 0, 5, -10, 10});
  Document doc;
  doc.points.nn = 4;
  doc.points.labelX = "東西";
  doc.points.labelY = "南北";
  doc.points.labelZ = "標高 m";
  doc.mesh = t.mesh;
  // A third triangle far off the square, so that the mesh counts as one.
  doc.mesh.meshX.insert(doc.mesh.meshX.end(), {500, 500, 510});
  doc.mesh.meshY.insert(doc.mesh.meshY.end(), {500, 510, 500});
  doc.mesh.meshZ.insert(doc.mesh.meshZ.end(), {0, 0, 0});
  doc.mesh.ipt.insert(doc.mesh.ipt.end(), {5, 6, 7});
  doc.mesh.hh.push_back(0.0);
  doc.mesh.nt = 3;
  doc.range = t.range;
  doc.fileTitle = "site";
  return doc;
}

QStringList Lines(const std::string& bytes) {
  QStringList lines = QString::fromStdString(bytes).split(QStringLiteral("\r\n"));
  // Every line ends with CR LF, so the split leaves one empty piece at the end.
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

class GridWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void layout_data();
  void layout();
  void keyboardOrder();
  void writesColumnByColumn();
  void countsRoundHalfToEven();
  void zeroCountWritesHeaderOnly();
  void saveDialogRequest();
  void proposesFileTitleOfLoadedData();
  void cancelledDialogKeepsWindow();
  void invalidInputDoesNothing_data();
  void invalidInputDoesNothing();
  void tooLargeIsReportedBeforeDialog();
  void unwritableFileKeepsWindow();
  void nothingWhileBusy();
  void progressCancelStopsConversion();

 private:
  void fill(const QStringList& texts);
  QStringList texts() const;
  void press();

  Document m_doc;
  CommandGuard m_guard;
  std::unique_ptr<ScriptedDialogs> m_dialogs;
  std::unique_ptr<test::TempDir> m_dir;
  QPointer<GridWindow> m_form;
};

void GridWindowTest::init() {
  m_doc = SquareDocument();
  m_dialogs = std::make_unique<ScriptedDialogs>();
  m_dir = std::make_unique<test::TempDir>();
  m_form = new GridWindow(m_doc, *m_dialogs, m_guard, QString::fromStdString(m_dir->path()), nullptr);
  m_form->show();
}

void GridWindowTest::cleanup() {
  delete m_form.data();
  m_dir.reset();
  m_dialogs.reset();
}

void GridWindowTest::fill(const QStringList& values) {
  const Ui::GridWindow& ui = m_form->controls();
  const QList<QLineEdit*> boxes{ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5, ui.Text6};
  for (qsizetype k = 0; k < boxes.size(); ++k) {
    boxes[k]->setFocus();
    QTest::keyClicks(boxes[k], values.value(k));
  }
}

QStringList GridWindowTest::texts() const {
  const Ui::GridWindow& ui = m_form->controls();
  return {ui.Text1->text(), ui.Text2->text(), ui.Text3->text(), ui.Text4->text(), ui.Text5->text(), ui.Text6->text()};
}

void GridWindowTest::press() { QTest::mouseClick(m_form->controls().Command1, Qt::LeftButton); }

void GridWindowTest::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("twips");
  QTest::addColumn<QString>("text");
  QTest::newRow("X origin") << "Text1" << QRect(600, 360, 735, 270) << "";
  QTest::newRow("X interval") << "Text2" << QRect(600, 720, 735, 270) << "";
  QTest::newRow("X count") << "Text3" << QRect(600, 1080, 735, 270) << "";
  QTest::newRow("Y origin") << "Text4" << QRect(1440, 360, 735, 270) << "";
  QTest::newRow("Y interval") << "Text5" << QRect(1440, 720, 735, 270) << "";
  QTest::newRow("Y count") << "Text6" << QRect(1440, 1080, 735, 270) << "";
  QTest::newRow("button") << "Command1" << QRect(2400, 600, 855, 495) << "変換";
}

void GridWindowTest::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, twips);
  QFETCH(QString, text);
  QCOMPARE(m_form->windowTitle(), QStringLiteral("格子状のデータに変換"));
  QCOMPARE(m_form->height(), 1500 / 15);
  QVERIFY(m_form->width() >= 3420 / 15);
  QVERIFY(!m_form->isModal());
  const QWidget* control = m_form->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QVERIFY(test::KeepsItsPlace(control->geometry(), test::PixelsOfTwips(twips)));
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) QCOMPARE(box->text(), QString());
  if (const auto* button = qobject_cast<const QPushButton*>(control)) QCOMPARE(button->text(), text);
}

void GridWindowTest::keyboardOrder() {
  QStringList order;
  QWidget* first = m_form->controls().Text1;
  QWidget* w = first;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != first);
  QCOMPARE(order, (QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1"}));
  // Rows at left 120 on the boxes' heights, columns above the boxes (the
  // column labels stay over their widened columns).
  QStringList labels;
  const Ui::GridWindow& ui = m_form->controls();
  for (const QLabel* label : m_form->findChildren<QLabel*>()) {
    const QLineEdit* column = label->text() == "X" ? ui.Text1 : label->text() == "Y" ? ui.Text4 : nullptr;
    if (column != nullptr) {
      QVERIFY2(column->x() <= label->x() && label->geometry().right() <= column->geometry().right(),
               qPrintable(label->text()));
      labels << QStringLiteral("%1@%2").arg(label->text()).arg(label->y() * 15);
    } else {
      labels << QStringLiteral("%1@%2,%3").arg(label->text()).arg(label->x() * 15).arg(label->y() * 15);
    }
  }
  QStringList expected{"X@120", "Y@120", "起点@120,360", "間隔@120,720", "点数@120,1080"};
  labels.sort();
  expected.sort();
  QCOMPARE(labels, expected);
}

void GridWindowTest::writesColumnByColumn() {
  const QString path = QString::fromStdString(m_dir->file("grid.txt"));
  m_dialogs->fileAnswers = {path};
  QSignalSpy saved(m_form.data(), &GridWindow::saved);
  QSignalSpy ended(m_form.data(), &GridWindow::conversionEnded);
  fill({"0", "10", "3", "0", "5", "2"});
  press();
  // Z = -10 + 0.6 X + 0.8 Y at each grid point, all of them on the mesh.
  QCOMPARE(Lines(test::ReadBytes(path.toStdString())), (QStringList{"東西\t南北\t標高 m", "0\t0\t-10", "0\t5\t-6",
                                                                    "10\t0\t-4", "10\t5\t0", "20\t0\t2", "20\t5\t6"}));
  QVERIFY(test::ReadBytes(path.toStdString()).ends_with("\t6\r\n"));
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, kTitle);
  QCOMPARE(m_dialogs->messages[0].text, kSaved);
  QCOMPARE(saved.size(), 1);
  QCOMPARE(saved[0][0].toString(), path);
  QCOMPARE(ended.size(), 1);
  QVERIFY(!m_guard.busy());
  // Closed and gone: the next opening starts empty.
  QVERIFY(!m_form->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(m_form.isNull());
}

void GridWindowTest::countsRoundHalfToEven() {
  const QString path = QString::fromStdString(m_dir->file("grid.txt"));
  m_dialogs->fileAnswers = {path};
  fill({"0", "10", "2.5", "0", "1", "3.5"});
  press();
  const QStringList lines = Lines(test::ReadBytes(path.toStdString()));
  QCOMPARE(lines.size(), 1 + 2 * 4);
  QStringList points;
  for (const QString& line : lines.mid(1)) points << line.section('\t', 0, 1);
  QCOMPARE(points, (QStringList{"0\t0", "0\t1", "0\t2", "0\t3", "10\t0", "10\t1", "10\t2", "10\t3"}));
}

void GridWindowTest::zeroCountWritesHeaderOnly() {
  const QString path = QString::fromStdString(m_dir->file("grid.txt"));
  m_dialogs->fileAnswers = {path};
  fill({"0", "10", "0", "0", "5", "2"});
  press();
  QCOMPARE(test::ReadBytes(path.toStdString()), std::string("東西\t南北\t標高 m\r\n"));
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].text, kSaved);
  QVERIFY(!m_form->isVisible());
}

void GridWindowTest::saveDialogRequest() {
  fill({"0", "1", "1", "0", "1", "1"});
  press();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
  const ScriptedDialogs::FileRequest& request = m_dialogs->fileRequests[0];
  QCOMPARE(request.title, QStringLiteral("格子状データの保存"));
  QCOMPARE(request.filter, QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.txt);;ESRI ASCII ｸﾞﾘｯﾄﾞ (*.asc);;GeoTIFF "
                                          "(*.tif)"));
  QCOMPARE(request.start, QDir(QString::fromStdString(m_dir->path())).filePath(QStringLiteral("site_格子")));

  // After a failure the dialog starts where the user last chose.
  m_dialogs->fileAnswers = {QStringLiteral("/no/such/folder/out.txt")};
  press();
  QCOMPARE(m_form->dialogPath(), QStringLiteral("/no/such/folder/out.txt"));
  press();
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{3});
  QCOMPARE(m_dialogs->fileRequests[2].start, QStringLiteral("/no/such/folder/site_格子"));
}

void GridWindowTest::proposesFileTitleOfLoadedData() {
  // Loaded through the File menu, as the user does.
  ScriptedDialogs dialogs;
  std::unique_ptr<MainWindow> window = test::MakeMainWindow(dialogs, m_dir->path());
  window->startUp(QString());
  const QString data = QString::fromStdString(test::WriteLatticeFile(*m_dir, "survey.txt"));
  dialogs.fileAnswers = {data};
  window->controls().mnuFileNew->trigger();
  QCOMPARE(window->document().mesh.nt >= 3, true);

  QPointer<GridWindow> form =
      new GridWindow(window->document(), dialogs, window->guard(), window->fileDialogPath(), window.get());
  form->show();
  const Ui::GridWindow& ui = form->controls();
  for (QLineEdit* box : {ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5, ui.Text6}) box->setText("1");
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QCOMPARE(dialogs.fileRequests.size(), std::size_t{2});
  const QFileInfo proposed(dialogs.fileRequests[1].start);
  QCOMPARE(proposed.fileName(), QStringLiteral("survey_格子"));
  QCOMPARE(proposed.path(), QFileInfo(data).path());
  delete form.data();
}

void GridWindowTest::cancelledDialogKeepsWindow() {
  fill({"0", "10", "3", "0", "5", "2"});
  press();  // no answer queued: the dialog is cancelled
  QCOMPARE(m_dialogs->fileRequests.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, kTitle);
  QCOMPARE(m_dialogs->messages[0].text, QString::fromUtf8(kDialogCancelled));
  QVERIFY(m_form->isVisible());
  QCOMPARE(texts(), (QStringList{"0", "10", "3", "0", "5", "2"}));
  QVERIFY(QDir(QString::fromStdString(m_dir->path())).isEmpty());
}

void GridWindowTest::invalidInputDoesNothing_data() {
  QTest::addColumn<QStringList>("values");
  QTest::addColumn<int>("triangles");
  QTest::newRow("empty box") << QStringList{"0", "10", "3", "0", "", "2"} << 3;
  QTest::newRow("letters") << QStringList{"0", "10", "abc", "0", "5", "2"} << 3;
  QTest::newRow("numeric prefix") << QStringList{"0x", "10", "3", "0", "5", "2"} << 3;
  QTest::newRow("beyond double") << QStringList{"0", "1E400", "3", "0", "5", "2"} << 3;
  QTest::newRow("no mesh") << QStringList{"0", "10", "3", "0", "5", "2"} << 2;
}

void GridWindowTest::invalidInputDoesNothing() {
  QFETCH(QStringList, values);
  QFETCH(int, triangles);
  m_doc.mesh.nt = triangles;
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->file("grid.txt"))};
  fill(values);
  press();
  QVERIFY(m_dialogs->fileRequests.empty());
  QVERIFY(m_dialogs->messages.empty());
  QVERIFY(m_form->isVisible());
  QCOMPARE(texts(), values);
}

void GridWindowTest::tooLargeIsReportedBeforeDialog() {
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->file("grid.txt"))};
  fill({"0", "1E39", "3", "0", "5", "2"});
  press();
  QVERIFY(m_dialogs->fileRequests.empty());
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, kTitle);
  QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("間隔")));
  QVERIFY(m_form->isVisible());
  QVERIFY(QDir(QString::fromStdString(m_dir->path())).isEmpty());
}

void GridWindowTest::unwritableFileKeepsWindow() {
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->file("missing/grid.txt"))};
  QSignalSpy saved(m_form.data(), &GridWindow::saved);
  fill({"0", "10", "3", "0", "5", "2"});
  press();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, kTitle);
  QVERIFY(!m_dialogs->messages[0].text.isEmpty());
  QVERIFY(m_dialogs->messages[0].text != kSaved);
  QCOMPARE(saved.size(), 0);
  QVERIFY(m_form->isVisible());
  QCOMPARE(texts(), (QStringList{"0", "10", "3", "0", "5", "2"}));
}

void GridWindowTest::nothingWhileBusy() {
  m_dialogs->fileAnswers = {QString::fromStdString(m_dir->file("grid.txt"))};
  fill({"0", "10", "3", "0", "5", "2"});
  {
    CommandGuard::Scope busy(m_guard);
    press();
  }
  QVERIFY(m_dialogs->fileRequests.empty());
  QVERIFY(m_dialogs->messages.empty());
  press();
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].text, kSaved);
}

void GridWindowTest::progressCancelStopsConversion() {
  // Enough grid points for the conversion to look at its cancel button.
  const std::string path = m_dir->write("grid.txt", "kept");
  m_dialogs->fileAnswers = {QString::fromStdString(path)};
  fill({"0", "0.01", "2000", "0", "0.01", "500"});
  bool guardHeld = false;
  bool closeRefused = false;
  bool pressIgnored = false;
  QTimer::singleShot(0, m_form.data(), [&] {
    guardHeld = m_guard.busy();
    // The window is busy with its conversion: it neither closes nor starts
    // a second one.
    m_form->close();
    closeRefused = m_form->isVisible();
    press();
    pressIgnored = m_dialogs->fileRequests.size() == 1;
    auto* progress = m_form->findChild<QProgressDialog*>();
    QVERIFY(progress != nullptr);
    QCOMPARE(progress->labelText(), QString::fromUtf8(kGridProgressLabel.data()));
    progress->cancel();
  });
  press();
  QVERIFY(guardHeld);
  QVERIFY(closeRefused);
  QVERIFY(pressIgnored);
  QVERIFY(!m_guard.busy());
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(m_dialogs->messages[0].title, kTitle);
  QCOMPARE(m_dialogs->messages[0].text, QString::fromUtf8(kGridCancelled.data()));
  QVERIFY(m_form->isVisible());
  QVERIFY(m_form->findChild<QProgressDialog*>() == nullptr);
  // The file the user chose is as it was.
  QCOMPARE(test::ReadBytes(path), std::string("kept"));
}

PLOTVANE_APP_SUITE(GridWindowTest)
#include "GridWindowTest.moc"

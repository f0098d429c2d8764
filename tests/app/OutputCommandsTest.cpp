// The commands that hand the data and the page outside: データ保存 (and the
// contour file read back), 画像保存 in each format, 印刷 to a PDF file, and
// コピー onto the clipboard.

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/PageSurface.h"
#include "data/DataFileReader.h"
#include "render/emf/EmfWriter.h"
#include "settings/SettingsBlock.h"

using namespace plotvane;
using namespace plotvane::app;
using plotvane::test::ScriptedDialogs;

namespace {

QByteArray FileContent(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class OutputCommandsTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void dataSaveRoundTrip();
  void dataSaveWithoutDataWritesBlockAndHeader();
  void pictureSaveDialog();
  void bitmapIsTheScreen();
  void metafileIsThePageFile();
  void vectorAndPngFormats();
  void pictureSaveBeforeFirstPageAsksNothing();
  void pictureSaveFailureKeepsOldFile();
  void printToPdf();
  void cancelledPrintPrintsNothing();
  void copyPutsBitmapAndVectors();
  void copyBeforeFirstPageLeavesBitmapOnly();

 private:
  void load();
  QString path(const char* name) const { return QString::fromStdString(m_dir->path() + "/" + name); }
  QString savePicture(const char* name);
};

void OutputCommandsTest::load() {
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));
  m_window->document().fileTitle = "lattice";
  m_window->fileDialogPath() = path("lattice.txt");
  QVERIFY(m_window->document().drawable());
}

QString OutputCommandsTest::savePicture(const char* name) {
  const QString target = path(name);
  m_dialogs->fileAnswers = {target};
  m_window->controls().gazouhozon->trigger();
  return target;
}

void OutputCommandsTest::dataSaveRoundTrip() {
  load();
  DrawSettings& settings = m_window->document().settings;
  settings.n = "7";
  settings.sq.clear();
  settings.selectFillMode(FillMode::FillPattern);
  m_window->redraw();
  const std::string page = emf::EncodeEnhMetaFile(m_window->currentPage());
  const PointSet points = m_window->document().points;
  const DrawSettings saved = settings;

  const QString target = path("saved.ctr");
  m_dialogs->fileAnswers = {target};
  m_window->controls().datahozon->trigger();
  const auto& request = m_dialogs->fileRequests.at(0);
  QCOMPARE(request.title, QStringLiteral("データの保存"));
  QCOMPARE(request.filter, QStringLiteral("ｺﾝﾀﾌｧｲﾙ (*.ctr)"));
  QCOMPARE(request.start, path("lattice"));
  QVERIFY(FileContent(target).contains("\r\ninf\r\n"));

  // Loading the saved file gives the same settings, points and page.
  settings = DefaultDrawSettings();
  m_window->openDataFile(target);
  QVERIFY(m_window->document().drawable());
  QVERIFY(m_window->document().settings == saved);
  QCOMPARE(m_window->document().points.dataX, points.dataX);
  QCOMPARE(m_window->document().points.dataZ, points.dataZ);
  QCOMPARE(m_window->document().points.labelZ, points.labelZ);
  QVERIFY(emf::EncodeEnhMetaFile(m_window->currentPage()) == page);
}

void OutputCommandsTest::dataSaveWithoutDataWritesBlockAndHeader() {
  const QString target = path("empty.ctr");
  m_dialogs->fileAnswers = {target};
  m_window->controls().datahozon->trigger();
  // The empty texts of the settings take a line each, so the block reads back.
  Document saved;
  QCOMPARE(ReadDataFile(target.toStdString(), saved), ReadStatus::Ok);
  QCOMPARE(saved.points.nn, 0);
  DrawSettings expected = m_window->document().settings;
  if (expected.sq.empty()) expected.sq = "inf";
  QVERIFY(saved.settings == expected);
  QVERIFY(FileContent(target).endsWith("\r\n\r\n\t\t\r\n"));
}

void OutputCommandsTest::pictureSaveDialog() {
  load();
  savePicture("page.bmp");
  const auto& request = m_dialogs->fileRequests.at(0);
  QCOMPARE(request.title, QStringLiteral("画像の保存"));
  QVERIFY(request.filter.startsWith(QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp);;拡張ﾒﾀﾌｧｲﾙ (*.emf);;")));
  QCOMPARE(request.start, path("lattice"));
  // The next dialog proposes the same name in the folder last saved to.
  QVERIFY(QDir().mkpath(path("out")));
  savePicture("out/page.bmp");
  savePicture("page2.bmp");
  QCOMPARE(m_dialogs->fileRequests.at(2).start, path("out/lattice"));
}

void OutputCommandsTest::bitmapIsTheScreen() {
  load();
  const QString target = savePicture("page.bmp");
  QCOMPARE(QImageReader(target).format(), QByteArray("bmp"));
  const QImage saved(target);
  QCOMPARE(saved.size(), QSize(597, 477));
  QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
           m_window->pageSurface()->image().convertToFormat(QImage::Format_RGB32));
}

void OutputCommandsTest::metafileIsThePageFile() {
  load();
  const QString first = savePicture("first.emf");
  QCOMPARE(FileContent(first), FileContent(QString::fromStdString(m_window->pageFilePath())));
  QVERIFY(FileContent(first).size() > 1000);
  // A later page does not change a file saved before it.
  m_window->document().settings.n = "5";
  m_window->redraw();
  const QString second = savePicture("second.emf");
  QVERIFY(FileContent(first) != FileContent(second));
  QCOMPARE(FileContent(second), FileContent(QString::fromStdString(m_window->pageFilePath())));
}

void OutputCommandsTest::vectorAndPngFormats() {
  load();
  QCOMPARE(QImage(savePicture("page.png")).size(), QSize(597, 477));
  QVERIFY(FileContent(savePicture("page.svg")).contains("<svg"));
  QVERIFY(FileContent(savePicture("page.pdf")).startsWith("%PDF"));
  QVERIFY(m_dialogs->messages.empty());
}

void OutputCommandsTest::pictureSaveBeforeFirstPageAsksNothing() {
  m_window->controls().gazouhozon->trigger();
  QVERIFY(m_dialogs->fileRequests.empty());
}

void OutputCommandsTest::pictureSaveFailureKeepsOldFile() {
  load();
  const QString target = savePicture("page.emf");
  const QByteArray before = FileContent(target);
  // A folder of the target's name cannot be replaced: the save fails, is
  // reported, and the other file stays.
  QVERIFY(QDir().mkpath(path("folder.emf")));
  savePicture("folder.emf");
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QCOMPARE(FileContent(target), before);
}

void OutputCommandsTest::printToPdf() {
  load();
  const QString target = path("printed.pdf");
  m_dialogs->printerScript = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return true;
  };
  m_window->controls().mnuFilePrint->trigger();
  QCOMPARE(m_dialogs->printerTitles, QStringList{QStringLiteral("印刷")});
  const QByteArray pdf = FileContent(target);
  QVERIFY(pdf.startsWith("%PDF"));
  // One A4 page holding the map.
  QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), qsizetype{1});
  QVERIFY(pdf.size() > 5000);
}

void OutputCommandsTest::cancelledPrintPrintsNothing() {
  load();
  const QString target = path("printed.pdf");
  m_dialogs->printerScript = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    return false;
  };
  m_window->controls().mnuFilePrint->trigger();
  QVERIFY(!QFile::exists(target));
  QVERIFY(m_dialogs->messages.empty());
}

void OutputCommandsTest::copyPutsBitmapAndVectors() {
  load();
  m_window->controls().copy->trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QVERIFY(data != nullptr);
  QVERIFY(data->hasImage());
  QCOMPARE(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
           m_window->pageSurface()->image().convertToFormat(QImage::Format_RGB32));
  QCOMPARE(data->data(QStringLiteral("image/x-emf")), FileContent(QString::fromStdString(m_window->pageFilePath())));
  QCOMPARE(data->data(QStringLiteral("image/emf")), FileContent(QString::fromStdString(m_window->pageFilePath())));
  QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));

  // The clipboard keeps the page of the moment of the copy.
  const QByteArray copied = data->data(QStringLiteral("image/x-emf"));
  m_window->document().settings.n = "4";
  m_window->redraw();
  QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/x-emf")), copied);
}

void OutputCommandsTest::copyBeforeFirstPageLeavesBitmapOnly() {
  m_window->controls().copy->trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QVERIFY(data != nullptr);
  QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(597, 477));
  QVERIFY(!data->hasFormat(QStringLiteral("image/x-emf")));
  QVERIFY(!data->hasFormat(QStringLiteral("image/svg+xml")));
}

PLOTVANE_APP_SUITE(OutputCommandsTest)
#include "OutputCommandsTest.moc"

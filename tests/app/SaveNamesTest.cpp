// Names without an extension: every save command completes the proposed name
// with the selected filter's extension, so the file it writes is one the
// program lists and reads back; a name typed with an extension stays as it is.

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/GridWindow.h"
#include "app/SaveFileName.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

const QString kDataFilter = QStringLiteral("ｺﾝﾀﾌｧｲﾙ (*.ctr)");
const QString kPictureFilters = QStringLiteral(
    "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp);;拡張ﾒﾀﾌｧｲﾙ (*.emf);;PNG ﾌｧｲﾙ (*.png);;"
    "SVG ﾌｧｲﾙ (*.svg);;PDF ﾌｧｲﾙ (*.pdf)");

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(bytes);
}

}  // namespace

class SaveNamesTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void completeSaveName_data();
  void completeSaveName();
  void dataSaveOfTheProposedNameLoadsBack();
  void pictureSaveFollowsTheSelectedFilter_data();
  void pictureSaveFollowsTheSelectedFilter();
  void pictureNameOfNoKindIsReported_data();
  void pictureNameOfNoKindIsReported();
  void settingsSaveAddsViewExtension();
  void gridSaveAddsTextExtension();
  void completedNameAsksBeforeReplacing();

 private:
  QString path(const QString& name) const { return QString::fromStdString(m_dir->path()) + "/" + name; }
};

void SaveNamesTest::init() {
  MainWindowSuite::init();
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "site.north.txt")));
  m_window->document().fileTitle = "site.north";
  m_window->fileDialogPath() = path("site.north.txt");
  QVERIFY(m_window->document().drawable());
}

void SaveNamesTest::completeSaveName_data() {
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<QString>("filters");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("proposed");
  QTest::addColumn<QString>("completed");
  QTest::newRow("proposed name") << "/d/site" << kDataFilter << ""
                                 << "site"
                                 << "/d/site.ctr";
  QTest::newRow("proposed name with dots") << "/d/site.north" << kDataFilter << ""
                                           << "site.north"
                                           << "/d/site.north.ctr";
  QTest::newRow("typed without dot") << "/d/map" << kDataFilter << ""
                                     << "site"
                                     << "/d/map.ctr";
  QTest::newRow("typed extension kept") << "/d/map.ctr" << kDataFilter << ""
                                        << "site"
                                        << "/d/map.ctr";
  QTest::newRow("filter extension in capitals kept") << "/d/map.CTR" << kDataFilter << ""
                                                     << "map.CTR"
                                                     << "/d/map.CTR";
  QTest::newRow("other typed extension kept") << "/d/map.dat" << kDataFilter << ""
                                              << "site"
                                              << "/d/map.dat";
  QTest::newRow("dot in folder only") << "/d.v2/map" << kDataFilter << ""
                                      << "site"
                                      << "/d.v2/map.ctr";
  QTest::newRow("selected filter") << "/d/site" << kPictureFilters << "SVG ﾌｧｲﾙ (*.svg)"
                                   << "site"
                                   << "/d/site.svg";
  QTest::newRow("first filter when none reported") << "/d/site" << kPictureFilters << ""
                                                   << "site"
                                                   << "/d/site.bmp";
  QTest::newRow("other filter's extension kept") << "/d/site.png" << kPictureFilters << "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)"
                                                 << "site.png"
                                                 << "/d/site.png";
  QTest::newRow("filter of several patterns takes the first")
      << "/d/site" << QStringLiteral("ﾃｷｽﾄ(*.txt) , ｺﾝﾀ(*.ctr) (*.txt *.ctr)") << ""
      << "site"
      << "/d/site.txt";
  QTest::newRow("filter of any file adds nothing") << "/d/site" << QStringLiteral("すべて (*.*)") << ""
                                                   << "site"
                                                   << "/d/site";
}

void SaveNamesTest::completeSaveName() {
  QFETCH(QString, chosen);
  QFETCH(QString, filters);
  QFETCH(QString, selected);
  QFETCH(QString, proposed);
  QFETCH(QString, completed);
  QCOMPARE(CompleteSaveName(chosen, filters, selected, proposed), completed);
}

void SaveNamesTest::dataSaveOfTheProposedNameLoadsBack() {
  // The user presses Enter on the name the dialog proposes.
  m_dialogs->fileAnswers = {path("site.north")};
  m_window->controls().datahozon->trigger();
  QCOMPARE(m_dialogs->fileRequests.at(0).start, path("site.north"));
  QVERIFY(!QFileInfo::exists(path("site.north")));
  QVERIFY(QFileInfo::exists(path("site.north.ctr")));
  QVERIFY(m_dialogs->messages.empty());
  // データ読込 lists it by its extension, and it loads.
  m_window->openDataFile(path("site.north.ctr"));
  QVERIFY(m_window->document().drawable());
  QCOMPARE(m_window->fileDialogPath(), path("site.north.ctr"));
}

void SaveNamesTest::pictureSaveFollowsTheSelectedFilter_data() {
  QTest::addColumn<int>("entry");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QByteArray>("magic");
  QTest::newRow("bmp") << 0 << "site.north.bmp" << QByteArray("BM");
  QTest::newRow("emf") << 1 << "site.north.emf" << QByteArray("\x01\x00\x00\x00", 4);
  QTest::newRow("png") << 2 << "site.north.png" << QByteArray("\x89PNG");
  QTest::newRow("svg") << 3 << "site.north.svg" << QByteArray("<?xml");
  QTest::newRow("pdf") << 4 << "site.north.pdf" << QByteArray("%PDF");
}

void SaveNamesTest::pictureSaveFollowsTheSelectedFilter() {
  QFETCH(int, entry);
  QFETCH(QString, file);
  QFETCH(QByteArray, magic);
  m_dialogs->selectedFilters = {kPictureFilters.split(QStringLiteral(";;")).at(entry)};
  m_dialogs->fileAnswers = {path("site.north")};
  m_window->controls().gazouhozon->trigger();
  QCOMPARE(Head(path(file), static_cast<int>(magic.size())), magic);
  QVERIFY(m_dialogs->messages.empty());
}

void SaveNamesTest::pictureNameOfNoKindIsReported_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("other kind") << "page.jpg";
}

void SaveNamesTest::pictureNameOfNoKindIsReported() {
  QFETCH(QString, name);
  m_dialogs->fileAnswers = {path(name)};
  m_window->controls().gazouhozon->trigger();
  QVERIFY(!QFileInfo::exists(path(name)));
  QCOMPARE(QDir(QString::fromStdString(m_dir->path())).entryList({"page*"}), QStringList());
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
  QVERIFY(m_dialogs->messages[0].text.startsWith(name + " は保存できる画像の種類ではありません。\n"));
}

void SaveNamesTest::settingsSaveAddsViewExtension() {
  m_dialogs->fileAnswers = {path("site.north")};
  m_window->controls().mnuViewSave->trigger();
  QVERIFY(QFileInfo::exists(path("site.north.ctv")));
  QVERIFY(!QFileInfo::exists(path("site.north")));
  QVERIFY(m_dialogs->messages.empty());
}

void SaveNamesTest::gridSaveAddsTextExtension() {
  m_window->controls().koushi->trigger();
  GridWindow* form = m_window->findChild<GridWindow*>();
  QVERIFY(form != nullptr);
  const Ui::GridWindow& ui = form->controls();
  for (QLineEdit* box : {ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5, ui.Text6}) box->setText("2");
  m_dialogs->fileAnswers = {path("site.north_格子")};
  QTest::mouseClick(ui.Command1, Qt::LeftButton);
  QCOMPARE(m_dialogs->fileRequests.at(0).start, QStringLiteral("site.north_格子"));
  QVERIFY(QFileInfo::exists(path("site.north_格子.txt")));
  QCOMPARE(m_dialogs->messages.back().text, QStringLiteral("保存しました。"));
}

void SaveNamesTest::completedNameAsksBeforeReplacing() {
  const std::string before = "keep me";
  m_dir->write("site.north.ctr", before);
  // The dialog asked about "site.north", which does not exist; the file the
  // save would replace is asked about now.
  m_dialogs->fileAnswers = {path("site.north")};
  m_dialogs->askAnswers = {false};
  m_window->controls().datahozon->trigger();
  QCOMPARE(m_dialogs->questions.size(), std::size_t{1});
  QCOMPARE(m_dialogs->questions[0].title, QStringLiteral("データの保存"));
  QCOMPARE(m_dialogs->questions[0].text, QStringLiteral("site.north.ctr は既に存在します。\n置き換えますか?"));
  QCOMPARE(test::ReadBytes(m_dir->file("site.north.ctr")), before);

  m_dialogs->fileAnswers = {path("site.north")};
  m_dialogs->askAnswers = {true};
  m_window->controls().datahozon->trigger();
  QVERIFY(test::ReadBytes(m_dir->file("site.north.ctr")) != before);
  // A name typed in full was asked about by the dialog itself.
  m_dialogs->fileAnswers = {path("site.north.ctr")};
  m_window->controls().datahozon->trigger();
  QCOMPARE(m_dialogs->questions.size(), std::size_t{2});
}

PLOTVANE_APP_SUITE(SaveNamesTest)
#include "SaveNamesTest.moc"
